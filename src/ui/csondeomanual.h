// "Sondeo": the number of a sounding station that is not in the menus.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace brisalta::ui {

class CSondeoManual : public QDialog {
    Q_OBJECT

public:
    explicit CSondeoManual(QWidget* parent = nullptr);

    // The number as typed, at most 5 characters.
    QString number() const;

    QLineEdit* edit() const { return mEdit; }
    // The sentence that refuses an empty or malformed number (hidden otherwise).
    QLabel* refusal() const { return mRefusal; }

    // Closes the dialog only with a station number of 5 digits.
    void accept() override;

private:
    QLineEdit* mEdit;
    QLabel* mRefusal;
};

} // namespace brisalta::ui
