// The timestamps of the services' answers and the calendar fields of an instant.
#include "sources/utctime.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace brisalta::sources {
namespace {

// Both API schemas, the mesonet's "valid" column and the sounding CSV's time;
// anything else is refused rather than misread.
TEST(UtcTime, ReadsTheServicesTimestamps) {
    struct Case {
        std::string text;
        std::optional<std::int64_t> seconds;
    };
    const Case cases[] = {
        {"2023-10-27 15:30:00", 1698420600},
        {"2025-11-13T14:00:00.000Z", 1763042400},
        {"2025-11-13T13:53:00Z", 1763041980},
        {" 2024-03-01 00:52 ", 1709254320},
        {"1999-05-03 23:02:00", 925772520},
        {"2024-02-29 12:00", 1709208000},
        {"2023-02-29 12:00", std::nullopt},
        {"2023-13-01 00:00", std::nullopt},
        {"2023-10-27 24:00", std::nullopt},
        {"2023-10-27", std::nullopt},
        {"2023-10-27 15:30:00.Z", std::nullopt},
        {"2023-10-27 15:30:00+02:00", std::nullopt},
        {"1969-12-31 23:00", std::nullopt},
        {"27/10/2023 15:30", std::nullopt},
        {"M", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseUtcTimestamp(c.text), c.seconds) << c.text;
    }
}

TEST(UtcTime, TakesInstantsApart) {
    struct Case {
        std::int64_t seconds;
        UtcFields fields;
        std::int64_t hourStart;
    };
    const Case cases[] = {
        {0, {1970, 1, 1, 0, 0}, 0},
        {1763041980, {2025, 11, 13, 13, 53}, 1763038800},
        {1709208000 + 59, {2024, 2, 29, 12, 0}, 1709208000},
        {253402300799, {9999, 12, 31, 23, 59}, 253402297200},
    };
    for (const Case& c : cases) {
        const UtcFields f = utcFieldsOf(c.seconds);
        EXPECT_EQ(f.year, c.fields.year) << c.seconds;
        EXPECT_EQ(f.month, c.fields.month) << c.seconds;
        EXPECT_EQ(f.day, c.fields.day) << c.seconds;
        EXPECT_EQ(f.hour, c.fields.hour) << c.seconds;
        EXPECT_EQ(f.minute, c.fields.minute) << c.seconds;
        EXPECT_EQ(hourStartOf(c.seconds), c.hourStart) << c.seconds;
    }
}

} // namespace
} // namespace brisalta::sources
