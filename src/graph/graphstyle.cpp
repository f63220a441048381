// Fonts and pens of the 24-hour graph.
#include "graph/graphstyle.h"

namespace brisalta::graphstyle {

Pen seriesPen(int series) {
    switch (series) {
    case kTemperatureSeries:
        return Pen{PenStyle::Solid, 3, kTemperatureColour};
    case kDewPointSeries:
        return Pen{PenStyle::Solid, 3, kDewPointColour};
    case kPressureSeries:
        return Pen{PenStyle::Solid, 3, kPressureColour};
    case kWindSpeedSeries:
        return Pen{PenStyle::Solid, 3, kWindSpeedColour};
    default:
        return Pen{PenStyle::Solid, 3, kBlackColour};
    }
}

Pen gapPen(const Pen& seriesPen) { return Pen{PenStyle::Dotted, 0, seriesPen.colour}; }

Font fontA() { return Font{"Ms Sans Serif", 14, kSemiBoldWeight}; }
Font fontB() { return Font{"Times New Roman", 14, kNormalWeight}; }
Font fontD() { return Font{"Times New Roman", 13, kNormalWeight}; }
Font fontE() { return Font{"Times New Roman", 17, kSemiBoldWeight}; }

Font headerFont(FontScale scale) {
    switch (scale) {
    case FontScale::Small:
        return fontB();
    case FontScale::Large:
        return fontE();
    case FontScale::Normal:
        break;
    }
    return fontA();
}

Font axisFont(FontScale scale) {
    switch (scale) {
    case FontScale::Small:
        return fontD();
    case FontScale::Large:
        return fontA();
    case FontScale::Normal:
        break;
    }
    return fontB();
}

} // namespace brisalta::graphstyle
