// A drawing canvas that draws nothing: for running a renderer only for what
// it computes (daily extremes, header copies, the validated series, command
// flags) when no picture is wanted, as the command-line tool does.
#pragma once

#include "ports/drawingcanvas.h"

namespace brisalta {

class NullCanvas final : public DrawingCanvas {
public:
    // The screen the drawing is laid out for: pixels across and down, and
    // logical pixels per inch.
    NullCanvas(int width = 1920, int height = 1080, int pixelsPerInch = 96)
        : mWidth(width), mHeight(height), mPixelsPerInch(pixelsPerInch) {}

    int deviceCaps(DeviceCap which) const override {
        switch (which) {
        case DeviceCap::HorizontalResolution:
            return mWidth;
        case DeviceCap::VerticalResolution:
            return mHeight;
        case DeviceCap::LogicalPixelsPerInch:
            return mPixelsPerInch;
        }
        return 0;
    }

    void setMapping(Mapping) override {}
    void setOrigin(int, int) override {}
    void saveState() override {}
    void restoreState() override {}
    void selectFont(const Font&) override {}
    void setTextColor(Rgb) override {}
    void setTextAlign(TextAlign) override {}
    void textOut(int, int, std::string_view) override {}
    void drawTextInRect(int, int, int, int, std::string_view) override {}
    void selectPen(const Pen&) override {}
    void selectBrush(const Brush&) override {}
    void moveTo(int, int) override {}
    void lineTo(int, int) override {}
    void rectangle(int, int, int, int) override {}
    void polyline(const std::vector<Point>&) override {}
    void polygon(const std::vector<Point>&) override {}
    void drawImage(int, int, int, int, std::string_view) override {}

private:
    int mWidth;
    int mHeight;
    int mPixelsPerInch;
};

} // namespace brisalta
