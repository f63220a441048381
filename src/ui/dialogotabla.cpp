// The hourly table dialog.
#include "ui/dialogotabla.h"

#include "ui/qtext.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

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
    // Wide enough for the whole second header line, as far as the screen allows.
    const int needed = mLine2->fontMetrics().horizontalAdvance(mLine2->text()) + 60;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().width() * 9 / 10 : needed;
    resize(std::max(width(), std::min(needed, room)), height());
}

} // namespace brisalta::ui
