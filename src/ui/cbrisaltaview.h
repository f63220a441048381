// The view in the middle of the main window. It draws, from the display flags
// alone, the 24-hour graph, the sounding diagram or "Techo por horas"; with no
// flag set it stays blank. The drawing is laid out for the whole screen, as the
// program always did, so the view is as large as that layout and scrolls in a
// small window.
#pragma once

#include "render/qtcanvas.h"

#include <QWidget>

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

    // Resizes the view to the drawing's extent on the current screen.
    void refreshSize();

    QSize sizeHint() const override;

signals:
    // Emitted after every paint.
    void painted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SessionState& mSession;
};

} // namespace brisalta::ui
