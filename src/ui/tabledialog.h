// What the two table dialogs share: the grid on the left, and on the right the
// picture buttons "Exportar", "Imprimir" and "Salir" with their tooltips. The
// dialogs add the texts above the grid.
#pragma once

#include "ports/ui.h"
#include "tables/datatable.h"

#include <QDialog>

class QToolButton;
class QVBoxLayout;

namespace brisalta::ui {

class DataGrid;

class TableDialog : public QDialog {
    Q_OBJECT

public:
    DataGrid* grid() const { return mGrid; }
    QToolButton* exportButton() const { return mExport; }
    QToolButton* printButton() const { return mPrint; }
    QToolButton* exitButton() const { return mExit; }

protected:
    // `widthDu` x `heightDu` is the dialog's size in dialog units.
    TableDialog(const DataTable& table, TableDialogActions actions, int widthDu, int heightDu,
                QWidget* parent);

    // The layout above the grid, where a dialog puts its texts.
    QVBoxLayout* topArea() const { return mTop; }

private:
    QToolButton* pictureButton(const QString& icon, const QString& tip, const char* name);

    TableDialogActions mActions;
    DataGrid* mGrid;
    QVBoxLayout* mTop;
    QToolButton* mExport;
    QToolButton* mPrint;
    QToolButton* mExit;
};

} // namespace brisalta::ui
