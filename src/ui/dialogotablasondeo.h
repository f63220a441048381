// "Datos Detallados Sondeo": every level of the sounding on screen, lowest
// first, under the sounding's title line.
#pragma once

#include "ui/tabledialog.h"

class QLineEdit;

namespace brisalta::ui {

class DialogoTablaSondeo : public TableDialog {
    Q_OBJECT

public:
    DialogoTablaSondeo(const DataTable& table, TableDialogActions actions,
                       QWidget* parent = nullptr);

    QLineEdit* title() const { return mTitle; }

private:
    QLineEdit* mTitle;
};

} // namespace brisalta::ui
