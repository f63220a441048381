// Placement rules of the 24-hour graph: design-to-device factors, hour shifts,
// label offsets, compass rows and value scales.
#include "graph/graphgeometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace brisalta {
namespace {

// Purpose: design units become device units by multiplication and truncation.
TEST(GraphGeometry, ScreenFactorsTruncateEachProduct) {
    struct Case {
        int h, v, p;
        double scale;
        int designX, designY, deviceX, deviceY;
    };
    const Case cases[] = {
        {1920, 1080, 96, 0.96, 800, 600, 1843, 1036}, // 800·2.4·0.96 = 1843.2, 600·1.8·0.96 = 1036.8
        {1920, 1080, 96, 0.96, 105, 85, 241, 146},
        {800, 600, 96, 1.0, 105, 85, 105, 85},        // one unit per pixel
        {1280, 1024, 120, 0.96, 100, 100, 122, 131},  // 100·1.6·0.8·0.96, 100·1.7067·0.8·0.96
        {1920, 1080, 96, 0.96, -5, -6, -11, -10},     // toward zero, not down
    };
    for (const Case& c : cases) {
        const GraphFactors f = screenFactors(c.h, c.v, c.p, c.scale);
        EXPECT_EQ(f.x(c.designX), c.deviceX) << c.h << "x" << c.v << " X " << c.designX;
        EXPECT_EQ(f.y(c.designY), c.deviceY) << c.h << "x" << c.v << " Y " << c.designY;
    }
}

TEST(GraphGeometry, PrintFactorsKeepDesignUnits) {
    const GraphFactors f = printFactors();
    EXPECT_EQ(f.x(690), 690);
    EXPECT_EQ(f.y(470), 470);
    EXPECT_EQ(f.fontScale(), FontScale::Normal);
}

// Purpose: a device that reports no size or resolution, or a nonsense scale,
// never produces infinite or undefined positions.
TEST(GraphGeometry, DegenerateDevicesFallBackToTheDesignScreen) {
    const GraphFactors zero = screenFactors(0, 0, 0, 1.0);
    EXPECT_EQ(zero.x(800), 800);
    EXPECT_EQ(zero.y(600), 600);
    const GraphFactors nan = screenFactors(800, 600, 96, std::nan(""));
    EXPECT_EQ(nan.x(400), 400);
    EXPECT_EQ(screenFactors(800, 600, 96, 1.0).yRatio(100, 0), 0);
    EXPECT_EQ(screenFactors(800, 600, 96, 1.0).x(1e300), kDeviceLimit);
}

// Purpose: which font set a screen gets.
TEST(GraphGeometry, FontScaleFollowsScreenWidthAndResolution) {
    struct Case {
        int h, p;
        FontScale scale;
    };
    const Case cases[] = {
        {1920, 96, FontScale::Large},  {800, 96, FontScale::Normal}, {640, 96, FontScale::Small},
        {1920, 120, FontScale::Small}, {800, 72, FontScale::Normal},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(screenFactors(c.h, 600, c.p, 0.96).fontScale(), c.scale) << c.h << " at " << c.p;
    }
}

// Purpose: the time offset moves hours forward with 24 wrapping to 0.
TEST(GraphGeometry, AdvanceHourAppliesTheTimeOffset) {
    struct Case {
        int hour, offset, expected;
    };
    const Case cases[] = {
        {0, -1, 23},   {23, 1, 0},  {22, 3, 1},  {5, 0, 5},   {5, -24, 5}, {5, -30, 5},
        {10, 24, 10},  {10, 1000000007, (10 + 1000000007) % 24},
        {30, 2, 32},   // an impossible hour never reaches 24, so it never wraps
        {-3, 2, -1},   {-3, 30, 3}, {INT_MAX, 5, INT_MAX}, {7, INT_MIN, 7},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(advanceHour(c.hour, c.offset), c.expected) << c.hour << " + " << c.offset;
    }
}

// Purpose: label placement rules of the axes.
TEST(GraphGeometry, LabelOffsetsDependOnLabelLength) {
    EXPECT_EQ(shownHour(24), 0);
    EXPECT_EQ(shownHour(25), 1);
    EXPECT_EQ(shownHour(23), 23);
    EXPECT_EQ(shownHour(26), 26);
    EXPECT_EQ(valueLabelOffset(1), 0);
    EXPECT_EQ(valueLabelOffset(2), 0);
    EXPECT_EQ(valueLabelOffset(3), -8);
    EXPECT_EQ(valueLabelOffset(4), -15);
    EXPECT_EQ(valueLabelOffset(11), -15);
    EXPECT_EQ(humidityLabelOffset(3), 28);
    EXPECT_EQ(humidityLabelOffset(2), 29);
}

// Purpose: rows of the wind-direction panel and the texts that have no direction.
TEST(GraphGeometry, DirectionRowsFollowTheCompass) {
    struct Case {
        const char* text;
        int row;
        bool noDirection;
    };
    const Case cases[] = {
        {"N", 310, false},    {"NNE", 320, false},     {"E", 350, false},  {"S", 390, false},
        {"WSW", 420, false},  {"NNW", 460, false},     {"Calma", 310, false}, {"Variable", 310, true},
        {"No", 310, true},    {"Calm", 310, true},     {"---", 310, true}, {"", 310, false},
        {"nne", 310, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(directionRow(c.text), c.row) << c.text;
        EXPECT_EQ(hasNoDirection(c.text), c.noDirection) << c.text;
    }
}

// Purpose: eight labels, step = (highest − lowest) / 7 + 1, and a usable scale
// even when the lowest value lies far above the highest.
TEST(GraphGeometry, ValueScaleStepsAndTop) {
    struct Case {
        long long lowest, highest;
        int minimum, step, top;
    };
    const Case cases[] = {
        {7, 31, 7, 4, 35},
        {1012, 1016, 1012, 1, 1019},
        {0, 0, 0, 1, 7},
        {20, 15, 20, 1, 27},     // 5 below: the step is still 1, nothing swapped
        {20, 10, 10, 2, 24},     // step 0 would divide by zero: swapped
        {6666, 20, 20, 950, 6670}, // a missing minimum must not invert the scale
        {INT_MIN, INT_MAX, INT_MIN, 613566757, INT_MAX},
    };
    for (const Case& c : cases) {
        const ValueScale s = valueScale(c.lowest, c.highest);
        EXPECT_EQ(s.minimum, c.minimum) << c.lowest << ".." << c.highest;
        EXPECT_EQ(s.step, c.step) << c.lowest << ".." << c.highest;
        EXPECT_EQ(s.top(), c.top) << c.lowest << ".." << c.highest;
        EXPECT_GE(s.step, 1);
    }
}

} // namespace
} // namespace brisalta
