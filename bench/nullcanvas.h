// A canvas that draws nothing: what is left of prepareGraph + paintGraph on it
// is the renderers' own work, without Qt's rasterising.
#pragma once

#include "ports/drawingcanvas.h"

#include <cstddef>

namespace brisalta::bench {

class NullCanvas final : public DrawingCanvas {
public:
    // Answers deviceCaps like a 1920 x 1080 screen at 96 dpi.
    int deviceCaps(DeviceCap which) const override {
        switch (which) {
        case DeviceCap::HorizontalResolution:
            return 1920;
        case DeviceCap::VerticalResolution:
            return 1080;
        case DeviceCap::LogicalPixelsPerInch:
            return 96;
        }
        return 0;
    }
    void setMapping(Mapping) override { ++mOperations; }
    void setOrigin(int, int) override { ++mOperations; }
    void saveState() override { ++mOperations; }
    void restoreState() override { ++mOperations; }
    void selectFont(const Font&) override { ++mOperations; }
    void setTextColor(Rgb) override { ++mOperations; }
    void setTextAlign(TextAlign) override { ++mOperations; }
    void textOut(int, int, std::string_view text) override { mOperations += text.size(); }
    void drawTextInRect(int, int, int, int, std::string_view text) override { mOperations += text.size(); }
    void selectPen(const Pen&) override { ++mOperations; }
    void selectBrush(const Brush&) override { ++mOperations; }
    void moveTo(int, int) override { ++mOperations; }
    void lineTo(int, int) override { ++mOperations; }
    void rectangle(int, int, int, int) override { ++mOperations; }
    void polyline(const std::vector<Point>& points) override { mOperations += points.size(); }
    void polygon(const std::vector<Point>& points) override { mOperations += points.size(); }
    void drawImage(int, int, int, int, std::string_view) override { ++mOperations; }

    // Calls (and text bytes, and points) received so far.
    std::size_t operations() const { return mOperations; }

private:
    std::size_t mOperations = 0;
};

} // namespace brisalta::bench
