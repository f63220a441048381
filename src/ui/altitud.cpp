// Altitude dialog with its range check.
#include "ui/altitud.h"

#include "ui/messagebox.h"
#include "ui/qtext.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace brisalta::ui {

Altitud::Altitud(QWidget* parent) : QDialog(parent), mEdit(new QLineEdit(QStringLiteral("0"), this)) {
    setWindowTitle(tr8("Altitud en mts. si se conoce..."));
    mEdit->setObjectName(QStringLiteral("altitud"));
    mEdit->selectAll();
    // The question is asked inside the dialog, next to its field, not only in
    // the title bar a window manager may cut short.
    auto* question = new QLabel(tr8("Altitud de la estación en metros, si se conoce "
                                    "(de %1 a %2):").arg(kMinimum).arg(kMaximum),
                                this);
    question->setObjectName(QStringLiteral("pregunta"));
    question->setWordWrap(true);
    question->setBuddy(mEdit);
    auto* frame = new QGroupBox(this);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(question);
    frameLayout->addWidget(mEdit);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr8("Aceptar"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr8("Cancelar"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &Altitud::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);
    setMinimumWidth(280);
}

std::optional<int> Altitud::altitude() const {
    bool ok = false;
    const int value = mEdit->text().trimmed().toInt(&ok);
    if (!ok || value < kMinimum || value > kMaximum) {
        return std::nullopt;
    }
    return value;
}

QString Altitud::validationMessage() const {
    if (altitude()) {
        return {};
    }
    return tr8("Introduzca un número entero entre %1 y %2.").arg(kMinimum).arg(kMaximum);
}

void Altitud::accept() {
    const QString message = validationMessage();
    if (!message.isEmpty()) {
        showMessageBox(this, message, QMessageBox::Warning);
        mEdit->setFocus();
        mEdit->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace brisalta::ui
