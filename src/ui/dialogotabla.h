// "Datos Horarios Gráfica": the 24 hours of the graph on screen, the latest
// on top, under the graph's two header lines.
#pragma once

#include "ui/tabledialog.h"

class QLineEdit;

namespace brisalta::ui {

class DialogoTabla : public TableDialog {
    Q_OBJECT

public:
    DialogoTabla(const DataTable& table, TableDialogActions actions, QWidget* parent = nullptr);

    QLineEdit* headerLine1() const { return mLine1; }
    QLineEdit* headerLine2() const { return mLine2; }

private:
    QLineEdit* mLine1;
    QLineEdit* mLine2;
};

} // namespace brisalta::ui
