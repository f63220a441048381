// The read-only grid of the table dialogs.
#include "ui/datagrid.h"

#include "ui/datatablemodel.h"
#include "ui/qtext.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScreen>

namespace brisalta::ui {

DataGrid::DataGrid(const DataTable& table, QWidget* parent)
    : QTableView(parent), mModel(new DataTableModel(table, this)) {
    setObjectName(QStringLiteral("rejilla"));
    setModel(mModel);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);

    QFont gridFont = font();
    gridFont.setFamily(toQt(table.fontName));
    setFont(gridFont);
    horizontalHeader()->setFont(gridFont);

    const QScreen* screen = QApplication::primaryScreen();
    const int dpi = screen ? qRound(screen->logicalDotsPerInch()) : 96;
    for (std::size_t column = 0; column < table.columnWidthsTwips.size(); ++column) {
        setColumnWidth(static_cast<int>(column), twipsToPixels(table.columnWidthsTwips[column], dpi));
    }
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
}

int DataGrid::columnsWidth() const {
    int width = 0;
    for (int column = 0; column < mModel->columnCount(); ++column) {
        width += columnWidth(column);
    }
    return width;
}

void DataGrid::copySelection() const {
    const QString text = mModel->copiedText(selectionModel()->selectedIndexes());
    if (!text.isEmpty()) {
        QApplication::clipboard()->setText(text);
    }
}

void DataGrid::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copySelection();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace brisalta::ui
