// The grid of the table dialogs: a read-only table view over a DataTable with
// one header row, the columns as wide as the table says (twips at the
// screen's resolution), and cells the user can select and copy with Ctrl+C.
#pragma once

#include "tables/datatable.h"

#include <QTableView>

namespace brisalta::ui {

class DataTableModel;

class DataGrid : public QTableView {
    Q_OBJECT

public:
    explicit DataGrid(const DataTable& table, QWidget* parent = nullptr);

    DataTableModel* tableModel() const { return mModel; }

    // Width in pixels the columns take, as set from the table's twips.
    int columnsWidth() const;

    // Puts the selected cells on the clipboard as tab-separated text.
    void copySelection() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    DataTableModel* mModel;
};

} // namespace brisalta::ui
