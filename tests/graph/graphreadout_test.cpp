// The read-out of the 24-hour graph: which hour lies under a design point and
// how its values are written, by the same columns the curves are drawn on.
#include "graph/graphreadout.h"

#include "graphfixture.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

namespace brisalta {
namespace {

GraphModel summerDay(int offsetHours = 0) {
    auto session = test::summerDaySession();
    session->selection.timeOffsetHours = offsetHours;
    return prepareGraph(*session);
}

// Purpose: every panel maps its columns to the same slots (slot i at x0 + 10·i,
// x0 = 105 on the left, 460 on the right), the nearest column wins, the ends
// belong to the first and last slots, and the hour is the one the axes show.
TEST(GraphReadout, HitTestingByPanelColumns) {
    const GraphModel model = summerDay(2);
    ASSERT_TRUE(model.drawable);
    struct Case {
        double x, y;
        int slot; // -1: nothing
    };
    const Case cases[] = {
        {105, 150, 0},  {110, 150, 1},  {114, 150, 1},  {115.5, 150, 1}, {335, 150, 23},
        {90, 150, 0},   {338, 380, 23}, {460, 150, 0},  {690, 400, 23},  {575, 400, 12},
        {235, 400, 13}, {445, 100, 0},  {80, 150, -1},  {390, 150, -1},  {700, 150, -1},
        {200, 60, -1},  {200, 500, -1}, {200, 280, 10},
    };
    for (const Case& c : cases) {
        const auto r = graphReadoutAt(model, c.x, c.y);
        if (c.slot < 0) {
            EXPECT_FALSE(r) << c.x << "," << c.y;
            continue;
        }
        ASSERT_TRUE(r) << c.x << "," << c.y;
        EXPECT_EQ(r->slot, c.slot) << c.x << "," << c.y;
        EXPECT_EQ(r->hour, (model.axisStartHour + c.slot) % 24);
        EXPECT_EQ(r->temperature, model.series.temperature[static_cast<std::size_t>(c.slot)]);
        EXPECT_EQ(r->humidity, model.humidity[static_cast<std::size_t>(c.slot)]);
    }
    // UTC 23 shifted by two hours is the first label: 1.
    EXPECT_EQ(graphReadoutAt(model, 105, 150)->hour, 1);
    EXPECT_EQ(graphReadoutAt(model, 335, 150)->hour, 0);
}

// Purpose: a graph that draws nothing reads nothing.
TEST(GraphReadout, NothingOnAGraphWithoutData) {
    GraphModel empty;
    EXPECT_FALSE(graphReadoutAt(empty, 200, 150));
}

// Purpose: the read-out writes every value with its unit, the wind in words,
// "sin dato" for a missing value and calm as such.
TEST(GraphReadout, TextOfAnHour) {
    struct Case {
        GraphReadout readout;
        std::string text;
    };
    const Case cases[] = {
        {{14, 14, 31, 18, 45, 1012, 19, "SE"},
         "14 h\nTemperatura: 31 ºC\nPunto de rocío: 18 ºC\nHumedad relativa: 45 %\n"
         "Presión: 1012 mb\nViento: 19 km/h del Sureste"},
        {{0, 3, kMissing, kMissing, kMissing, kMissing, kMissing, "No"},
         "3 h\nTemperatura: sin dato\nPunto de rocío: sin dato\nHumedad relativa: sin dato\n"
         "Presión: sin dato\nViento: sin dato"},
        {{5, 7, -2, -5, 80, 945, kMissing, "Calm"},
         "7 h\nTemperatura: -2 ºC\nPunto de rocío: -5 ºC\nHumedad relativa: 80 %\n"
         "Presión: 945 mb\nViento: calma"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text::toUtf8(graphReadoutText(c.readout)), c.text);
    }
}

} // namespace
} // namespace brisalta
