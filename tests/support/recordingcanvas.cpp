// Recording canvas for renderer tests.
#include "support/recordingcanvas.h"

#include "text/codepage.h"
#include "text/format.h"

#include <algorithm>
#include <iterator>

namespace brisalta::test {
namespace {

std::string colourText(Rgb c) { return text::format("#%02x%02x%02x", c.red, c.green, c.blue); }

std::string penText(const Pen& p) {
    return text::format("%s/%d/", p.style == PenStyle::Solid ? "solid" : "dotted", p.width) +
           colourText(p.colour);
}

std::string fontText(const Font& f) { return f.face + text::format("/%d/%d", f.height, f.weight); }

std::string pointsText(const std::vector<Point>& points) {
    std::string out;
    for (const Point& p : points) {
        out += text::format(" %d,%d", p.x, p.y);
    }
    return out;
}

const char* alignText(TextAlign a) {
    switch (a) {
    case TextAlign::CentreTop:
        return "ct";
    case TextAlign::RightTop:
        return "rt";
    case TextAlign::LeftTop:
        break;
    }
    return "lt";
}

} // namespace

void RecordingCanvas::note(const std::string& line) {
    mDump += line;
    mDump += '\n';
}

RecordingCanvas::RecordingCanvas(int horizontal, int vertical, int pixelsPerInch)
    : mHorizontal(horizontal), mVertical(vertical), mPixelsPerInch(pixelsPerInch) {}

int RecordingCanvas::deviceCaps(DeviceCap which) const {
    switch (which) {
    case DeviceCap::HorizontalResolution:
        return mHorizontal;
    case DeviceCap::VerticalResolution:
        return mVertical;
    case DeviceCap::LogicalPixelsPerInch:
        return mPixelsPerInch;
    }
    return 0;
}

void RecordingCanvas::setMapping(Mapping mapping) {
    mState.mapping = mapping;
    mappings.push_back(mapping);
    note(mapping == Mapping::Print ? "mapping print" : "mapping screen");
}

void RecordingCanvas::setOrigin(int x, int y) {
    mState.origin = Point{x, y};
    note(text::format("origin %d %d", x, y));
}

void RecordingCanvas::saveState() {
    mSaved.push_back(mState);
    ++saveCount;
}

void RecordingCanvas::restoreState() {
    if (mSaved.empty()) {
        return;
    }
    mState = mSaved.back();
    mSaved.pop_back();
    ++restoreCount;
}

void RecordingCanvas::selectFont(const Font& font) { mState.font = font; }
void RecordingCanvas::setTextColor(Rgb colour) { mState.textColour = colour; }
void RecordingCanvas::setTextAlign(TextAlign align) { mState.align = align; }

void RecordingCanvas::textOut(int x, int y, std::string_view text) {
    texts.push_back(RecordedText{x, y, std::string(text), mState.font, mState.textColour,
                                 mState.align, mState.origin});
    note(text::format("text %d %d %s %s ", x, y, alignText(mState.align), colourText(mState.textColour).c_str()) +
         fontText(mState.font) + " \"" + text::toUtf8(text) + "\"");
}

void RecordingCanvas::drawTextInRect(int left, int top, int right, int bottom, std::string_view text) {
    textBoxes.push_back(RecordedTextBox{left, top, right, bottom, std::string(text), mState.font,
                                        mState.textColour, mState.origin});
    note(text::format("textbox %d %d %d %d %s ", left, top, right, bottom, colourText(mState.textColour).c_str()) +
         fontText(mState.font) + " \"" + text::toUtf8(text) + "\"");
}

void RecordingCanvas::selectPen(const Pen& pen) { mState.pen = pen; }
void RecordingCanvas::selectBrush(const Brush& brush) { mState.brush = brush; }

void RecordingCanvas::moveTo(int x, int y) { mPosition = Point{x, y}; }

void RecordingCanvas::lineTo(int x, int y) {
    segments.push_back(RecordedSegment{mPosition, Point{x, y}, mState.pen, mState.origin});
    note(text::format("line %d %d %d %d ", mPosition.x, mPosition.y, x, y) + penText(mState.pen));
    mPosition = Point{x, y};
}

void RecordingCanvas::rectangle(int left, int top, int right, int bottom) {
    rectangles.push_back(RecordedRectangle{left, top, right, bottom, mState.pen, mState.brush});
    note(text::format("rect %d %d %d %d ", left, top, right, bottom) + penText(mState.pen) + " " +
         colourText(mState.brush.colour));
}

void RecordingCanvas::polyline(const std::vector<Point>& points) {
    polylines.push_back(RecordedShape{points, mState.pen, mState.brush});
    note("polyline " + penText(mState.pen) + pointsText(points));
}

void RecordingCanvas::polygon(const std::vector<Point>& points) {
    polygons.push_back(RecordedShape{points, mState.pen, mState.brush});
    note("polygon " + penText(mState.pen) + " " + colourText(mState.brush.colour) + pointsText(points));
}

void RecordingCanvas::drawImage(int left, int top, int right, int bottom, std::string_view name) {
    images.push_back(RecordedImage{left, top, right, bottom, std::string(name)});
    note(text::format("image %d %d %d %d ", left, top, right, bottom) + std::string(name));
}

bool RecordingCanvas::empty() const {
    return texts.empty() && textBoxes.empty() && segments.empty() && rectangles.empty() && polylines.empty() &&
           polygons.empty() && images.empty();
}

std::optional<RecordedText> RecordingCanvas::findText(std::string_view text) const {
    const auto it = std::find_if(texts.begin(), texts.end(), [&](const RecordedText& t) { return t.text == text; });
    return it == texts.end() ? std::nullopt : std::optional<RecordedText>(*it);
}

std::vector<RecordedText> RecordingCanvas::textsEqualTo(std::string_view text) const {
    std::vector<RecordedText> found;
    std::copy_if(texts.begin(), texts.end(), std::back_inserter(found),
                 [&](const RecordedText& t) { return t.text == text; });
    return found;
}

std::optional<RecordedText> RecordingCanvas::findTextContaining(std::string_view part) const {
    const auto it = std::find_if(texts.begin(), texts.end(),
                                 [&](const RecordedText& t) { return t.text.find(part) != std::string::npos; });
    return it == texts.end() ? std::nullopt : std::optional<RecordedText>(*it);
}

std::vector<RecordedSegment> RecordingCanvas::segmentsOf(Rgb colour) const {
    std::vector<RecordedSegment> found;
    std::copy_if(segments.begin(), segments.end(), std::back_inserter(found),
                 [&](const RecordedSegment& s) { return s.pen.colour == colour; });
    return found;
}

std::vector<RecordedSegment> RecordingCanvas::segmentsOf(Rgb colour, PenStyle style) const {
    std::vector<RecordedSegment> found;
    std::copy_if(segments.begin(), segments.end(), std::back_inserter(found),
                 [&](const RecordedSegment& s) { return s.pen.colour == colour && s.pen.style == style; });
    return found;
}

bool RecordingCanvas::hasSegment(Point a, Point b) const {
    return std::any_of(segments.begin(), segments.end(), [&](const RecordedSegment& s) {
        return (s.from == a && s.to == b) || (s.from == b && s.to == a);
    });
}

std::vector<RecordedRectangle> RecordingCanvas::rectanglesOf(Rgb colour) const {
    std::vector<RecordedRectangle> found;
    std::copy_if(rectangles.begin(), rectangles.end(), std::back_inserter(found),
                 [&](const RecordedRectangle& r) { return r.pen.colour == colour; });
    return found;
}

void RecordingCanvas::clearRecording() {
    texts.clear();
    textBoxes.clear();
    segments.clear();
    rectangles.clear();
    polylines.clear();
    polygons.clear();
    images.clear();
    mappings.clear();
    saveCount = 0;
    restoreCount = 0;
    mDump.clear();
}

} // namespace brisalta::test
