// Ceiling simulation dialog with its range checks.
#include "ui/techo.h"

#include "ui/messagebox.h"
#include "ui/qtext.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace brisalta::ui {
namespace {

std::optional<int> wholeNumber(const QLineEdit* edit) {
    bool ok = false;
    const int value = edit->text().trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<int> inRange(const QLineEdit* edit, int minimum, int maximum) {
    const std::optional<int> value = wholeNumber(edit);
    if (!value || *value < minimum || *value > maximum) {
        return std::nullopt;
    }
    return value;
}

QString messageFor(const QLineEdit* edit, int minimum, int maximum) {
    if (!wholeNumber(edit)) {
        return tr8("Introduzca un número entero.");
    }
    if (!inRange(edit, minimum, maximum)) {
        return tr8("Introduzca un número entero entre %1 y %2.").arg(minimum).arg(maximum);
    }
    return {};
}

} // namespace

Techo::Techo(QWidget* parent)
    : QDialog(parent), mTemperature(new QLineEdit(QStringLiteral("0"), this)),
      mDewPoint(new QLineEdit(QStringLiteral("0"), this)) {
    setWindowTitle(tr8("Simulación techo"));
    mTemperature->setObjectName(QStringLiteral("temperatura"));
    mDewPoint->setObjectName(QStringLiteral("puntoRocio"));
    mTemperature->selectAll();

    auto* fields = new QFormLayout;
    fields->addRow(tr8("Temperatura (ºC)"), mTemperature);
    fields->addRow(tr8("Punto de rocío (ºC)"), mDewPoint);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr8("Simular"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr8("Cancelar"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &Techo::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    setMinimumWidth(300);
}

std::optional<int> Techo::temperature() const {
    return inRange(mTemperature, kTemperatureMin, kTemperatureMax);
}

std::optional<int> Techo::dewPoint() const { return inRange(mDewPoint, kDewPointMin, kDewPointMax); }

QString Techo::validationMessage() const {
    const QString first = messageFor(mTemperature, kTemperatureMin, kTemperatureMax);
    return first.isEmpty() ? messageFor(mDewPoint, kDewPointMin, kDewPointMax) : first;
}

void Techo::accept() {
    const QString message = validationMessage();
    if (!message.isEmpty()) {
        QLineEdit* wrong = messageFor(mTemperature, kTemperatureMin, kTemperatureMax).isEmpty()
                               ? mDewPoint
                               : mTemperature;
        showMessageBox(this, message, QMessageBox::Warning);
        wrong->setFocus();
        wrong->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace brisalta::ui
