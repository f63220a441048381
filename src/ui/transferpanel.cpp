// The panel with "Cancelar" shown while a download runs.
#include "ui/transferpanel.h"

#include "ui/qtext.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace brisalta::ui {
namespace {

bool isUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

bool isInside(QObject* object, const QWidget* panel) {
    for (QObject* o = object; o; o = o->parent()) {
        if (o == panel) {
            return true;
        }
    }
    return false;
}

} // namespace

CTransferPanel::CTransferPanel(std::function<void()> onCancel, QObject* parent)
    : QObject(parent), mOnCancel(std::move(onCancel)) {}

CTransferPanel::~CTransferPanel() {
    end();
}

void CTransferPanel::begin(QWidget* window, int delayMs) {
    end();
    mActive = true;
    mCancelled = false;
    mWindow = window ? window : QApplication::activeWindow();
    qApp->installEventFilter(this);
    const int generation = ++mGeneration;
    QTimer::singleShot(delayMs, this, [this, generation] {
        if (mActive && generation == mGeneration) {
            showPanel();
        }
    });
}

void CTransferPanel::end() {
    if (!mActive) {
        return;
    }
    mActive = false;
    ++mGeneration;
    if (qApp) {
        qApp->removeEventFilter(this);
    }
    if (mPanel) {
        mPanel->hide();
        mPanel->deleteLater();
        mPanel.clear();
    }
}

void CTransferPanel::showPanel() {
    auto* panel = new QWidget(mWindow, Qt::Tool | Qt::FramelessWindowHint);
    panel->setObjectName(QStringLiteral("panelDescarga"));
    panel->setAttribute(Qt::WA_ShowWithoutActivating);
    auto* layout = new QHBoxLayout(panel);
    layout->addWidget(new QLabel(tr8("Descargando datos…"), panel));
    auto* button = new QPushButton(tr8("Cancelar"), panel);
    button->setObjectName(QStringLiteral("cancelarDescarga"));
    button->setToolTip(tr8("Detiene la descarga; lo que hay en pantalla no cambia (Esc)"));
    connect(button, &QPushButton::clicked, this, &CTransferPanel::cancel);
    layout->addWidget(button);
    panel->setAutoFillBackground(true);
    panel->adjustSize();
    if (mWindow) {
        const QRect area = mWindow->window()->geometry();
        panel->move(area.center().x() - panel->width() / 2, area.bottom() - panel->height() - 40);
    }
    panel->show();
    mPanel = panel;
}

void CTransferPanel::cancel() {
    if (!mActive || mCancelled) {
        return;
    }
    mCancelled = true;
    if (mOnCancel) {
        mOnCancel();
    }
}

bool CTransferPanel::eventFilter(QObject* watched, QEvent* event) {
    if (!mActive || !isUserInput(event->type())) {
        return QObject::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        cancel();
        return true;
    }
    // The panel's own button works; everything else waits for the transfer.
    if (mPanel && isInside(watched, mPanel)) {
        return QObject::eventFilter(watched, event);
    }
    return true;
}

} // namespace brisalta::ui
