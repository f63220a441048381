// Drawing in the diagram's design units: every position is converted to
// device units by the drawing's factors just before it reaches the canvas.
#pragma once

#include "ports/drawingcanvas.h"
#include "graph/graphgeometry.h"

#include <string_view>
#include <vector>

namespace brisalta {

class DesignPainter {
public:
    DesignPainter(DrawingCanvas& canvas, const GraphFactors& factors)
        : mCanvas(canvas), mFactors(factors) {}

    DrawingCanvas& canvas() { return mCanvas; }
    const GraphFactors& factors() const { return mFactors; }

    Point device(Point design) const { return Point{mFactors.x(design.x), mFactors.y(design.y)}; }

    void line(int x1, int y1, int x2, int y2) {
        mCanvas.line(mFactors.x(x1), mFactors.y(y1), mFactors.x(x2), mFactors.y(y2));
    }
    void line(Point from, Point to) { line(from.x, from.y, to.x, to.y); }

    void text(int x, int y, std::string_view text) {
        mCanvas.textOut(mFactors.x(x), mFactors.y(y), text);
    }

    std::vector<Point> device(const std::vector<Point>& design) const {
        std::vector<Point> points;
        points.reserve(design.size());
        for (const Point& p : design) {
            points.push_back(device(p));
        }
        return points;
    }

private:
    DrawingCanvas& mCanvas;
    GraphFactors mFactors;
};

} // namespace brisalta
