// UTC instants of the services' answers: reading their timestamps and taking
// an instant apart into the calendar fields the graph keeps.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace brisalta::sources {

// Seconds since 1970-01-01 00:00 UTC of a calendar date and time, or nothing
// when a field is out of its range (month 1..12, a day the month has, hour
// 0..23, minute and second 0..59) or the year is outside 1970..9999.
std::optional<std::int64_t> utcSecondsOf(int year, int month, int day, int hour, int minute,
                                         int second = 0);

// Reads "YYYY-MM-DD HH:MM", optionally followed by ":SS", a fraction of a
// second and a trailing "Z"; a "T" may stand for the blank. Surrounding blanks
// are ignored. Nothing for any other text.
std::optional<std::int64_t> parseUtcTimestamp(std::string_view text);

struct UtcFields {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31
    int hour = 0;  // 0..23
    int minute = 0;
};

// The calendar fields of an instant in UTC (seconds since 1970-01-01).
UtcFields utcFieldsOf(std::int64_t seconds);

// The start of the clock hour holding the instant (seconds, floored to 3600).
std::int64_t hourStartOf(std::int64_t seconds);

} // namespace brisalta::sources
