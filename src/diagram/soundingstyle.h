// Pens, brush, colours and fonts of the sounding diagram and of the ceiling
// simulation drawn on it.
#pragma once

#include "ports/drawingcanvas.h"
#include "graph/graphgeometry.h"

namespace brisalta::soundingstyle {

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kHumidityScaleColour{5, 0, 200};
inline constexpr Rgb kTemperatureColour{255, 0, 0};
inline constexpr Rgb kDewPointColour{255, 150, 0};
inline constexpr Rgb kDirectionColour{0, 185, 138};
inline constexpr Rgb kSpeedColour{50, 0, 164};
inline constexpr Rgb kMixingColour{100, 100, 100};
inline constexpr Rgb kSentenceColour{250, 0, 0};
inline constexpr Rgb kHumidityFill{204, 255, 255};

inline const Pen kFramePen{PenStyle::Solid, 1,
                           Rgb{50, 0, 164}}; // frames, top ticks, humidity outline, isotherms
inline const Pen kLevelPen{PenStyle::Solid, 0, Rgb{5, 0, 164}}; // lines at labelled levels
inline const Pen kAdiabatPen{PenStyle::Solid, 0, Rgb{55, 200, 250}};
inline const Pen kMixingPen{PenStyle::Dotted, 0, kMixingColour};
inline const Pen kFreezingPen{PenStyle::Solid, 1, Rgb{255, 0, 0}}; // the 0 °C isotherm
inline const Pen kTemperaturePen{PenStyle::Solid, 3, kTemperatureColour};
inline const Pen kDewPointPen{PenStyle::Solid, 3, kDewPointColour};
inline const Pen kDirectionPen{PenStyle::Solid, 3, kDirectionColour};
inline const Pen kSpeedPen{PenStyle::Solid, 3, kSpeedColour};
inline const Pen kParcelPen{PenStyle::Solid, 4, Rgb{30, 150, 40}};     // the thermal's dry adiabat
inline const Pen kMoisturePen{PenStyle::Solid, 4, Rgb{100, 200, 100}}; // the surface mixing ratio
inline const Brush kHumidityBrush{kHumidityFill};

// Title line and the simulation's sentence: "Times New Roman" 14 (small),
// "Ms Sans Serif" 14 semi-bold (normal), "Times New Roman" 18 semi-bold (large).
inline Font titleFont(FontScale scale) {
    switch (scale) {
    case FontScale::Small:
        return Font{"Times New Roman", 14, kNormalWeight};
    case FontScale::Normal:
        return Font{"Ms Sans Serif", 14, kSemiBoldWeight};
    case FontScale::Large:
        break;
    }
    return Font{"Times New Roman", 18, kSemiBoldWeight};
}

// Units and scale labels: "Times New Roman" 13, 16, or 18 semi-bold.
inline Font axisFont(FontScale scale) {
    switch (scale) {
    case FontScale::Small:
        return Font{"Times New Roman", 13, kNormalWeight};
    case FontScale::Normal:
        return Font{"Times New Roman", 16, kNormalWeight};
    case FontScale::Large:
        break;
    }
    return Font{"Times New Roman", 18, kSemiBoldWeight};
}

// Level labels and mixing-ratio labels: "Times New Roman" 14, 14 semi-bold,
// or 18 semi-bold.
inline Font levelFont(FontScale scale) {
    switch (scale) {
    case FontScale::Small:
        return Font{"Times New Roman", 14, kNormalWeight};
    case FontScale::Normal:
        return Font{"Times New Roman", 14, kSemiBoldWeight};
    case FontScale::Large:
        break;
    }
    return Font{"Times New Roman", 18, kSemiBoldWeight};
}

} // namespace brisalta::soundingstyle
