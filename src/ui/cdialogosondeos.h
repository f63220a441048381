// "Sondeos": the date and hour of the sounding of a station already chosen.
#pragma once

#include <QDate>
#include <QDialog>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;

namespace brisalta::ui {

class CDialogoSondeos : public QDialog {
    Q_OBJECT

public:
    // stationText fills the read-only station field; the picker opens on today.
    CDialogoSondeos(const QString& stationText, const QDate& today, QWidget* parent = nullptr);

    QDate date() const;
    // 0 for "00Z", 1 for "12Z".
    int hourIndex() const;

    QDateEdit* datePicker() const { return mDate; }
    QComboBox* hourCombo() const { return mHour; }
    QLineEdit* stationField() const { return mStation; }
    // The sentence that refuses a date after today (hidden otherwise).
    QLabel* refusal() const { return mRefusal; }

    // "Ver Sondeo": closes the dialog only with a date that can have a sounding.
    void accept() override;

private:
    QDateEdit* mDate;
    QComboBox* mHour;
    QLineEdit* mStation;
    QLabel* mRefusal;
    QDate mToday;
};

} // namespace brisalta::ui
