// About box.
#include "ui/acercade.h"

#include "ui/chyperlinkstatic.h"
#include "ui/dialogunits.h"
#include "ui/icons.h"
#include "ui/qtext.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace brisalta::ui {

AcercaDe::AcercaDe(QWidget* parent)
    : QDialog(parent), mLink(new CHyperlinkStatic(QUrl(tr8(kProjectWebAddress)), this)) {
    setWindowTitle(tr8("Acerca de Brisalta"));
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icono"));
    icon->setPixmap(programIcon(QStringLiteral("brisalta")).pixmap(32, 32));
    auto* version = new QLabel(tr8("Brisalta Versión ") + tr8(kShownVersion), this);
    version->setObjectName(QStringLiteral("version"));

    auto* web = new QHBoxLayout;
    web->addWidget(new QLabel(tr8("Web:"), this));
    web->addWidget(mLink);
    web->addStretch(1);
    auto* texts = new QVBoxLayout;
    texts->addWidget(version);
    texts->addLayout(web);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr8("Aceptar"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, Qt::AlignTop);
    layout->addLayout(texts, 0, 1);
    layout->addWidget(buttons, 0, 2, Qt::AlignTop);
    resize(dialogUnitsToPixels(*this, 228, 55).expandedTo(minimumSizeHint()));
}

} // namespace brisalta::ui
