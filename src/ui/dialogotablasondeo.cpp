// The sounding table dialog.
#include "ui/dialogotablasondeo.h"

#include "ui/qtext.h"

#include <QLineEdit>
#include <QVBoxLayout>

namespace brisalta::ui {

DialogoTablaSondeo::DialogoTablaSondeo(const DataTable& table, TableDialogActions actions,
                                       QWidget* parent)
    : TableDialog(table, std::move(actions), 443, 259, parent),
      mTitle(new QLineEdit(toQt(table.title), this)) {
    mTitle->setObjectName(QStringLiteral("titulo"));
    mTitle->setReadOnly(true);
    mTitle->setAlignment(Qt::AlignCenter);
    mTitle->setCursorPosition(0);
    topArea()->addWidget(mTitle);
}

} // namespace brisalta::ui
