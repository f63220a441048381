// The checks every surface reader ends with, and the hours of slots a source
// did not reach.
#include "surface/hourlyslots.h"

#include "session/sessionstate.h"

#include <gtest/gtest.h>

namespace brisalta {
namespace {

GraphSeries plausibleDay() {
    GraphSeries g;
    for (int i = 0; i < kSlots; ++i) {
        g.hour[i] = i;
        g.temperature[i] = 20;
        g.dewPoint[i] = 10;
        g.pressure[i] = 1013;
        g.windSpeed[i] = 12;
        g.windDirection[i] = "SW";
    }
    return g;
}

// Purpose: the limits of each series, both sides, edges included.
TEST(HourlySlots, ValidationKeepsTheEdgesAndDropsWhatLiesBeyond) {
    struct Case {
        int temperature, dewPoint, pressure, windSpeed;
        bool keepTemperature, keepDewPoint, keepPressure, keepWind;
    };
    const Case cases[] = {
        {100, -100, 1800, 300, true, true, true, true},
        {-100, 100, 100, 1, true, true, true, true},
        {101, -101, 1801, 301, false, false, false, false},
        {-101, 101, 99, 0, false, false, false, false}, // calm is no speed
        {0, 0, 950, -3, true, true, true, false},
    };
    for (const Case& c : cases) {
        GraphSeries g = plausibleDay();
        g.temperature[5] = c.temperature;
        g.dewPoint[5] = c.dewPoint;
        g.pressure[5] = c.pressure;
        g.windSpeed[5] = c.windSpeed;
        const MissingCounts missing = validateSlots(g);
        EXPECT_EQ(g.temperature[5], c.keepTemperature ? c.temperature : kMissing);
        EXPECT_EQ(g.dewPoint[5], c.keepDewPoint ? c.dewPoint : kMissing);
        EXPECT_EQ(g.pressure[5], c.keepPressure ? c.pressure : kMissing);
        EXPECT_EQ(g.windSpeed[5], c.keepWind ? c.windSpeed : kMissing);
        EXPECT_EQ(missing.temperature, c.keepTemperature ? 0 : 1);
        EXPECT_EQ(missing.windSpeed, c.keepWind ? 0 : 1);
    }
}

TEST(HourlySlots, AGraphNeedsOneSeriesWithFewerThan21Gaps) {
    GraphSeries g = plausibleDay();
    clearSlots(g);
    EXPECT_FALSE(validateSlots(g).enoughForGraph());
    EXPECT_EQ(g.windDirection[0], "No");
    EXPECT_EQ(g.hour[7], 7); // hours survive the clearing
    for (int i = 0; i < 4; ++i) {
        g.pressure[20 + i] = 1000;
    }
    EXPECT_TRUE(validateSlots(g).enoughForGraph()); // 20 gaps
    g.pressure[20] = kMissing;
    EXPECT_FALSE(validateSlots(g).enoughForGraph()); // 21 gaps
}

TEST(HourlySlots, WrapsDamagedHoursOntoTheClock) {
    GraphSeries g = plausibleDay();
    g.hour[0] = 25;
    g.hour[1] = -1;
    g.hour[2] = 2147483647;
    validateSlots(g);
    EXPECT_EQ(g.hour[0], 1);
    EXPECT_EQ(g.hour[1], 23);
    EXPECT_EQ(g.hour[2], 7);
}

TEST(HourlySlots, NumbersUnreachedSlotsBackFromTheOldestReached) {
    GraphSeries g = plausibleDay();
    g.hour[3] = 1;
    numberEarlierHours(g, 2);
    EXPECT_EQ(g.hour[2], 0);
    EXPECT_EQ(g.hour[1], 23);
    EXPECT_EQ(g.hour[0], 22);
    EXPECT_EQ(g.hour[4], 4);

    GraphSeries untouched = plausibleDay();
    numberEarlierHours(untouched, -1);
    numberEarlierHours(untouched, 23);
    EXPECT_EQ(untouched.hour, plausibleDay().hour);
}

} // namespace
} // namespace brisalta
