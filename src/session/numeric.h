// Conversions from real numbers to the whole numbers of the data model.
#pragma once

#include <climits>
#include <cmath>

namespace brisalta {

// Truncates toward zero like a C cast, but clamps values outside the int range
// (and NaN, which becomes 0) instead of leaving the result undefined.
inline int truncToInt(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    if (value <= static_cast<double>(INT_MIN)) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

} // namespace brisalta
