// The drawing canvas over any Qt paint device: the window, a QImage for PNG,
// a QSvgGenerator for SVG, a QPdfWriter or a printer. Texts arrive as
// Windows-1252 and the fonts the program asks for by their Windows names are
// mapped to the metric-compatible Liberation faces.
#pragma once

#include "ports/drawingcanvas.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QTransform>

#include <string>
#include <vector>

namespace brisalta {

// The screen a drawing is laid out for. The renderers size the picture from
// the whole screen's resolution and its logical pixels per inch, so a picture
// drawn without a real screen (a file, a test) answers from one of these.
struct VirtualScreen {
    int width = 1920;
    int height = 1080;
    int dpi = 96;
};

class QtCanvas final : public DrawingCanvas {
public:
    // Draws with a painter that is already active on its device. deviceCaps
    // answer from `screen`; the print mapping uses the device's own dots per
    // inch. The painter's transform at construction is the base of both
    // mappings. The painter's state is restored when the canvas goes away.
    QtCanvas(QPainter& painter, const VirtualScreen& screen);
    ~QtCanvas() override;
    QtCanvas(const QtCanvas&) = delete;
    QtCanvas& operator=(const QtCanvas&) = delete;

    int deviceCaps(DeviceCap which) const override;
    void setMapping(Mapping mapping) override;
    void setOrigin(int x, int y) override;
    void saveState() override;
    void restoreState() override;
    void selectFont(const Font& font) override;
    void setTextColor(Rgb colour) override;
    void setTextAlign(TextAlign align) override;
    void textOut(int x, int y, std::string_view text) override;
    void drawTextInRect(int left, int top, int right, int bottom, std::string_view text) override;
    void selectPen(const Pen& pen) override;
    void selectBrush(const Brush& brush) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void polyline(const std::vector<Point>& points) override;
    void polygon(const std::vector<Point>& points) override;
    void drawImage(int left, int top, int right, int bottom, std::string_view name) override;

    // Makes a picture available to drawImage under a name, for every canvas
    // of the process. Without a registered picture, drawImage looks for the Qt
    // resource ":/pictures/<name>" and then ":/<name>".
    static void registerPicture(const std::string& name, const QImage& picture);

    // The Qt font for a canvas font: the Windows face names mapped to the
    // installed Liberation faces, and the pixel size chosen so that a line of
    // text is `height` units tall, as the program's layouts expect.
    static QFont qtFont(const Font& font);
    static QString qtText(std::string_view cp1252);

private:
    struct State {
        Mapping mapping = Mapping::Screen;
        QPoint origin;
        Font font;
        Rgb textColour;
        TextAlign align = TextAlign::LeftTop;
        Pen pen{PenStyle::Solid, 1, Rgb{}};
        Brush brush;
    };

    void applyState();
    void applyTransform();
    void usePenForGeometry();

    QPainter& mPainter;
    VirtualScreen mScreen;
    QTransform mBase;
    State mState;
    std::vector<State> mSaved;
    QFont mQtFont;
    QPoint mPosition;
};

} // namespace brisalta
