// Message box of the dialogs.
#include "ui/messagebox.h"

#include "ui/qtext.h"

namespace brisalta::ui {

void showMessageBox(QWidget* parent, const QString& text, QMessageBox::Icon icon) {
    QMessageBox box(parent);
    box.setWindowTitle(tr8("Brisalta"));
    box.setText(text);
    box.setIcon(icon);
    box.addButton(tr8("Aceptar"), QMessageBox::AcceptRole);
    box.exec();
}

} // namespace brisalta::ui
