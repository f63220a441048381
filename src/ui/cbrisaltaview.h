// The view in the middle of the main window. It draws, from the display flags
// alone, the 24-hour graph, the sounding diagram or "Techo por horas"; with no
// flag set it shows how to begin. The drawing is laid out for the whole screen,
// as the program always did, and then scaled to fit the view, keeping its
// proportions, so that no window size needs scroll bars. While the pointer
// rests on a picture a read-out shows the values under it.
#pragma once

#include "render/qtcanvas.h"

#include <QPointF>
#include <QWidget>

#include <optional>

namespace brisalta {
struct SessionState;
}

namespace brisalta::ui {

class CBrisaltaView : public QWidget {
    Q_OBJECT

public:
    explicit CBrisaltaView(SessionState& session, QWidget* parent = nullptr);

    // The screen the drawing is laid out for: the one the view is on.
    VirtualScreen screenMetrics() const;

    // The size of the drawing as laid out for that screen (before fitting).
    QSize pictureSize() const;

    // How the drawing is fitted into the view: its scale (1 = as laid out) and
    // where its top-left corner lands.
    double fitScale() const;
    QPointF fitOrigin() const;

    // The design point (800 × 600 units) under a point of the view, for the
    // picture on screen; nothing outside the drawing.
    std::optional<QPointF> designPointAt(const QPointF& viewPoint) const;

    // The read-out at a point of the view: that hour's values on the graph,
    // the level's values on the sounding; empty elsewhere.
    QString readoutAt(const QPointF& viewPoint) const;

    // The two lines shown while nothing is on screen.
    static QStringList startLines();

    // Kept for the window: the drawing follows the view's size by itself.
    void refreshSize();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // Emitted after every paint.
    void painted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void paintStartView(QPainter& painter);

    SessionState& mSession;
};

} // namespace brisalta::ui
