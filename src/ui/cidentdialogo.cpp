// Manual ICAO code dialog.
#include "ui/cidentdialogo.h"

#include "app/inputchecks.h"
#include "ui/qtext.h"
#include "ui/refusal.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace brisalta::ui {

CIdentDialogo::CIdentDialogo(QWidget* parent)
    : QDialog(parent), mEdit(new QLineEdit(this)), mRefusal(makeRefusalLine(this)) {
    setWindowTitle(tr8("Elección manual"));
    auto* frame = new QGroupBox(tr8("Identificador"), this);
    auto* frameLayout = new QVBoxLayout(frame);
    mEdit->setMaxLength(4);
    mEdit->setObjectName(QStringLiteral("identificador"));
    frameLayout->addWidget(mEdit);
    // Letters turn into capitals as they are typed.
    connect(mEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString upper = text.toUpper();
        if (upper != text) {
            const int cursor = mEdit->cursorPosition();
            mEdit->setText(upper);
            mEdit->setCursorPosition(cursor);
        }
    });

    frameLayout->addWidget(mRefusal);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr8("Aceptar"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr8("Cancelar"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CIdentDialogo::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    mRefusal->setMaximumWidth(260);
}

QString CIdentDialogo::code() const { return mEdit->text().toUpper().left(4); }

void CIdentDialogo::accept() {
    if (refuse(mRefusal, icaoCodeProblem(fromQt(code())))) {
        mEdit->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace brisalta::ui
