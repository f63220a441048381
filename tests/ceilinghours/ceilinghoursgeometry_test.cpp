// Placement rules of "Techo por horas": the height scale's round steps and
// ends, the height of a metre value on it, the slots, and the short names of
// the wind at the top.
#include "ceilinghours/ceilinghoursgeometry.h"

#include <gtest/gtest.h>

#include <limits>

namespace brisalta {
namespace {

// At most eight round steps, the ends on whole steps and at least one step
// apart; nonsense heights never make a scale that cannot be drawn.
TEST(CeilingHoursGeometry, HeightScaleTakesTheSmallestRoundStep) {
    struct Case {
        double lowest, highest;
        int bottom, top, step;
    };
    const Case cases[] = {
        {70, 1170, 0, 1200, 200}, // Murcia's ground and its 1000 m line
        {43, 2446, 0, 2500, 500},
        {582, 1682, 400, 1800, 200}, // a high airport: the scale starts near it
        {105, 105, 100, 200, 100},   // one height: one step tall
        {-20, 900, -200, 1000, 200}, // below sea level
        {0, 16500, 0, 17500, 2500},
        {0, 60000, 0, 60000, 10000},   // taller than any step of the list
        {2000, 1000, 1000, 2000, 200}, // ends given the wrong way round
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lowest << ".." << c.highest);
        const HeightScale s = heightScaleFor(c.lowest, c.highest);
        EXPECT_EQ(s.bottom, c.bottom);
        EXPECT_EQ(s.top, c.top);
        EXPECT_EQ(s.step, c.step);
    }
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const HeightScale odd = heightScaleFor(nan, 1e300);
    EXPECT_GT(odd.top, odd.bottom);
    EXPECT_LE((odd.top - odd.bottom) / odd.step, 8);
}

TEST(CeilingHoursGeometry, HeightsAndSlots) {
    const HeightScale s{0, 2000, 500};
    EXPECT_EQ(heightY(s, 0), kHoursBottom);
    EXPECT_EQ(heightY(s, 2000), kHoursTop);
    EXPECT_EQ(heightY(s, 1000), (kHoursBottom + kHoursTop) / 2.0);
    EXPECT_EQ(heightY(HeightScale{100, 100, 100}, 500), kHoursBottom);
    EXPECT_EQ(slotLeft(0), kHoursLeft);
    EXPECT_EQ(slotLeft(24), kHoursRight);
    EXPECT_EQ(slotCentre(1) - slotCentre(0), kHourWidth);
}

// The same sectors as the simulation's long names ("SurSuroeste" from 192°).
TEST(CeilingHoursGeometry, DirectionAbbreviations) {
    const std::pair<int, const char*> cases[] = {
        {0, "N"},     {11, "N"},   {12, "NNE"},  {45, "NE"}, {80, "E"},    {191, "S"},
        {192, "SSO"}, {215, "SO"}, {237, "OSO"}, {260, "O"}, {282, "ONO"}, {305, "NO"},
        {327, "NNO"}, {349, "N"},  {400, "N"},   {-5, "N"},
    };
    for (const auto& [degrees, name] : cases) {
        EXPECT_EQ(directionAbbreviation(degrees), name) << degrees;
    }
}

} // namespace
} // namespace brisalta
