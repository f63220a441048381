// Placement rules of the 24-hour graph.
#include "graph/graphgeometry.h"

#include "session/numeric.h"
#include "weather/compass.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace brisalta {

int clampDevice(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    return truncToInt(std::clamp(value, -static_cast<double>(kDeviceLimit), static_cast<double>(kDeviceLimit)));
}

int GraphFactors::x(double design) const { return clampDevice(design * sx * d * s); }

int GraphFactors::y(double design) const { return clampDevice(design * sy * d * s); }

int GraphFactors::yRatio(double numerator, double denominator) const {
    if (denominator == 0.0) {
        return 0;
    }
    return clampDevice(numerator * sy * d * s / denominator);
}

FontScale GraphFactors::fontScale() const {
    if (sx < 1.0 || d < 1.0) {
        return FontScale::Small;
    }
    return sx > 1.0 ? FontScale::Large : FontScale::Normal;
}

GraphFactors screenFactors(int horizontal, int vertical, int pixelsPerInch, double drawScale) {
    GraphFactors f;
    f.sx = (horizontal > 0 ? horizontal : 800) / 800.0;
    f.sy = (vertical > 0 ? vertical : 600) / 600.0;
    f.d = 96.0 / (pixelsPerInch > 0 ? pixelsPerInch : 96);
    f.s = std::isfinite(drawScale) ? drawScale : 1.0;
    return f;
}

GraphFactors printFactors() { return GraphFactors{}; }

int advanceHour(int hour, int offsetHours) {
    long long n = offsetHours;
    if (n < 0) {
        n += 24;
    }
    if (n <= 0) {
        return hour;
    }
    const long long h = hour;
    if (h > 23) {
        // Never reaches 24 on the way, so it never wraps.
        return truncToInt(static_cast<double>(h + n));
    }
    const long long reached = h + n;
    if (reached < 24) {
        return static_cast<int>(reached);
    }
    return static_cast<int>(reached % 24);
}

long long shownHour(long long h) {
    if (h == 24) {
        return 0;
    }
    if (h == 25) {
        return 1;
    }
    return h;
}

int valueLabelOffset(std::size_t characters) {
    if (characters <= 2) {
        return 0;
    }
    return characters == 3 ? -8 : -15;
}

int humidityLabelOffset(std::size_t characters) { return characters == 3 ? 28 : 29; }

bool hasNoDirection(std::string_view direction) {
    return direction == "No" || direction == "Calm" || direction == "Variable" || direction == "---";
}

int directionRow(std::string_view direction) {
    if (const auto index = compass::indexOf(direction)) {
        return 310 + 10 * *index;
    }
    return 310;
}


namespace {

long long stepBetween(long long lowest, long long highest) { return (highest - lowest) / 7 + 1; }

int toInt(long long value) { return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX)); }

} // namespace

ValueScale valueScale(long long lowest, long long highest) {
    long long step = stepBetween(lowest, highest);
    if (step < 1) {
        std::swap(lowest, highest);
        step = stepBetween(lowest, highest);
    }
    return ValueScale{toInt(lowest), toInt(step)};
}

} // namespace brisalta
