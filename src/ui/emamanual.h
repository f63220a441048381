// "Identificador de EMA": the identifier of an automatic station typed by hand,
// opened from the station dialog's "Manual" button.
#pragma once

#include <QDialog>

class QLineEdit;

namespace brisalta::ui {

class EMAManual : public QDialog {
    Q_OBJECT

public:
    explicit EMAManual(QWidget* parent = nullptr);

    // The identifier as typed, in capitals. Nothing is checked: an empty one
    // is accepted too, and the service answers for it.
    QString identifier() const;

    QLineEdit* edit() const { return mEdit; }

private:
    QLineEdit* mEdit;
};

} // namespace brisalta::ui
