// Where things go on the 24-hour graph: the factors that turn the 800 × 600
// design space into device units, and the small placement rules of its axes,
// scales and wind-direction panel. Pure functions; nothing here draws.
#pragma once

#include "ports/drawingcanvas.h"
#include "session/picture.h"

#include <cstddef>
#include <string_view>

namespace brisalta {

// Which of the three font sets a device gets.
enum class FontScale {
    Small,  // a narrow screen (H < 800) or large system fonts (more than 96 dpi)
    Normal, // an 800-pixel screen at 96 dpi, and every printer
    Large,  // any wider screen
};

// Design units to device units. A design coordinate is multiplied by the
// horizontal (or vertical) factor, the font factor and the drawing scale, and
// truncated toward zero. An offset added to an already converted position is
// converted on its own and then added.
struct GraphFactors {
    double sx = 1.0; // H / 800 on screen
    double sy = 1.0; // V / 600 on screen
    double d = 1.0;  // 96 / P on screen
    double s = 1.0;  // SessionState::drawScale

    int x(double design) const; // device X of a design X (or of a horizontal offset)
    int y(double design) const; // device Y of a design Y (or of a vertical offset)
    // A vertical offset given as the design ratio numerator / denominator: the
    // numerator is multiplied by the vertical factors first, then divided by
    // the denominator as a real and truncated. 0 when the denominator is 0.
    int yRatio(double numerator, double denominator) const;
    FontScale fontScale() const;
};

// How a picture is laid on its device: the screen mapping (the window and the
// PNG and SVG pictures made like it), at the session's drawing scale, or the
// printed page, one 0.01-inch unit per design unit.
struct PageMapping {
    Mapping mapping = Mapping::Screen;
    double drawScale = kScreenScale; // screen only

    static PageMapping screen(double drawScale = kScreenScale) {
        return PageMapping{Mapping::Screen, drawScale};
    }
    static PageMapping print() { return PageMapping{Mapping::Print, 1.0}; }
};

// Factors for a screen of H × V pixels at P logical pixels per inch. A device
// that reports no size or no resolution is taken as 800 × 600 at 96 dpi.
GraphFactors screenFactors(int horizontal, int vertical, int pixelsPerInch, double drawScale);

// Printing: every design unit is one 0.01-inch unit.
GraphFactors printFactors();

// A device coordinate kept within ±kDeviceLimit, so that a nonsense value in the
// series can never hand the device a coordinate it cannot hold.
inline constexpr int kDeviceLimit = 1 << 22;
int clampDevice(double value);

// Advances an hour by the station's time offset, one hour at a time, with 24
// wrapping to 0: a negative offset counts as offset + 24, and an offset that is
// still not positive leaves the hour alone. Hours outside 0..23 (hand-edited
// documents) move the same way without ever wrapping early.
int advanceHour(int hour, int offsetHours);

// The hour an hour-axis label shows for h: 24 is shown as 0 and 25 as 1.
long long shownHour(long long h);

// Left edge of a value-scale label relative to the scale's x, by the label's
// length in characters: 0 for up to 2, -8 for 3, -15 for 4 or more.
int valueLabelOffset(std::size_t characters);

// Left edge of a humidity-scale label relative to the scale's x: 28 for a
// three-character label ("100"), 29 otherwise.
int humidityLabelOffset(std::size_t characters);

// A wind-direction text that puts no point on the trace: "No", "Calm",
// "Variable" and "---".
bool hasNoDirection(std::string_view direction);

// Design Y of a direction in the wind-direction panel: "N" 310, "NNE" 320, ...
// "NNW" 460; any text outside the 16-point compass counts as 310.
int directionRow(std::string_view direction);


// The scale for values from lowest to highest: step = (highest − lowest) / 7 + 1
// with integer division. When that step would be 0 or negative (the lowest
// value lies 7 or more above the highest, e.g. dew points above every
// temperature), the two ends are swapped so that the scale stays usable.
ValueScale valueScale(long long lowest, long long highest);

} // namespace brisalta
