// Fonts, pens and colours of the 24-hour graph.
#pragma once

#include "ports/drawingcanvas.h"
#include "graph/graphgeometry.h"

namespace brisalta::graphstyle {

inline constexpr Rgb kTemperatureColour{255, 0, 0};
inline constexpr Rgb kDewPointColour{255, 150, 0};
inline constexpr Rgb kPressureColour{50, 0, 164};
inline constexpr Rgb kWindSpeedColour{0, 160, 193};
inline constexpr Rgb kWindDirectionColour{0, 185, 138};
inline constexpr Rgb kHumidityColour{0, 240, 240};
inline constexpr Rgb kHumidityFillColour{204, 255, 255};
inline constexpr Rgb kBlackColour{0, 0, 0};

// The series of DrawSeriesCurve.
enum Series : int {
    kTemperatureSeries = 1,
    kDewPointSeries = 2,
    kPressureSeries = 3,
    kWindSpeedSeries = 4,
};

// Solid, width 3, in the series colour (black for an unknown series).
Pen seriesPen(int series);
// Dotted, width 0, in the series pen's colour: the bridges over missing slots.
Pen gapPen(const Pen& seriesPen);

inline const Pen kHumidityPen{PenStyle::Solid, 2, kHumidityColour};
inline const Pen kHumidityGapPen{PenStyle::Dotted, 1, kHumidityColour};
inline const Pen kDirectionPen{PenStyle::Solid, 3, kWindDirectionColour};
inline const Pen kDirectionGapPen{PenStyle::Dotted, 0, kWindDirectionColour};
inline const Pen kAxisPen{PenStyle::Solid, 1, kBlackColour};

// The four fonts of the graph.
Font fontA(); // "Ms Sans Serif" 14, semi-bold
Font fontB(); // "Times New Roman" 14
Font fontD(); // "Times New Roman" 13
Font fontE(); // "Times New Roman" 17, semi-bold

// Header lines and legends: B small, A normal, E large.
Font headerFont(FontScale scale);
// Axis labels and units: D small, B normal, A large.
Font axisFont(FontScale scale);

} // namespace brisalta::graphstyle
