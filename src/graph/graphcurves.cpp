// Series curves, humidity area and wind-direction trace of the 24-hour graph.
#include "graph/graphcurves.h"

#include "graph/graphstyle.h"

#include <optional>

namespace brisalta {
namespace {

using CurvePoints = std::array<std::optional<Point>, kSlots>;

void marker(DrawingCanvas& canvas, Point p) { canvas.rectangle(p.x - 1, p.y - 1, p.x + 1, p.y + 1); }

// Selects pens for one curve and remembers whether it selected any, because
// the line of a trailing gap takes whatever pen was selected last.
class CurvePens {
public:
    explicit CurvePens(DrawingCanvas& canvas) : mCanvas(canvas) {}
    void select(const Pen& pen) {
        mCanvas.selectPen(pen);
        mSelectedAny = true;
    }
    // The pen of a trailing gap: the last one selected, or the gap pen when
    // the curve has drawn nothing yet (every slot missing).
    void selectForTrailingGap(const Pen& gapPen) {
        if (!mSelectedAny) {
            select(gapPen);
        }
    }

private:
    DrawingCanvas& mCanvas;
    bool mSelectedAny = false;
};

// The bridging walk shared by the value series and the humidity curve. gapDy is
// the design height of a leading or trailing gap relative to y0.
void drawBridgedCurve(DrawingCanvas& canvas, const GraphFactors& f, int x0, int y0, int gapDy,
                      const CurvePoints& points, const Pen& seriesPen, const Pen& gapPen) {
    CurvePens pens(canvas);
    const int bx = f.x(x0);
    const int gapY = f.y(y0) + f.y(gapDy);
    bool inGap = false;
    bool gapFromStart = false;
    Point gapStart;
    for (int i = 0; i < kSlots; ++i) {
        if (!points[i]) {
            if (i == 0) {
                gapStart = Point{bx, gapY};
                inGap = gapFromStart = true;
            } else if (i == kSlots - 1) {
                const Point from = inGap ? gapStart : points[i - 1].value_or(Point{bx, gapY});
                pens.selectForTrailingGap(gapPen);
                canvas.line(from, Point{bx + f.x(230), gapY});
            } else if (!inGap) {
                inGap = true;
                gapFromStart = false;
                gapStart = *points[i - 1];
            }
            continue;
        }
        const Point p = *points[i];
        if (i == 0) {
            continue;
        }
        if (inGap) {
            if (gapFromStart) {
                gapStart = Point{bx, p.y};
            }
            pens.select(gapPen);
            canvas.line(gapStart, p);
            const bool nextMissing = i + 1 < kSlots && !points[i + 1];
            if (nextMissing && !gapFromStart) {
                pens.select(seriesPen);
                marker(canvas, gapStart);
                marker(canvas, p);
            }
            inGap = gapFromStart = false;
        } else {
            pens.select(seriesPen);
            canvas.line(*points[i - 1], p);
        }
    }
}

} // namespace

int slotX(const GraphFactors& f, int x0, int slot) { return f.x(x0) + f.x(10 * slot); }

int seriesY(const GraphFactors& f, int y0, const ValueScale& scale, int value) {
    const double rise = (static_cast<double>(scale.top()) - value) * 20.0;
    return clampDevice(static_cast<double>(f.y(y0)) + f.yRatio(rise, scale.step));
}

int humidityY(const GraphFactors& f, int y0, int humidity) {
    return clampDevice(static_cast<double>(f.y(y0)) + f.yRatio(-160.0 * humidity, 100.0));
}

void DrawSeriesCurve(DrawingCanvas& canvas, const GraphFactors& f, int x0, int y0, int minimum, int step,
                     const Slots<int>& values, int series) {
    const ValueScale scale{minimum, step};
    CurvePoints points;
    for (int i = 0; i < kSlots; ++i) {
        if (values[i] != kMissing) {
            points[i] = Point{slotX(f, x0, i), seriesY(f, y0, scale, values[i])};
        }
    }
    const Pen pen = graphstyle::seriesPen(series);
    drawBridgedCurve(canvas, f, x0, y0, 120, points, pen, graphstyle::gapPen(pen));
}

void DrawHumidityArea(DrawingCanvas& canvas, const GraphFactors& f, int x0, int y0, const Slots<int>& humidity) {
    CurvePoints points;
    bool complete = true;
    for (int i = 0; i < kSlots; ++i) {
        const int h = humidity[i];
        if (h == kMissing) {
            complete = false;
            continue;
        }
        points[i] = Point{slotX(f, x0, i), humidityY(f, y0, h)};
    }
    drawBridgedCurve(canvas, f, x0, y0, -120, points, graphstyle::kHumidityPen, graphstyle::kHumidityGapPen);
    if (complete) {
        std::vector<Point> area;
        area.reserve(kSlots + 5);
        area.push_back(*points[0]);
        for (const auto& p : points) {
            area.push_back(*p);
        }
        area.push_back(Point{f.x(335), f.y(245)});
        area.push_back(Point{f.x(85), f.y(245)});
        area.push_back(Point{f.x(85), points[0]->y});
        area.push_back(*points[0]);
        canvas.polyline(area);
        canvas.selectBrush(Brush{graphstyle::kHumidityFillColour});
        canvas.polygon(area);
        canvas.selectBrush(Brush{});
    }
    canvas.selectPen(graphstyle::kAxisPen);
}

void DrawDirectionTrace(DrawingCanvas& canvas, const GraphFactors& f, const Slots<FixedText<9>>& directions) {
    constexpr int x0 = 460;
    const auto rowOf = [&](int slot) { return f.y(directionRow(directions[slot].view())); };
    bool pending = false;
    bool fromStart = false;
    Point start;
    for (int i = 0; i < kSlots; ++i) {
        const std::string_view t = directions[i].view();
        if (hasNoDirection(t)) {
            if (!pending) {
                start = i == 0 ? Point{f.x(x0), f.y(310)} : Point{slotX(f, x0, i - 1), rowOf(i - 1)};
                pending = true;
                fromStart = i == 0;
            } else if (i == kSlots - 1) {
                canvas.selectPen(graphstyle::kDirectionGapPen);
                canvas.line(start, Point{f.x(690), start.y});
            }
            continue;
        }
        if (i == 0) {
            continue;
        }
        const Point end{slotX(f, x0, i), rowOf(i)};
        if (pending) {
            if (fromStart) {
                start.y = end.y;
            }
            canvas.selectPen(graphstyle::kDirectionGapPen);
            canvas.line(start, end);
            canvas.selectPen(graphstyle::kDirectionPen);
            if (i < kSlots - 1) {
                marker(canvas, end);
            }
            pending = false;
        } else {
            canvas.selectPen(graphstyle::kDirectionPen);
            canvas.line(Point{slotX(f, x0, i - 1), rowOf(i - 1)}, end);
        }
    }
}

} // namespace brisalta
