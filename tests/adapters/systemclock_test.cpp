// The system clock's local-time rules, which build the second sounding
// service's date parameter.
#include "adapters/systemclock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace brisalta {
namespace {

// Runs the test in one time zone and restores the process's afterwards.
class TimeZone {
public:
    explicit TimeZone(const char* tz) {
        if (const char* old = std::getenv("TZ")) {
            mOld = old;
        }
        ::setenv("TZ", tz, 1);
        ::tzset();
    }
    ~TimeZone() {
        if (mOld) {
            ::setenv("TZ", mOld->c_str(), 1);
        } else {
            ::unsetenv("TZ");
        }
        ::tzset();
    }
    TimeZone(const TimeZone&) = delete;
    TimeZone& operator=(const TimeZone&) = delete;

private:
    std::optional<std::string> mOld;
};

std::tm fields(int year, int month, int day, int hour, int isDst) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_isdst = isDst;
    return t;
}

// Local time follows the zone, and a daylight-saving flag of 0 is taken as
// given even in summer (the date is then one hour later in UTC than it reads).
TEST(SystemClock, ConvertsLocalTimeWithTheFlagAsGiven) {
    const SystemClock clock;
    {
        TimeZone utc("UTC0");
        EXPECT_EQ(clock.localTime(fields(2024, 7, 17, 13, 0)), 1721221200);
    }
    {
        TimeZone madrid("CET-1CEST,M3.5.0,M10.5.0/3");
        EXPECT_EQ(clock.localTime(fields(2024, 7, 17, 13, 0)), 1721217600); // 12:00 UTC
        EXPECT_EQ(clock.localTime(fields(2024, 7, 17, 13, 1)), 1721214000); // 11:00 UTC
        EXPECT_EQ(clock.localTime(fields(2024, 7, 32, 13, 0)), 1722513600); // day 32 is 1 August
        const std::tm back = clock.toLocal(1721214000);
        EXPECT_EQ(back.tm_hour, 13);
        EXPECT_EQ(back.tm_isdst, 1);
        EXPECT_EQ(back.tm_mday, 17);
    }
}

TEST(SystemClock, NowIsTheSystemTime) {
    const SystemClock clock;
    const auto before = static_cast<std::int64_t>(std::time(nullptr));
    const std::int64_t now = clock.now();
    EXPECT_GE(now, before);
    EXPECT_LE(now, before + 2);
}

} // namespace
} // namespace brisalta
