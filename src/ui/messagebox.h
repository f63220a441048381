// The program's message box for dialogs that speak for themselves: the text,
// an icon, the title "Brisalta" and one button "Aceptar".
#pragma once

#include <QMessageBox>
#include <QString>

namespace brisalta::ui {

void showMessageBox(QWidget* parent, const QString& text,
                    QMessageBox::Icon icon = QMessageBox::NoIcon);

} // namespace brisalta::ui
