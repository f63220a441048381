// A drawing canvas that records every operation in device units, for tests
// of the renderers: assert the texts, segments and shapes a picture must
// contain, with the font, colour and pen that were current when they were drawn.
#pragma once

#include "ports/drawingcanvas.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisalta::test {

struct RecordedText {
    int x = 0;
    int y = 0;
    std::string text; // Windows-1252, as drawn
    Font font;
    Rgb colour;
    TextAlign align = TextAlign::LeftTop;
    Point origin; // the canvas origin it was drawn from (see setOrigin)
};

struct RecordedTextBox {
    int left = 0, top = 0, right = 0, bottom = 0;
    std::string text;
    Font font;
    Rgb colour;
    Point origin;
};

struct RecordedSegment {
    Point from;
    Point to;
    Pen pen;
    Point origin;
};

struct RecordedRectangle {
    int left = 0, top = 0, right = 0, bottom = 0;
    Pen pen;
    Brush brush;
};

struct RecordedShape {
    std::vector<Point> points;
    Pen pen;
    Brush brush;
};

struct RecordedImage {
    int left = 0, top = 0, right = 0, bottom = 0;
    std::string name;
};

class RecordingCanvas : public DrawingCanvas {
public:
    // deviceCaps answers these; a 1920 × 1080 screen at 96 dpi by default.
    explicit RecordingCanvas(int horizontal = 1920, int vertical = 1080, int pixelsPerInch = 96);

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

    // Everything drawn, in drawing order.
    std::vector<RecordedText> texts;
    std::vector<RecordedTextBox> textBoxes;
    std::vector<RecordedSegment> segments; // lineTo calls
    std::vector<RecordedRectangle> rectangles;
    std::vector<RecordedShape> polylines;
    std::vector<RecordedShape> polygons;
    std::vector<RecordedImage> images;
    std::vector<Mapping> mappings;  // every setMapping, in order
    int saveCount = 0;              // saveState calls
    int restoreCount = 0;           // restoreState calls that matched a save

    // The current state, as a test may want to check it after drawing.
    Mapping mapping() const { return mState.mapping; }
    const Pen& currentPen() const { return mState.pen; }
    const Font& currentFont() const { return mState.font; }
    int openStates() const { return static_cast<int>(mSaved.size()); }

    // True when nothing at all was drawn.
    bool empty() const;
    // The first text equal to `text` (Windows-1252), or nothing.
    std::optional<RecordedText> findText(std::string_view text) const;
    // Every text equal to `text`, in drawing order.
    std::vector<RecordedText> textsEqualTo(std::string_view text) const;
    // The first text containing `part`, or nothing.
    std::optional<RecordedText> findTextContaining(std::string_view part) const;
    // Every segment drawn in a colour, optionally of one pen style.
    std::vector<RecordedSegment> segmentsOf(Rgb colour) const;
    std::vector<RecordedSegment> segmentsOf(Rgb colour, PenStyle style) const;
    // True when a segment joins a and b (in either direction), in any pen.
    bool hasSegment(Point a, Point b) const;
    // The rectangles drawn with a pen of a colour.
    std::vector<RecordedRectangle> rectanglesOf(Rgb colour) const;
    // Forgets everything drawn (the current state stays).
    void clearRecording();

    // Everything drawn, one line per operation in drawing order, with the pen,
    // brush, font and colour it was drawn in (texts in UTF-8): the picture as a
    // text, for golden files.
    const std::string& dump() const { return mDump; }

private:
    void note(const std::string& line);

    struct State {
        Mapping mapping = Mapping::Screen;
        Point origin;
        Font font;
        Rgb textColour;
        TextAlign align = TextAlign::LeftTop;
        Pen pen{PenStyle::Solid, 1, Rgb{}};
        Brush brush;
    };
    int mHorizontal;
    int mVertical;
    int mPixelsPerInch;
    State mState;
    std::vector<State> mSaved;
    Point mPosition;
    std::string mDump;
};

} // namespace brisalta::test
