// Where the sounding diagram puts heights, temperatures and winds: the height
// scale, the 45° skew, the wind abscissae and the speed step, in design units.
#include "diagram/soundinggeometry.h"

#include "diagramfixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace brisalta {
namespace {

using test::level;

// Purpose: the lowest row lies on the bottom edge and the top height on the
// top edge, full and zoomed, whatever the station's height.
TEST(SoundingGeometry, HeightScaleRunsFromLowestRowToTopHeight) {
    struct Case {
        float h0;
        bool zoomed;
        float height;
        int y;
    };
    const Case cases[] = {
        {0.0f, false, 0.0f, 465},       {0.0f, false, 16500.0f, 85},
        {0.0f, false, 8250.0f, 275},    {600.0f, false, 600.0f, 465},
        {600.0f, false, 1600.0f, 441}, // 85 + 380 · 14900 / 15900 = 441.1
        {0.0f, true, 3000.0f, 275},     {0.0f, true, 6000.0f, 85},
        {600.0f, true, 20000.0f, -900}, {-150.0f, false, -150.0f, 465},
    };
    for (const Case& c : cases) {
        const SoundingGeometry g = soundingGeometry(c.h0, c.zoomed);
        EXPECT_EQ(g.rowY(c.height), c.y) << c.h0 << (c.zoomed ? " zoomed " : " ") << c.height;
        EXPECT_EQ(g.stepY(c.height), c.y) << c.h0 << (c.zoomed ? " zoomed " : " ") << c.height;
    }
}

TEST(SoundingGeometry, GridStepsAreAThreeHundredthOfTheSpan) {
    const SoundingGeometry full = soundingGeometry(600.7f, false);
    EXPECT_EQ(full.h0, 600);
    EXPECT_EQ(full.span, 15900);
    EXPECT_EQ(full.dz, 53);
    EXPECT_EQ(full.stepHeight(10), 1130.0);
    const SoundingGeometry zoomed = soundingGeometry(1000.0f, true);
    EXPECT_EQ(zoomed.span, 5000);
    EXPECT_EQ(zoomed.dz, 16); // integer division
    EXPECT_EQ(zoomed.off, 110);
}

// Purpose: a lowest row at or above the top height leaves no scale to draw
// on, and asking for positions then gives defined values.
TEST(SoundingGeometry, LowestRowAtOrAboveTheTopIsNotAScale) {
    for (const float h0 : {6000.0f, 7000.0f, std::numeric_limits<float>::quiet_NaN()}) {
        const SoundingGeometry g = soundingGeometry(h0, true);
        if (std::isnan(h0)) {
            EXPECT_TRUE(g.valid()); // a NaN height truncates to 0 m
            continue;
        }
        EXPECT_FALSE(g.valid()) << h0;
        EXPECT_EQ(g.rowY(100.0f), kPanelBottom);
        EXPECT_EQ(g.stepY(100.0), kPanelBottom);
    }
    EXPECT_TRUE(soundingGeometry(5999.0f, true).valid());
    EXPECT_FALSE(soundingGeometry(16500.0f, false).valid());
}

// Purpose: isotherms run at 45°, −30 °C (−10 °C zoomed) on the left edge,
// 10 °C every 30 units along the bottom.
TEST(SoundingGeometry, SkewPutsIsothermsAtFortyFiveDegrees) {
    struct Case {
        bool zoomed;
        float celsius;
        int y;
        int x;
    };
    const Case cases[] = {
        {false, -30.0f, 465, 80}, {false, 0.0f, 465, 170},
        {false, 10.0f, 465, 200}, {false, 0.0f, 435, 200},
        {false, 0.0f, 165, 470},  {true, -10.0f, 465, 80},
        {true, 0.0f, 465, 110},   {true, 20.0f, 405, 230},
        {false, 12.5f, 300, 372}, // 37.5 + 170 + 165 = 372.5
    };
    for (const Case& c : cases) {
        const SoundingGeometry g = soundingGeometry(0.0f, c.zoomed);
        EXPECT_EQ(g.curveX(c.celsius, c.y), c.x) << c.celsius << " at " << c.y;
        EXPECT_EQ(g.lineX(c.celsius, c.y), c.x) << c.celsius << " at " << c.y;
        EXPECT_EQ(g.adiabatX(c.celsius, c.y), c.x) << c.celsius << " at " << c.y;
    }
    // The adiabats truncate the temperature's abscissa before adding the skew,
    // the mixing-ratio lines after: they part where 3T + 170 is negative.
    const SoundingGeometry g = soundingGeometry(0.0f, false);
    EXPECT_EQ(g.adiabatX(-56.9, 265), 200);
    EXPECT_EQ(g.lineX(-56.9, 265), 199);
}

// Purpose: the direction panel reads S, W, N, E, S from left to right, and a
// change across south draws from one side of the panel to the other.
TEST(SoundingGeometry, WindDirectionAbscissae) {
    EXPECT_EQ(directionX(180.0f, false), 465);
    EXPECT_EQ(directionX(270.0f, false), 541);
    EXPECT_EQ(directionX(360.0f, false), 617);
    EXPECT_EQ(directionX(0.0f, true), 617);
    EXPECT_EQ(directionX(90.0f, true), 693);
    EXPECT_EQ(directionX(180.0f, true), 769);

    struct Case {
        float d1, d2;
        bool drawable;
        int x1, x2;
    };
    const Case cases[] = {
        {170.0f, 190.0f, true, 760, 473}, // across south: the whole panel
        {190.0f, 170.0f, true, 473, 760},
        {350.0f, 10.0f, true, 608, 625}, // across north: a short step
        {0.0f, 180.0f, true, 617, 769},
        {270.0f, 180.0f, true, 541, 465},
        {-5.0f, 90.0f, false, 0, 0},
        {std::numeric_limits<float>::quiet_NaN(), 90.0f, false, 0, 0},
        {90.0f, std::numeric_limits<float>::quiet_NaN(), false, 693, 0},
    };
    for (const Case& c : cases) {
        const DirectionSegment s = directionSegment(c.d1, c.d2);
        EXPECT_EQ(s.drawable, c.drawable) << c.d1 << " -> " << c.d2;
        if (c.drawable) {
            EXPECT_EQ(s.x1, c.x1) << c.d1 << " -> " << c.d2;
            EXPECT_EQ(s.x2, c.x2) << c.d1 << " -> " << c.d2;
        }
    }
}

// Purpose: the speed step comes from every row but the last, in km/h.
TEST(SoundingGeometry, WindSpeedStepLeavesTheLastRowOut) {
    const auto rows = [](std::initializer_list<float> speeds) {
        std::vector<SoundingRow> r;
        for (const float s : speeds) {
            r.push_back(level(900.0f, 1000.0f, 0.0f, 0.0f, 50.0f, 0.0f, s));
        }
        return r;
    };
    struct Case {
        std::vector<SoundingRow> rows;
        bool knots;
        int step;
    };
    const Case cases[] = {
        {rows({10.0f, 20.0f, 99.0f}), true, 5},  // 20 kt = 37.04 km/h: 37 / 8 + 1
        {rows({10.0f, 20.0f, 99.0f}), false, 3}, // 20 / 8 + 1
        {rows({15.9f, 15.9f}), false, 2},        // truncated to 15 first
        {rows({63.0f, 64.0f}), false, 8},        {rows({64.0f, 1.0f}), false, 9},
        {rows({-40.0f, 0.0f}), false, 1},        {rows({}), true, 1},
        {rows({3e38f, 1.0f}), true, 268435456}, // clamped, never overflows
    };
    for (const Case& c : cases) {
        EXPECT_EQ(windSpeedStep(c.rows, c.knots), c.step);
    }
}

// Purpose: the curve uses 37.5 units a step where the labels stand 36 apart,
// so label k sits 1.5 k units left of its speed on the curve.
TEST(SoundingGeometry, SpeedLabelsDriftFromTheCurve) {
    for (int k = 0; k <= 8; ++k) {
        const int x = speedX(12.0 * k, 12);
        EXPECT_EQ(x, static_cast<int>(465 + 37.5 * k)) << k;
        EXPECT_NEAR(x - (465 + 36 * k), 1.5 * k, 0.5) << k;
    }
    EXPECT_EQ(speedX(10.0, 0), 465 + 375); // a step below 1 counts as 1
    EXPECT_EQ(speedX(std::numeric_limits<double>::quiet_NaN(), 5), 0);
}

TEST(SoundingGeometry, PrintingUsesOnePointZeroSevenForEveryFactor) {
    const GraphFactors f = soundingFactors(1920, 1080, 96, PageMapping::print());
    EXPECT_EQ(f.x(80), 98);   // 80 · 1.07³ = 98.003
    EXPECT_EQ(f.y(465), 569); // 465 · 1.07³ = 569.65
    EXPECT_EQ(f.fontScale(), FontScale::Large);
    const GraphFactors screen = soundingFactors(800, 600, 96, PageMapping::screen(1.0));
    EXPECT_EQ(screen.x(465), 465);
    EXPECT_EQ(screen.fontScale(), FontScale::Normal);
}

} // namespace
} // namespace brisalta
