// Link label.
#include "ui/chyperlinkstatic.h"

#include <QDesktopServices>
#include <QMouseEvent>

namespace brisalta::ui {

CHyperlinkStatic::CHyperlinkStatic(const QUrl& address, QWidget* parent)
    : QLabel(address.toString(), parent), mAddress(address) {
    setObjectName(QStringLiteral("enlaceWeb"));
    setTextFormat(Qt::PlainText);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(colours);
    setAutoFillBackground(false);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed); // the hand shows over the text only
}

void CHyperlinkStatic::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
        QDesktopServices::openUrl(mAddress);
        event->accept();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

} // namespace brisalta::ui
