// "Identificador de EMA": the identifier of an automatic station typed by hand,
// opened from the station dialog's "Manual" button.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace brisalta::ui {

class EMAManual : public QDialog {
    Q_OBJECT

public:
    explicit EMAManual(QWidget* parent = nullptr);

    // The identifier as typed, in capitals.
    QString identifier() const;

    QLineEdit* edit() const { return mEdit; }
    // The sentence that refuses an empty or malformed identifier (hidden otherwise).
    QLabel* refusal() const { return mRefusal; }

    // Closes the dialog only with an identifier of letters and digits: it
    // travels inside the query's address.
    void accept() override;

private:
    QLineEdit* mEdit;
    QLabel* mRefusal;
};

} // namespace brisalta::ui
