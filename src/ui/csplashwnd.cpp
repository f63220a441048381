// The download picture.
#include "ui/csplashwnd.h"

#include "ui/icons.h"
#include "ui/qtext.h"

#include <QApplication>
#include <QEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace brisalta::ui {
namespace {

class SplashPicture : public QWidget {
public:
    explicit SplashPicture(QWidget* parent)
        : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
        setAttribute(Qt::WA_DeleteOnClose);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setCursor(Qt::WaitCursor);
        setFixedSize(380, 190);
        setObjectName(QStringLiteral("imagenDescarga"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient sky(0, 0, 0, height());
        sky.setColorAt(0, QColor(40, 110, 200));
        sky.setColorAt(1, QColor(150, 205, 245));
        p.fillRect(rect(), sky);
        paintProgramIcon(p, QRectF(20, 30, 120, 120), QStringLiteral("clouds"), false);
        p.setPen(Qt::white);
        QFont title(QStringLiteral("Liberation Sans"));
        title.setPixelSize(34);
        title.setBold(true);
        p.setFont(title);
        p.drawText(QRectF(150, 40, 220, 50), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Brisalta"));
        QFont body(QStringLiteral("Liberation Sans"));
        body.setPixelSize(17);
        p.setFont(body);
        p.drawText(QRectF(150, 95, 220, 60), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   tr8("Descargando datos…\nUn momento, por favor."));
        p.setPen(QPen(QColor(20, 60, 120), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
};

} // namespace

CSplashWnd::CSplashWnd(QObject* parent) : QObject(parent), mTimer(new QTimer(this)) {
    mTimer->setSingleShot(true);
    connect(mTimer, &QTimer::timeout, this, &CSplashWnd::hideSplash);
}

CSplashWnd::~CSplashWnd() {
    if (qApp) {
        qApp->removeEventFilter(this);
    }
    if (mWindow) {
        mWindow->close();
    }
}

void CSplashWnd::showSplash(QWidget* parent, int mode) {
    if (!mEnabled || mWindow) {
        return;
    }
    mMode = mode;
    mParent = parent;
    auto* window = new SplashPicture(parent);
    mWindow = window;
    const QRect area = parent ? parent->window()->geometry()
                              : (QGuiApplication::primaryScreen()
                                     ? QGuiApplication::primaryScreen()->availableGeometry()
                                     : QRect(0, 0, 800, 600));
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
    window->show();
    window->repaint();
    qApp->installEventFilter(this);
    mTimer->start(mDuration);
}

void CSplashWnd::hideSplash() {
    mTimer->stop();
    if (qApp) {
        qApp->removeEventFilter(this);
    }
    if (mWindow) {
        mWindow->close();
        mWindow.clear();
    }
    if (mParent) {
        mParent->window()->update();
    }
}

bool CSplashWnd::eventFilter(QObject* watched, QEvent* event) {
    // The download's "Cancelar" button works even while the picture shows.
    const auto* widget = qobject_cast<QWidget*>(watched);
    const bool onTransferPanel =
        widget && widget->window()->objectName() == QLatin1String("panelDescarga");
    if (mWindow && !onTransferPanel) {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::NonClientAreaMouseButtonPress:
            hideSplash();
            return true; // the press only hides the picture
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace brisalta::ui
