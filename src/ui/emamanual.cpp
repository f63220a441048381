// Manual automatic-station identifier dialog.
#include "ui/emamanual.h"

#include "app/inputchecks.h"
#include "ui/qtext.h"
#include "ui/refusal.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace brisalta::ui {

EMAManual::EMAManual(QWidget* parent)
    : QDialog(parent), mEdit(new QLineEdit(this)), mRefusal(makeRefusalLine(this)) {
    setWindowTitle(tr8("Identificador de EMA"));
    mEdit->setObjectName(QStringLiteral("identificativo"));
    mEdit->setMinimumWidth(120);
    // Letters turn into capitals as they are typed; AEMET's identifiers
    // ("6155A", "B228") are written that way.
    connect(mEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString upper = text.toUpper();
        if (upper != text) {
            const int cursor = mEdit->cursorPosition();
            mEdit->setText(upper);
            mEdit->setCursorPosition(cursor);
        }
    });
    auto* frame = new QGroupBox(tr8("Introducir identificativo"), this);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(mEdit);
    frameLayout->addWidget(mRefusal);
    mRefusal->setMaximumWidth(240);

    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    QPushButton* ok = buttons->addButton(tr8("Aceptar"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    ok->setObjectName(QStringLiteral("ok"));
    buttons->addButton(tr8("Cancelar"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &EMAManual::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons, 0, Qt::AlignVCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString EMAManual::identifier() const { return mEdit->text().toUpper(); }

void EMAManual::accept() {
    if (refuse(mRefusal, automaticStationIdProblem(fromQt(identifier())))) {
        mEdit->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace brisalta::ui
