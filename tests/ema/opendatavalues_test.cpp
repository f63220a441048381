// Conversions of OpenData values: rounding into slots and compass sectors.
#include "ema/opendatavalues.h"

#include "session/sessionstate.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace brisalta::opendata {
namespace {

// Purpose: every value becomes a whole number the slot can hold, or missing.
TEST(OpenDataValues, RoundsNumbersIntoSlots) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double x;
        int nearest;
        int trunc;
    };
    const Case cases[] = {
        {12.5, 13, 12},
        {-0.5, -1, 0},
        {87.9, 88, 87},
        {2.5 * 18 / 5, 9, 9},
        {-2.5, -3, -2},
        {0.0, 0, 0},
        {1e300, kMissing, kMissing},
        {-1e300, kMissing, kMissing},
        {inf, kMissing, kMissing},
        {nan, kMissing, kMissing},
        {2147483647.4, INT_MAX, INT_MAX},
        {3e9, kMissing, kMissing},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(nearestOrMissing(c.x), c.nearest) << c.x;
        EXPECT_EQ(truncOrMissing(c.x), c.trunc) << c.x;
    }
}

// Purpose: sector bounds are inclusive below, 360 and beyond are no direction.
TEST(OpenDataValues, NamesTheCompassSectorOfADirection) {
    struct Case {
        double degrees;
        const char* word; // nullptr: no direction
    };
    const Case cases[] = {
        {0.0, "N"},        {11.2499, "N"},   {11.25, "NNE"},
        {33.75, "NE"},     {56.25, "ENE"},   {78.75, "E"},
        {100.0, "E"},      {101.25, "ESE"},  {123.75, "SE"},
        {146.25, "SSE"},   {168.75, "S"},    {191.25, "SSW"},
        {213.75, "SW"},    {250.0, "WSW"},   {258.75, "W"},
        {281.25, "WNW"},   {303.75, "NW"},   {326.25, "NNW"},
        {348.7499, "NNW"}, {348.75, "N"},    {359.99, "N"},
        {360.0, nullptr},  {-0.01, nullptr}, {std::numeric_limits<double>::quiet_NaN(), nullptr},
    };
    for (const Case& c : cases) {
        const auto word = compassOfDegrees(c.degrees);
        if (c.word == nullptr) {
            EXPECT_FALSE(word.has_value()) << c.degrees;
        } else {
            ASSERT_TRUE(word.has_value()) << c.degrees;
            EXPECT_EQ(*word, c.word) << c.degrees;
        }
    }
}

} // namespace
} // namespace brisalta::opendata
