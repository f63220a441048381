// The read-only model of a table dialog's grid over a DataTable: the cell
// texts centred, the highlighted cells in their colours, the first column
// shaded as the grid's fixed column, the column names as the header row.
#pragma once

#include "tables/datatable.h"

#include <QAbstractTableModel>
#include <QModelIndexList>

namespace brisalta::ui {

class DataTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit DataTableModel(DataTable table, QObject* parent = nullptr);

    const DataTable& table() const { return mTable; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The cells of a selection as text to paste into a spreadsheet: the rows
    // and columns the selection spans, cells separated by tabs, rows ended by
    // a line feed; cells of the span that are not selected are left empty.
    QString copiedText(const QModelIndexList& selection) const;

private:
    DataTable mTable;
};

} // namespace brisalta::ui
