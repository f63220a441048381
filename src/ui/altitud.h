// "Altitud": asks for the altitude of a station whose source did not give it,
// so that the pressure curve can be switched between QNH and station pressure.
#pragma once

#include <QDialog>

#include <optional>

class QLineEdit;

namespace brisalta::ui {

class Altitud : public QDialog {
    Q_OBJECT

public:
    static constexpr int kMinimum = -3000; // m
    static constexpr int kMaximum = 8000;  // m

    explicit Altitud(QWidget* parent = nullptr);

    // The altitude in metres when the field holds a whole number in range.
    std::optional<int> altitude() const;

    // The Spanish message for a field that is not a whole number in range, or an
    // empty text when it is valid.
    QString validationMessage() const;

    QLineEdit* edit() const { return mEdit; }

    void accept() override;

private:
    QLineEdit* mEdit;
};

} // namespace brisalta::ui
