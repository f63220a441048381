// Axes and scales of the 24-hour graph.
#include "graph/graphaxes.h"

#include "graph/graphstyle.h"
#include "text/codepage.h"
#include "text/format.h"

namespace brisalta {
namespace {

// The eight labels of the direction axis, top to bottom.
constexpr const char* kCompassLabels[8] = {"N", "NE", "E", "SE", "S", "SO", "O", "NO"};

void lineAt(DrawingCanvas& canvas, const GraphFactors& f, int x1, int y1, int x2, int y2) {
    canvas.line(f.x(x1), f.y(y1), f.x(x2), f.y(y2));
}

void textAt(DrawingCanvas& canvas, const GraphFactors& f, int x, int y, const std::string& text) {
    canvas.textOut(f.x(x), f.y(y), text);
}

} // namespace

void DrawHourAxis(DrawingCanvas& canvas, const GraphFactors& f, int x, int y, int startHour) {
    const int bx = f.x(x);
    const int by = f.y(y);
    long long h = startHour;
    for (int k = 0; k < 12; ++k) {
        const int xk = bx + f.x(20 * k);
        canvas.line(xk, by, xk, by + f.y(10));
        const int xs = bx + f.x(20 * k + 10);
        canvas.line(xs, by + f.y(4), xs, by + f.y(6));
        const long long shown = shownHour(h);
        canvas.textOut(bx + f.x(20 * k - 5), by + f.y(15), text::format("%02lld", shown));
        h = shown + 2;
    }
}

void DrawValueScale(DrawingCanvas& canvas, const GraphFactors& f, int step, int minimum, int x, int y, int side,
                    int inset) {
    const int bx = f.x(x);
    const int by = f.y(y);
    long long value = static_cast<long long>(minimum) + 7LL * step;
    const int e = inset == 1 ? 10 : 0;
    for (int k = 0; k < 8; ++k) {
        const int yk = by + f.y(20 * k);
        if (side == 0) {
            canvas.line(bx + f.x(15), yk, bx + f.x(25), yk);
        } else {
            canvas.line(bx + f.x(-15 + e), yk, bx + f.x(-25 + e), yk);
        }
        const std::string label = text::format("%2lld", value);
        canvas.textOut(bx + f.x(valueLabelOffset(label.size())), by + f.y(20 * k - 5), label);
        value -= step;
    }
}

void DrawHumidityScale(DrawingCanvas& canvas, const GraphFactors& f, int x, int y) {
    const int bx = f.x(x);
    const int by = f.y(y);
    for (int k = 0; k <= 10; ++k) {
        const int yk = by + f.y(-16 * k);
        canvas.line(bx + f.x(15), yk, bx + f.x(20), yk);
        const std::string label = text::format("%2d", 10 * k);
        canvas.textOut(bx + f.x(humidityLabelOffset(label.size())), by + f.y(-16 * k - 6), label);
    }
}

void drawPanels(DrawingCanvas& canvas, const GraphFactors& f, const PanelScales& scales, int startHour) {
    // Temperature and humidity, top left.
    lineAt(canvas, f, 85, 85, 85, 245);
    lineAt(canvas, f, 85, 245, 335, 245);
    textAt(canvas, f, 80, 70, text::cp1252("º"));
    textAt(canvas, f, 88, 70, "C");
    textAt(canvas, f, 335, 255, "h.");
    DrawHourAxis(canvas, f, 105, 240, startHour);
    DrawValueScale(canvas, f, scales.temperature.step, scales.temperature.minimum, 65, 85, 0, 0);
    lineAt(canvas, f, 335, 85, 335, 245);
    textAt(canvas, f, 330, 70, "%");
    DrawHumidityScale(canvas, f, 315, 245);

    // Pressure, top right.
    lineAt(canvas, f, 440, 85, 440, 245);
    lineAt(canvas, f, 440, 245, 690, 245);
    textAt(canvas, f, 435, 70, "mb");
    textAt(canvas, f, 690, 255, "h.");
    DrawHourAxis(canvas, f, 460, 240, startHour);
    DrawValueScale(canvas, f, scales.pressure.step, scales.pressure.minimum, 420, 85, 0, 0);
    lineAt(canvas, f, 690, 85, 690, 245);
    DrawValueScale(canvas, f, scales.pressure.step, scales.pressure.minimum, 710, 85, 1, 0);

    // Wind speed, bottom left.
    lineAt(canvas, f, 85, 310, 85, 470);
    lineAt(canvas, f, 85, 470, 335, 470);
    textAt(canvas, f, 78, 292, "km/h");
    textAt(canvas, f, 335, 480, "h.");
    DrawHourAxis(canvas, f, 105, 465, startHour);
    DrawValueScale(canvas, f, scales.windSpeed.step, scales.windSpeed.minimum, 65, 310, 0, 0);
    lineAt(canvas, f, 335, 310, 335, 470);
    DrawValueScale(canvas, f, scales.windSpeed.step, scales.windSpeed.minimum, 345, 310, 1, 1);

    // Wind direction, bottom right.
    lineAt(canvas, f, 440, 310, 440, 470);
    lineAt(canvas, f, 440, 470, 690, 470);
    textAt(canvas, f, 690, 480, "h.");
    DrawHourAxis(canvas, f, 460, 465, startHour);
    lineAt(canvas, f, 690, 310, 690, 470);
    for (int k = 0; k < 8; ++k) {
        const int y = 310 + 20 * k;
        lineAt(canvas, f, 435, y, 445, y);
        lineAt(canvas, f, 685, y, 695, y);
        textAt(canvas, f, 418, y - 6, kCompassLabels[k]);
        textAt(canvas, f, 700, y - 6, kCompassLabels[k]);
    }
}

} // namespace brisalta
