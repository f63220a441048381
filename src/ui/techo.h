// "Simulación techo": the surface temperature and dew point expected, from
// which the ceiling simulation lifts its thermal.
#pragma once

#include <QDialog>

#include <optional>

class QLineEdit;

namespace brisalta::ui {

class Techo : public QDialog {
    Q_OBJECT

public:
    static constexpr int kTemperatureMin = -30; // °C
    static constexpr int kTemperatureMax = 60;
    static constexpr int kDewPointMin = -30;
    static constexpr int kDewPointMax = 50;

    explicit Techo(QWidget* parent = nullptr);

    // The values when both fields hold whole numbers in range.
    std::optional<int> temperature() const;
    std::optional<int> dewPoint() const;

    // The Spanish message for the first field that is not a whole number in
    // range, or an empty text when both are valid.
    QString validationMessage() const;

    QLineEdit* temperatureEdit() const { return mTemperature; }
    QLineEdit* dewPointEdit() const { return mDewPoint; }

    void accept() override;

private:
    QLineEdit* mTemperature;
    QLineEdit* mDewPoint;
};

} // namespace brisalta::ui
