// "Sondeo": the number of a sounding station that is not in the menus.
#pragma once

#include <QDialog>

class QLineEdit;

namespace brisalta::ui {

class CSondeoManual : public QDialog {
    Q_OBJECT

public:
    explicit CSondeoManual(QWidget* parent = nullptr);

    // The number as typed, at most 5 characters.
    QString number() const;

    QLineEdit* edit() const { return mEdit; }

private:
    QLineEdit* mEdit;
};

} // namespace brisalta::ui
