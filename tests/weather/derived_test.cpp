// Relative humidity, the station-pressure factor and the program's rounding.
#include "weather/derived.h"

#include <gtest/gtest.h>

namespace brisalta {
namespace {

TEST(Derived, RelativeHumidityTruncatesAndIsNotClamped) {
    struct Case {
        int t, td, expected;
    };
    const Case cases[] = {
        {20, 10, 52}, {35, 7, 17}, {10, 10, 100}, {0, -5, 69}, {-10, -12, 85}, {10, 12, 114},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(relativeHumidity(c.t, c.td), c.expected) << c.t << "/" << c.td;
    }
}

TEST(Derived, StationPressureFactorMatchesKnownAltitudes) {
    EXPECT_DOUBLE_EQ(stationPressureFactor(0), 1.0);
    EXPECT_NEAR(stationPressureFactor(582), 1.07197, 5e-6);
    EXPECT_NEAR(stationPressureFactor(729), 1.09111, 5e-6);
    EXPECT_NEAR(1013 / stationPressureFactor(582), 944.99, 0.005);
}

// Purpose: halves go away from zero, at any number of decimals.
TEST(Derived, RoundToDecimalsRoundsHalvesAwayFromZero) {
    struct Case {
        double value;
        int decimals;
        double expected;
    };
    const Case cases[] = {
        {944.5, 0, 945},  {-2.5, 0, -3},   {944.99, 0, 945}, {944.49, 0, 944},
        {12.5, 0, 13},    {-0.5, 0, -1},   {0.0, 0, 0},      {1.005, 2, 1.0},
        {2.345, 2, 2.35}, {-2.345, 2, -2.35}, {928.41, 0, 928}, {1013.011, 0, 1013},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(roundToDecimals(c.value, c.decimals), c.expected, 1e-9)
            << c.value << " to " << c.decimals;
    }
}

} // namespace
} // namespace brisalta
