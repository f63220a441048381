// The finishing of an automatic-station series on slots set by hand: what
// happens at the limits of the record count and to missing values.
#include "ema/opendataseries.h"

#include "session/sessionstate.h"

#include <gtest/gtest.h>

namespace brisalta {
namespace {

TEST(OpenDataSeries, KeepsZeroTemperaturesButNotZeroPressuresOrSpeeds) {
    SessionState session;
    GraphSeries& g = session.graph;
    g.emaSlotCount = 24;
    g.hasDewPointSeries = true;
    g.windDirection.fill("N");
    g.pressure.fill(930);
    g.windSpeed.fill(5);
    g.pressure[3] = 0;
    g.windSpeed[4] = 0;
    finishOpenDataSeries(session);
    EXPECT_EQ(g.temperature[3], 0);
    EXPECT_EQ(g.dewPoint[3], 0);
    EXPECT_EQ(g.humiditySeries[3], 0);
    EXPECT_EQ(g.pressure[3], kMissing);
    EXPECT_EQ(g.windSpeed[4], kMissing);
    EXPECT_FALSE(g.noPressure);
    EXPECT_FALSE(g.noWindSpeed);
    EXPECT_FALSE(g.allCalm);
}

TEST(OpenDataSeries, MissingHumidityOrTemperatureGivesNoDewPoint) {
    SessionState session;
    GraphSeries& g = session.graph;
    g.emaSlotCount = 24;
    g.humiditySeries.fill(50);
    g.rawTemperature.fill(20.0);
    g.temperature.fill(20);
    g.humiditySeries[0] = kMissing;
    g.temperature[1] = kMissing;
    g.humiditySeries[2] = -5; // no real root
    finishOpenDataSeries(session);
    EXPECT_EQ(g.dewPoint[0], kMissing);
    EXPECT_EQ(g.dewPoint[1], kMissing);
    EXPECT_EQ(g.dewPoint[2], kMissing);
    EXPECT_EQ(g.dewPoint[3], 9);
}

// Purpose: a record count outside 0..24 never moves data past the slots.
TEST(OpenDataSeries, ClampsTheRecordCountToTheSlots) {
    for (int count : {-3, 0, 25, 1000}) {
        SessionState session;
        GraphSeries& g = session.graph;
        g.emaSlotCount = count;
        for (int i = 0; i < kSlots; ++i) {
            g.hour[i] = 100 + i;
            g.temperature[i] = i;
        }
        finishOpenDataSeries(session);
        if (count > 0) {
            EXPECT_EQ(g.temperature[23], 23) << count;
            EXPECT_EQ(g.hour[0], 100) << count;
        } else {
            EXPECT_EQ(g.temperature[23], kMissing) << count;
            EXPECT_EQ(g.hour[0], 100) << count; // nothing to count the hours from
            EXPECT_TRUE(g.allCalm) << count;
        }
    }
}

} // namespace
} // namespace brisalta
