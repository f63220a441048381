// Manual automatic-station identifier dialog.
#include "ui/emamanual.h"

#include "ui/qtext.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace brisalta::ui {

EMAManual::EMAManual(QWidget* parent) : QDialog(parent), mEdit(new QLineEdit(this)) {
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

    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    QPushButton* ok = buttons->addButton(tr8("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    ok->setObjectName(QStringLiteral("ok"));
    buttons->addButton(tr8("Cancel"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons, 0, Qt::AlignVCenter);
    setFixedSize(sizeHint());
}

QString EMAManual::identifier() const { return mEdit->text().toUpper(); }

} // namespace brisalta::ui
