// Daily extremes and scale ranges of the 24-hour graph.
#include "graph/graphextremes.h"

#include "graphfixture.h"

#include <gtest/gtest.h>

namespace brisalta {
namespace {

GraphSeries emptySeries() {
    GraphSeries g;
    for (int i = 0; i < kSlots; ++i) {
        g.hour[i] = i;
        g.temperature[i] = g.dewPoint[i] = g.pressure[i] = g.windSpeed[i] = kMissing;
        g.windDirection[i] = "No";
    }
    return g;
}

DailyExtremes extremesOf(const GraphSeries& g, bool shift = false, int offset = 0) {
    DailyExtremes e;
    startDailyExtremes(g, e);
    finishDailyExtremes(g, shift, offset, e);
    return e;
}

TEST(GraphExtremes, FindsTheSummerDayExtremes) {
    GraphSeries g;
    test::fillSummerDay(g);
    const DailyExtremes e = extremesOf(g);
    EXPECT_TRUE(e.hasTemperature);
    EXPECT_EQ(e.maxTemperature, 31);
    EXPECT_EQ(e.maxTemperatureHour, 14); // slots 14 and 15 hold 31: the later one, hour 14 UTC
    EXPECT_EQ(e.minTemperature, 14);
    EXPECT_EQ(e.minTemperatureHour, 4);
    EXPECT_EQ(e.maxPressure, 1016);
    EXPECT_EQ(e.maxPressureHour, 23); // held by slot 0 (hour 23), which keeps it
    EXPECT_EQ(e.minPressure, 1012);
    EXPECT_EQ(e.minPressureHour, 16); // slots 15-17: the latest, hour 16
    EXPECT_EQ(e.maxWindSpeed, 26);
    EXPECT_EQ(e.maxWindHour, 14);
    EXPECT_EQ(e.maxWindDirectionName, "Oeste-Suroeste");

    const SeriesRanges r = seriesRangesOf(g);
    EXPECT_EQ(r.maxTemperature, 31);
    EXPECT_EQ(r.minDewPoint, 7);
    EXPECT_EQ(r.maxPressure, 1016);
    EXPECT_EQ(r.minPressure, 1012);
    EXPECT_EQ(r.maxWindSpeed, 26);
    EXPECT_EQ(r.minWindSpeed, 2);
}

// Purpose: a maximum reached twice goes to the later slot, unless the first
// present slot holds it; minima likewise.
TEST(GraphExtremes, TiesGoToTheLaterSlotExceptTheFirstPresentOne) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> slotTemperatures;
        int maxHour, minHour;
    };
    const std::vector<Case> cases = {
        {"later slot wins", {{3, 10}, {5, 20}, {9, 20}, {12, 15}}, 9, 3},
        {"first present slot keeps it", {{3, 20}, {5, 20}, {9, 20}}, 3, 3},
        {"leading gap, first present keeps", {{6, 20}, {8, 11}, {20, 20}, {22, 11}}, 6, 22},
        {"slot 23 wins a tie", {{0, 5}, {10, 30}, {23, 30}}, 23, 0},
    };
    for (const Case& c : cases) {
        GraphSeries g = emptySeries();
        for (const auto& [slot, t] : c.slotTemperatures) {
            g.temperature[slot] = t;
        }
        const DailyExtremes e = extremesOf(g);
        EXPECT_EQ(e.maxTemperatureHour, c.maxHour) << c.name;
        EXPECT_EQ(e.minTemperatureHour, c.minHour) << c.name;
    }
}

// Purpose: the extremes' hours are local hours: shifted by the offset unless
// the caller says the hours are already local.
TEST(GraphExtremes, HoursAreShiftedByTheTimeOffset) {
    GraphSeries g = emptySeries();
    g.temperature[4] = 12;
    g.temperature[15] = 30;
    g.pressure[7] = 1010;
    g.windSpeed[20] = 40;
    g.windDirection[20] = "Calm";
    const DailyExtremes shifted = extremesOf(g, true, 2);
    EXPECT_EQ(shifted.maxTemperatureHour, 17);
    EXPECT_EQ(shifted.minTemperatureHour, 6);
    EXPECT_EQ(shifted.maxPressureHour, 9);
    EXPECT_EQ(shifted.minPressureHour, 9);
    EXPECT_EQ(shifted.maxWindHour, 22);
    EXPECT_EQ(shifted.maxWindDirectionName, "Calma");
    EXPECT_EQ(extremesOf(g, true, -1).maxTemperatureHour, 14);
    EXPECT_EQ(extremesOf(g, true, -1).minTemperatureHour, 3);
    EXPECT_EQ(extremesOf(g, false, 2).maxTemperatureHour, 15);
}

// Purpose: a quantity that the series lacks keeps its old extremes, and
// repainting does not shift their hours again and again.
TEST(GraphExtremes, MissingQuantityKeepsOldValuesWithoutDrift) {
    GraphSeries g = emptySeries();
    g.temperature[10] = 20;
    DailyExtremes e;
    e.maxPressure = 1020;
    e.maxPressureHour = 8;
    e.maxWindSpeed = 30;
    e.maxWindHour = 9;
    for (int repaint = 0; repaint < 3; ++repaint) {
        startDailyExtremes(g, e);
        finishDailyExtremes(g, true, 1, e);
    }
    EXPECT_EQ(e.maxPressure, 1020);
    EXPECT_EQ(e.maxPressureHour, 8);
    EXPECT_EQ(e.maxWindHour, 9);
    EXPECT_EQ(e.maxTemperatureHour, 11);
}

TEST(GraphExtremes, NoTemperatureClearsHasTemperature) {
    GraphSeries g = emptySeries();
    DailyExtremes e;
    e.hasTemperature = true;
    startDailyExtremes(g, e);
    EXPECT_FALSE(e.hasTemperature);
    const SeriesRanges r = seriesRangesOf(g);
    EXPECT_FALSE(r.hasTemperature);
    EXPECT_FALSE(r.hasDewPoint);
    EXPECT_EQ(r.minDewPoint, kMissing);
}

} // namespace
} // namespace brisalta
