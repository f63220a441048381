// Paints the graph or the sounding through QtCanvas, fitted to the view.
#include "ui/cbrisaltaview.h"

#include "ceilinghours/ceilinghourspicture.h"
#include "app/statusline.h"
#include "diagram/soundingdiagram.h"
#include "diagram/soundingreadout.h"
#include "graph/graphgeometry.h"
#include "graph/graphreadout.h"
#include "graph/graphrenderer.h"
#include "render/renderfile.h"
#include "session/sessionstate.h"
#include "ui/qtext.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

#include <algorithm>

namespace brisalta::ui {
namespace {

// Both pictures leave the bottom sixth of their 800 x 600 layout empty (the
// lowest labels end near 500), so the drawing stops there.
constexpr int kUsedDesignHeight = 515;

bool graphOnScreen(const SessionState& s) { return s.view.graphShown || s.view.emaGraphShown; }

} // namespace

CBrisaltaView::CBrisaltaView(SessionState& session, QWidget* parent)
    : QWidget(parent), mSession(session) {
    setObjectName(QStringLiteral("vista"));
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
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

QSize CBrisaltaView::pictureSize() const {
    RenderOptions options;
    options.screen = screenMetrics();
    options.drawScale = mSession.view.drawScale;
    options.designHeight = kUsedDesignHeight;
    return brisalta::pictureSize(options);
}

QSize CBrisaltaView::sizeHint() const { return pictureSize(); }

QSize CBrisaltaView::minimumSizeHint() const { return QSize(200, 150); }

double CBrisaltaView::fitScale() const {
    const QSize picture = pictureSize();
    if (picture.isEmpty() || width() <= 0 || height() <= 0) {
        return 1.0;
    }
    return std::min(static_cast<double>(width()) / picture.width(),
                    static_cast<double>(height()) / picture.height());
}

QPointF CBrisaltaView::fitOrigin() const {
    // Centred across, from the top down.
    const double left = (width() - pictureSize().width() * fitScale()) / 2.0;
    return QPointF(std::max(0.0, left), 0.0);
}

std::optional<QPointF> CBrisaltaView::designPointAt(const QPointF& viewPoint) const {
    const double scale = fitScale();
    if (scale <= 0.0) {
        return std::nullopt;
    }
    const QPointF inPicture = (viewPoint - fitOrigin()) / scale;
    const QSize picture = pictureSize();
    if (inPicture.x() < 0 || inPicture.y() < 0 || inPicture.x() > picture.width() ||
        inPicture.y() > picture.height()) {
        return std::nullopt;
    }
    const VirtualScreen s = screenMetrics();
    const GraphFactors f = screenFactors(s.width, s.height, s.dpi, mSession.view.drawScale);
    const double margin = RenderOptions{}.margin;
    return QPointF((inPicture.x() - margin) / (f.sx * f.d * f.s),
                   (inPicture.y() - margin) / (f.sy * f.d * f.s));
}

QString CBrisaltaView::readoutAt(const QPointF& viewPoint) const {
    const std::optional<QPointF> design = designPointAt(viewPoint);
    if (!design) {
        return {};
    }
    if (graphOnScreen(mSession)) {
        if (const auto r = graphReadoutAt(mSession.view.pictures.graph, design->x(), design->y())) {
            return toQt(graphReadoutText(*r));
        }
    } else if (mSession.view.soundingShown) {
        if (const auto r =
                soundingReadoutAt(mSession.view.pictures.sounding, design->x(), design->y())) {
            return toQt(soundingReadoutText(*r));
        }
    }
    return {};
}

QStringList CBrisaltaView::startLines() {
    QStringList lines;
    for (const std::string& line : startViewLines()) {
        lines << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    }
    return lines;
}

void CBrisaltaView::refreshSize() { updateGeometry(); }

void CBrisaltaView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const bool graph = graphOnScreen(mSession);
    if (!graph && !mSession.view.soundingShown && !mSession.view.ceilingHoursShown) {
        paintStartView(painter);
        emit painted();
        return;
    }
    painter.translate(fitOrigin());
    painter.scale(fitScale(), fitScale());
    painter.translate(RenderOptions{}.margin, RenderOptions{}.margin);
    {
        // The pictures were prepared by the command that put them on screen;
        // a repaint only draws them. A sounding that cannot be drawn is
        // reported by that command, never from a repaint.
        QtCanvas canvas(painter, screenMetrics());
        const PageMapping mapping = PageMapping::screen(mSession.view.drawScale);
        if (graph) {
            paintGraph(canvas, mSession.view.pictures.graph, mapping);
        } else if (mSession.view.soundingShown) {
            paintSounding(canvas, mSession.view.pictures.sounding, mapping);
        } else if (mSession.view.ceilingHoursShown) {
            paintCeilingHours(canvas, mSession.view.pictures.ceilingHours, mapping);
        }
    }
    emit painted();
}

void CBrisaltaView::paintStartView(QPainter& painter) {
    QFont font = painter.font();
    font.setPointSizeF(font.pointSizeF() * 1.1);
    painter.setFont(font);
    painter.setPen(QColor(70, 70, 70));
    const QRect area = rect().adjusted(width() / 16, height() / 3, -width() / 16, 0);
    painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     startLines().join(QLatin1Char('\n')));
}

void CBrisaltaView::mouseMoveEvent(QMouseEvent* event) {
    const QString text = readoutAt(event->position());
    if (text.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(event->globalPosition().toPoint(), text, this);
    }
    QWidget::mouseMoveEvent(event);
}

void CBrisaltaView::leaveEvent(QEvent* event) {
    QToolTip::hideText();
    QWidget::leaveEvent(event);
}

} // namespace brisalta::ui
