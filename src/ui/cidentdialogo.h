// "Elección manual": the dialog in which the user types the ICAO code of a
// station that is not in the menus.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace brisalta::ui {

class CIdentDialogo : public QDialog {
    Q_OBJECT

public:
    explicit CIdentDialogo(QWidget* parent = nullptr);

    // The code as typed: capitals, at most 4 characters.
    QString code() const;

    QLineEdit* edit() const { return mEdit; }
    // The sentence that refuses an empty or malformed code (hidden otherwise).
    QLabel* refusal() const { return mRefusal; }

    // Closes the dialog only with a well-formed code (4 letters or digits).
    void accept() override;

private:
    QLineEdit* mEdit;
    QLabel* mRefusal;
};

} // namespace brisalta::ui
