// Manual sounding station dialog.
#include "ui/csondeomanual.h"

#include "ui/qtext.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace brisalta::ui {

CSondeoManual::CSondeoManual(QWidget* parent) : QDialog(parent), mEdit(new QLineEdit(this)) {
    setWindowTitle(tr8("Sondeo"));
    auto* frame = new QGroupBox(tr8("Estación"), this);
    auto* frameLayout = new QVBoxLayout(frame);
    mEdit->setMaxLength(5);
    mEdit->setObjectName(QStringLiteral("numeroEstacion"));
    frameLayout->addWidget(mEdit);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr8("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr8("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}

QString CSondeoManual::number() const { return mEdit->text().left(5); }

} // namespace brisalta::ui
