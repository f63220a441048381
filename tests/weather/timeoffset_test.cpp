// Local time of an observation: hours added one at a time, days never carried
// into the month.
#include "weather/timeoffset.h"

#include <gtest/gtest.h>

#include <climits>

namespace brisalta {
namespace {

// Purpose: the day and hhmm each offset gives, at midnight and at the month's edges.
TEST(TimeOffset, ShiftsDayAndTime) {
    struct Case {
        int day, hhmm, offset;
        int expectedDay, expectedHhmm;
    };
    const Case cases[] = {
        {29, 2330, 2, 30, 130},  // past midnight: next day
        {1, 300, -5, 0, 2200},   // before midnight: day 0, the month stays
        {15, 1000, -5, 15, 500}, // same day
        {15, 1000, 0, 15, 1000},
        {31, 2300, 1, 32, 0},    // day 32 is possible
        {10, 1245, 1, 10, 1345},
        {10, 2359, 1, 11, 59},
        {10, 500, -5, 10, 0},    // exactly the offset: same day
        {10, 459, -5, 9, 2359},
        {10, 1200, 24, 11, 1200},
        {10, 1200, 25, 11, 1300},
        {10, 1200, -24, 9, 1200}, // no hours are added back
        {10, 1200, -30, 9, 1200},
    };
    for (const Case& c : cases) {
        int day = c.day;
        int hhmm = c.hhmm;
        applyTimeOffset(day, hhmm, c.offset);
        EXPECT_EQ(day, c.expectedDay) << c.day << " " << c.hhmm << " " << c.offset;
        EXPECT_EQ(hhmm, c.expectedHhmm) << c.day << " " << c.hhmm << " " << c.offset;
    }
}

// Purpose: a time out of range behaves as the hour-by-hour rule does, without looping or overflowing.
TEST(TimeOffset, StaysBoundedWithDamagedTimesAndHugeOffsets) {
    struct Case {
        int day, hhmm, offset;
        int expectedDay, expectedHhmm;
    };
    const Case cases[] = {
        {1, 5000, 1, 2, 2700},  // one wrap per hour, as hour by hour
        {1, 5000, 2, 3, 400},
        {1, -250, 1, 1, -150},
        {1, -250, 4, 1, 150},
        {1, 100, 48, 3, 100},
        {1, 100, INT_MAX, 1 + INT_MAX / 24, 100 + 100 * (INT_MAX % 24)},
    };
    for (const Case& c : cases) {
        int day = c.day;
        int hhmm = c.hhmm;
        applyTimeOffset(day, hhmm, c.offset);
        EXPECT_EQ(day, c.expectedDay) << c.hhmm << " " << c.offset;
        EXPECT_EQ(hhmm, c.expectedHhmm) << c.hhmm << " " << c.offset;
    }
    int day = INT_MAX;
    int hhmm = INT_MAX;
    applyTimeOffset(day, hhmm, INT_MAX);
    EXPECT_EQ(day, INT_MAX);
    day = INT_MIN;
    hhmm = INT_MIN;
    applyTimeOffset(day, hhmm, INT_MIN);
    EXPECT_EQ(day, INT_MIN);
    EXPECT_EQ(hhmm, INT_MIN);
}

} // namespace
} // namespace brisalta
