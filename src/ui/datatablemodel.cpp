// Model of the table dialogs' grids.
#include "ui/datatablemodel.h"

#include "ui/qtext.h"

#include <QBrush>
#include <QColor>
#include <QGuiApplication>
#include <QPalette>

#include <algorithm>
#include <climits>

namespace brisalta::ui {

DataTableModel::DataTableModel(DataTable table, QObject* parent)
    : QAbstractTableModel(parent), mTable(std::move(table)) {}

int DataTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(mTable.rows.size());
}

int DataTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(mTable.columns.size());
}

QVariant DataTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    const auto& row = mTable.rows[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return static_cast<std::size_t>(index.column()) < row.size()
                   ? toQt(row[static_cast<std::size_t>(index.column())])
                   : QString();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::BackgroundRole:
        if (const auto colour = highlightAt(mTable, index.row(), index.column())) {
            return QBrush(QColor(colour->red, colour->green, colour->blue));
        }
        // The hour or height column is the grid's fixed column.
        if (index.column() == 0) {
            return QGuiApplication::palette().brush(QPalette::Button);
        }
        return {};
    case Qt::ForegroundRole:
        // Highlighted cells keep black text on their light colours.
        if (highlightAt(mTable, index.row(), index.column())) {
            return QBrush(Qt::black);
        }
        return {};
    default:
        return {};
    }
}

QVariant DataTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::DisplayRole) {
        return toQt(mTable.columns[static_cast<std::size_t>(section)]);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    }
    return {};
}

Qt::ItemFlags DataTableModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

QString DataTableModel::copiedText(const QModelIndexList& selection) const {
    if (selection.isEmpty()) {
        return {};
    }
    int top = INT_MAX, bottom = -1, left = INT_MAX, right = -1;
    for (const QModelIndex& index : selection) {
        top = std::min(top, index.row());
        bottom = std::max(bottom, index.row());
        left = std::min(left, index.column());
        right = std::max(right, index.column());
    }
    QString out;
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            if (column > left) {
                out += QLatin1Char('\t');
            }
            const QModelIndex cell = this->index(row, column);
            if (selection.contains(cell)) {
                out += data(cell, Qt::DisplayRole).toString();
            }
        }
        out += QLatin1Char('\n');
    }
    return out;
}

} // namespace brisalta::ui
