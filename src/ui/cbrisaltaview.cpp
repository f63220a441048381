// Paints the graph or the sounding through QtCanvas.
#include "ui/cbrisaltaview.h"

#include "graph/graphrenderer.h"
#include "render/renderfile.h"
#include "session/sessionstate.h"
#include "diagram/soundingdiagram.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace brisalta::ui {
namespace {

constexpr int kUsedDesignHeight = 515;

} // namespace

CBrisaltaView::CBrisaltaView(SessionState& session, QWidget* parent)
    : QWidget(parent), mSession(session) {
    setObjectName(QStringLiteral("vista"));
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    refreshSize();
}

VirtualScreen CBrisaltaView::screenMetrics() const {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) {
        return {};
    }
    const QSize size = s->geometry().size();
    const int dpi = qRound(s->logicalDotsPerInch());
    return VirtualScreen{size.width(), size.height(), dpi > 0 ? dpi : 96};
}

QSize CBrisaltaView::sizeHint() const {
    RenderOptions options;
    options.screen = screenMetrics();
    options.drawScale = mSession.view.drawScale;
    // Both pictures leave the bottom sixth of their 800 x 600 layout empty (the
    // lowest labels end near 500), so the view stops there and a maximized
    // window on a 1920 x 1080 screen needs no scroll bar.
    options.designHeight = kUsedDesignHeight;
    return pictureSize(options);
}

void CBrisaltaView::refreshSize() { setFixedSize(sizeHint()); }

void CBrisaltaView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.translate(RenderOptions{}.margin, RenderOptions{}.margin);
    const bool graph = mSession.view.graphShown || mSession.view.emaGraphShown;
    // An empty view (the window's first frame) needs no canvas: the fonts of
    // the pictures are loaded by the first picture, not by the start.
    if (graph || mSession.view.soundingShown) {
        // The pictures were prepared by the command that put them on screen;
        // a repaint only draws them. A sounding that cannot be drawn is
        // reported by that command, never from a repaint.
        QtCanvas canvas(painter, screenMetrics());
        const PageMapping mapping = PageMapping::screen(mSession.view.drawScale);
        if (graph) {
            paintGraph(canvas, mSession.view.pictures.graph, mapping);
        } else {
            paintSounding(canvas, mSession.view.pictures.sounding, mapping);
        }
    }
    emit painted();
}

} // namespace brisalta::ui
