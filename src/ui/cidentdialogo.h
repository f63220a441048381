// "Elección manual": the dialog in which the user types the ICAO code of a
// station that is not in the menus.
#pragma once

#include <QDialog>

class QLineEdit;

namespace brisalta::ui {

class CIdentDialogo : public QDialog {
    Q_OBJECT

public:
    explicit CIdentDialogo(QWidget* parent = nullptr);

    // The code as typed: capitals, at most 4 characters.
    QString code() const;

    QLineEdit* edit() const { return mEdit; }

private:
    QLineEdit* mEdit;
};

} // namespace brisalta::ui
