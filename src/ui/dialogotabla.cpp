// The hourly table dialog.
#include "ui/dialogotabla.h"

#include "ui/qtext.h"

#include <QLineEdit>
#include <QVBoxLayout>

namespace brisalta::ui {
namespace {

QLineEdit* readOnlyLine(const std::string& text, Qt::Alignment alignment, const char* name,
                        QWidget* parent) {
    auto* edit = new QLineEdit(toQt(text), parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    edit->setAlignment(alignment);
    edit->setCursorPosition(0);
    return edit;
}

} // namespace

DialogoTabla::DialogoTabla(const DataTable& table, TableDialogActions actions, QWidget* parent)
    : TableDialog(table, std::move(actions), 428, 283, parent),
      mLine1(readOnlyLine(table.headerLine1, Qt::AlignCenter, "cabecera1", this)),
      mLine2(readOnlyLine(table.headerLine2, Qt::AlignLeft, "cabecera2", this)) {
    topArea()->addWidget(mLine1);
    topArea()->addWidget(mLine2);
}

} // namespace brisalta::ui
