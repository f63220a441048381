// Manual sounding station dialog.
#include "ui/csondeomanual.h"

#include "app/inputchecks.h"
#include "ui/qtext.h"
#include "ui/refusal.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace brisalta::ui {

CSondeoManual::CSondeoManual(QWidget* parent)
    : QDialog(parent), mEdit(new QLineEdit(this)), mRefusal(makeRefusalLine(this)) {
    setWindowTitle(tr8("Sondeo"));
    auto* frame = new QGroupBox(tr8("Estación"), this);
    auto* frameLayout = new QVBoxLayout(frame);
    mEdit->setMaxLength(5);
    mEdit->setObjectName(QStringLiteral("numeroEstacion"));
    frameLayout->addWidget(mEdit);
    frameLayout->addWidget(mRefusal);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr8("Aceptar"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr8("Cancelar"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSondeoManual::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    mRefusal->setMaximumWidth(260);
}

QString CSondeoManual::number() const { return mEdit->text().left(5); }

void CSondeoManual::accept() {
    if (refuse(mRefusal, typedSoundingStationProblem(fromQt(number())))) {
        mEdit->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace brisalta::ui
