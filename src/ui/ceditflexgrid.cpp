// Editable grid: a QTableWidget whose delegate lays a CCellEdit over a cell.
#include "ui/ceditflexgrid.h"

#include "ui/ccelledit.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace brisalta::ui {

class CellEditDelegate : public QStyledItemDelegate {
public:
    explicit CellEditDelegate(CEditFlexGrid* grid) : QStyledItemDelegate(grid), mGrid(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        auto* editor = new CCellEdit(parent);
        const int limit = mGrid->maxTextLength(index.column());
        if (limit > 0) {
            editor->setMaxLength(limit);
        }
        // The cell's own colours when it has them, the grid's otherwise.
        const QVariant text = index.data(Qt::ForegroundRole);
        const QVariant back = index.data(Qt::BackgroundRole);
        const QPalette& grid = mGrid->palette();
        editor->setColours(text.canConvert<QBrush>() && text.value<QBrush>().style() != Qt::NoBrush
                               ? text.value<QBrush>().color()
                               : grid.color(QPalette::Text),
                           back.canConvert<QBrush>() && back.value<QBrush>().style() != Qt::NoBrush
                               ? back.value<QBrush>().color()
                               : grid.color(QPalette::Base));
        mGrid->mEditor = editor;
        // The grid's destructor cuts this connection before its children go.
        connect(editor, &QObject::destroyed, mGrid, [grid = mGrid, editor] {
            if (grid->mEditor == editor) {
                grid->mEditor = nullptr;
            }
        });
        return editor;
    }

    void destroyEditor(QWidget* editor, const QModelIndex& index) const override {
        if (mGrid->mEditor == editor) {
            mGrid->mEditor = nullptr;
        }
        QStyledItemDelegate::destroyEditor(editor, index);
    }

private:
    CEditFlexGrid* mGrid;
};

CEditFlexGrid::~CEditFlexGrid() {
    // Editors still alive (open, or closed and waiting for deleteLater) are
    // deleted with the grid's children, after this object has stopped being a
    // grid: they must not call back into it.
    for (CCellEdit* editor : findChildren<CCellEdit*>()) {
        disconnect(editor, &QObject::destroyed, this, nullptr);
    }
    mEditor = nullptr;
}

CEditFlexGrid::CEditFlexGrid(int rows, const QStringList& headers, QWidget* parent)
    : QTableWidget(rows, static_cast<int>(headers.size()), parent),
      mMaxLengths(static_cast<int>(headers.size()), 0) {
    setObjectName(QStringLiteral("rejilla"));
    setHorizontalHeaderLabels(headers);
    setItemDelegate(new CellEditDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            setItem(r, c, new QTableWidgetItem);
        }
    }
    if (rows > 0 && columnCount() > 0) {
        setCurrentCell(0, 0);
    }
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (!isEditing() && index.isValid()) {
            setCurrentIndex(index);
            startEdit();
        }
    });
}

void CEditFlexGrid::setColumnWidthTwips(int column, int twips) {
    setColumnWidth(column, twips * logicalDpiX() / 1440);
}

void CEditFlexGrid::setMaxTextLength(int column, int length) {
    if (column >= 0 && column < mMaxLengths.size()) {
        mMaxLengths[column] = length;
    }
}

int CEditFlexGrid::maxTextLength(int column) const {
    return column >= 0 && column < mMaxLengths.size() ? mMaxLengths[column] : 0;
}

QString CEditFlexGrid::textMatrix(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void CEditFlexGrid::setTextMatrix(int row, int column, const QString& text) {
    if (QTableWidgetItem* cell = item(row, column)) {
        cell->setText(text);
    }
}

void CEditFlexGrid::startEdit() {
    const QModelIndex index = currentIndex();
    if (!index.isValid() || isEditing()) {
        return;
    }
    // Bringing the cell into view scrolls, and scrolling commits: open the
    // editor only once the cell is in place.
    mOpening = true;
    scrollTo(index);
    edit(index);
    mOpening = false;
    if (CCellEdit* editor = cellEditor()) {
        editor->deselect();
        editor->end(false);
    }
}

void CEditFlexGrid::commitEdit() {
    if (!isEditing() || mEditor == nullptr) {
        return;
    }
    CCellEdit* editor = mEditor;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool CEditFlexGrid::isEditing() const {
    return state() == QAbstractItemView::EditingState && mEditor != nullptr;
}

CCellEdit* CEditFlexGrid::cellEditor() const {
    return isEditing() ? mEditor : nullptr;
}

void CEditFlexGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Enter belongs to the grid: it never presses the dialog's default button.
        if (isEditing()) {
            commitEdit();
        } else {
            startEdit();
        }
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void CEditFlexGrid::scrollContentsBy(int dx, int dy) {
    if (!mOpening) {
        commitEdit();
    }
    QTableWidget::scrollContentsBy(dx, dy);
}

} // namespace brisalta::ui
