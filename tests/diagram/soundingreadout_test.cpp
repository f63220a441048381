// The read-out of the sounding diagram: the height under a design point on
// the full and the zoomed scale, and the values interpolated between the two
// levels around it.
#include "diagram/soundingreadout.h"

#include "diagramfixture.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

namespace brisalta {
namespace {

SoundingModel modelOf(const std::vector<SoundingRow>& rows, bool zoomed, bool knots) {
    SoundingModel m;
    m.drawable = true;
    m.rows = rows;
    m.zoomed = zoomed;
    m.knots = knots;
    return m;
}

std::vector<SoundingRow> twoLevels() {
    // 1000 m apart: 20 °C to 10 °C, dew point 10 to 0, wind 350° to 10° (the
    // short way round, across north), 10 to 20 knots.
    return {test::level(900.0f, 1000.0f, 20.0f, 10.0f, 50.0f, 350.0f, 10.0f),
            test::level(800.0f, 2000.0f, 10.0f, 0.0f, 50.0f, 10.0f, 20.0f)};
}

// Y of a height on a scale whose lowest row is at h0 and top at `top`.
double yOf(double h, double h0, double top) {
    return 85.0 + 380.0 * (top - h) / (top - h0);
}

// Purpose: a point of either panel reads the level of its height on the scale
// drawn (full or zoomed); outside the panels, below the lowest level or above
// the highest there is nothing to read.
TEST(SoundingReadout, HitTestingByHeight) {
    struct Case {
        bool zoomed;
        double x, height;
        bool found;
    };
    const Case cases[] = {
        {false, 200, 1500, true},  {false, 600, 1500, true},  {true, 200, 1500, true},
        {true, 700, 1250, true},   {false, 420, 1500, false}, {false, 50, 1500, false},
        {false, 200, 2500, false}, {true, 790, 1500, false},
    };
    for (const Case& c : cases) {
        const SoundingModel m = modelOf(twoLevels(), c.zoomed, true);
        const double y = yOf(c.height, 1000, c.zoomed ? 6000 : 16500);
        const auto r = soundingReadoutAt(m, c.x, y);
        ASSERT_EQ(r.has_value(), c.found) << c.x << " " << c.height << " " << c.zoomed;
        if (r) {
            EXPECT_NEAR(r->height, c.height, 1e-6);
        }
    }
    // Below the panel's bottom edge there is nothing, even below the lowest level.
    EXPECT_FALSE(soundingReadoutAt(modelOf(twoLevels(), false, true), 200, 470));
    EXPECT_FALSE(soundingReadoutAt(SoundingModel{}, 200, 300));
}

// Purpose: values are interpolated by height; the wind turns the short way
// and its speed reads in km/h whatever unit the rows hold.
TEST(SoundingReadout, InterpolatesBetweenTheLevels) {
    const double y = yOf(1250, 1000, 16500);
    for (const bool knots : {true, false}) {
        const auto r = soundingReadoutAt(modelOf(twoLevels(), false, knots), 200, y);
        ASSERT_TRUE(r);
        EXPECT_NEAR(r->pressure, 875.0, 1e-6);
        EXPECT_NEAR(r->temperature, 17.5, 1e-6);
        EXPECT_NEAR(r->dewPoint, 7.5, 1e-6);
        EXPECT_NEAR(r->windDirection, 355.0, 1e-6);
        EXPECT_NEAR(r->windSpeed, 12.5 * (knots ? 1.852 : 1.0), 1e-6);
    }
    const auto halfway =
        soundingReadoutAt(modelOf(twoLevels(), false, false), 200, yOf(1500, 1000, 16500));
    ASSERT_TRUE(halfway);
    EXPECT_NEAR(halfway->windDirection, 0.0, 1e-6);
}

// Purpose: the text says height, pressure, temperatures with a decimal comma
// and the wind in words and degrees.
TEST(SoundingReadout, TextOfALevel) {
    SoundingReadout r;
    r.height = 1550.4;
    r.pressure = 852.3;
    r.temperature = 19.66;
    r.dewPoint = -0.04;
    r.windDirection = 158.0;
    r.windSpeed = 11.2;
    EXPECT_EQ(text::toUtf8(soundingReadoutText(r)),
              "1550 m · 852 hPa\nTemperatura: 19,7 ºC\nPunto de rocío: 0,0 ºC\nViento: 11 km/h del "
              "SurSureste (158º)");
}

} // namespace
} // namespace brisalta
