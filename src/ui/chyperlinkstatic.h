// A web address shown as a link: blue text, the hand cursor over it, and a
// left click opens the address in the desktop's web browser.
#pragma once

#include <QLabel>
#include <QUrl>

namespace brisalta::ui {

class CHyperlinkStatic : public QLabel {
    Q_OBJECT

public:
    CHyperlinkStatic(const QUrl& address, QWidget* parent = nullptr);

    QUrl address() const { return mAddress; }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QUrl mAddress;
};

} // namespace brisalta::ui
