// The 2-D drawing target of the graph, the sounding diagram and the printout:
// the window, a printer, a PNG, SVG or PDF file, or a recording in the tests.
// Every coordinate is in device units of the current mapping; the renderers
// convert their design units before they call. Texts are Windows-1252.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brisalta {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

enum class DeviceCap {
    HorizontalResolution, // pixels across the whole screen (or page)
    VerticalResolution,   // pixels down the whole screen (or page)
    LogicalPixelsPerInch, // 96 on an ordinary screen
};

enum class Mapping {
    Screen, // one unit per device pixel, Y downward
    Print,  // one unit per 0.01 inch, Y downward from the origin
};

enum class PenStyle { Solid, Dotted };

// Width 0 is the thinnest line the device draws, whatever the mapping.
struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 0; // units of the current mapping
    Rgb colour;
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    Rgb colour{255, 255, 255};
    friend bool operator==(const Brush&, const Brush&) = default;
};

inline constexpr int kNormalWeight = 400;
inline constexpr int kSemiBoldWeight = 600;

// Height is the height of a line of text (cell height) in units of the current
// mapping; italic, underline and escapement are never used.
struct Font {
    std::string face; // "Times New Roman", "Ms Sans Serif"
    int height = 0;
    int weight = kNormalWeight;
    friend bool operator==(const Font&, const Font&) = default;
};

// Which point of the text textOut places at (x, y).
enum class TextAlign { LeftTop, CentreTop, RightTop };

// The canvas keeps a current font, text colour, pen, brush, text alignment,
// mapping and origin; saveState/restoreState push and pop all of them. A fresh
// canvas has the screen mapping, origin (0, 0), a black solid pen of width 1,
// a white brush, black text and left/top alignment.
class DrawingCanvas {
public:
    virtual ~DrawingCanvas() = default;

    virtual int deviceCaps(DeviceCap which) const = 0;

    virtual void setMapping(Mapping mapping) = 0;
    // Moves the origin of the coordinates to (x, y), in units of the current
    // mapping measured from the device's top-left corner. The printout places
    // the graph's design origin on the page with it.
    virtual void setOrigin(int x, int y) = 0;

    virtual void saveState() = 0;
    // Restores the state of the matching saveState; without one, nothing changes.
    virtual void restoreState() = 0;

    virtual void selectFont(const Font& font) = 0;
    virtual void setTextColor(Rgb colour) = 0;
    virtual void setTextAlign(TextAlign align) = 0;
    // Draws one line of text at (x, y) by the current alignment (top-left by
    // default) on an opaque white background.
    virtual void textOut(int x, int y, std::string_view text) = 0;
    // Draws text left-aligned from the top of the rectangle, breaking lines at
    // word boundaries and at the text's own line breaks; clipped to the rectangle.
    virtual void drawTextInRect(int left, int top, int right, int bottom, std::string_view text) = 0;

    virtual void selectPen(const Pen& pen) = 0;
    virtual void selectBrush(const Brush& brush) = 0;

    virtual void moveTo(int x, int y) = 0;
    // Draws from the current position to (x, y) with the current pen and makes
    // (x, y) the current position.
    virtual void lineTo(int x, int y) = 0;
    // Outline with the current pen, inside filled with the current brush; the
    // right and bottom edges are exclusive, as on the original devices.
    virtual void rectangle(int left, int top, int right, int bottom) = 0;
    // Open outline with the current pen.
    virtual void polyline(const std::vector<Point>& points) = 0;
    // Closed shape: outline with the current pen, filled with the current brush.
    virtual void polygon(const std::vector<Point>& points) = 0;

    // Draws a small named picture scaled into the rectangle. An unknown name
    // draws nothing.
    virtual void drawImage(int left, int top, int right, int bottom, std::string_view name) = 0;

    // Convenience: moveTo then lineTo.
    void line(int x1, int y1, int x2, int y2) {
        moveTo(x1, y1);
        lineTo(x2, y2);
    }
    void line(Point from, Point to) { line(from.x, from.y, to.x, to.y); }
};

} // namespace brisalta
