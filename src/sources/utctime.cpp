// Calendar arithmetic on UTC instants, through the standard calendar types.
#include "sources/utctime.h"

#include "sources/delimitedtext.h"

#include <charconv>
#include <chrono>

namespace brisalta::sources {
namespace {

using namespace std::chrono;

constexpr std::int64_t kSecondsPerHour = 3600;
constexpr std::int64_t kSecondsPerDay = 86400;

// Reads exactly `width` digits at `pos`, advancing it.
bool readDigits(std::string_view text, std::size_t& pos, std::size_t width, int& value) {
    if (pos + width > text.size()) {
        return false;
    }
    for (std::size_t i = pos; i < pos + width; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
    }
    std::from_chars(text.data() + pos, text.data() + pos + width, value);
    pos += width;
    return true;
}

bool expect(std::string_view text, std::size_t& pos, char wanted) {
    if (pos >= text.size() || text[pos] != wanted) {
        return false;
    }
    ++pos;
    return true;
}

} // namespace

std::optional<std::int64_t> utcSecondsOf(int year, int month, int day, int hour, int minute,
                                         int second) {
    if (year < 1970 || year > 9999 || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
        second < 0 || second > 59) {
        return std::nullopt;
    }
    const year_month_day date{std::chrono::year{year},
                              std::chrono::month{static_cast<unsigned>(month)},
                              std::chrono::day{static_cast<unsigned>(day)}};
    if (month < 1 || month > 12 || day < 1 || !date.ok()) {
        return std::nullopt;
    }
    const std::int64_t days = sys_days{date}.time_since_epoch().count();
    return days * kSecondsPerDay + hour * kSecondsPerHour + minute * 60 + second;
}

std::optional<std::int64_t> parseUtcTimestamp(std::string_view text) {
    text = trimmed(text);
    std::size_t pos = 0;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!readDigits(text, pos, 4, year) || !expect(text, pos, '-') ||
        !readDigits(text, pos, 2, month) || !expect(text, pos, '-') ||
        !readDigits(text, pos, 2, day)) {
        return std::nullopt;
    }
    if (pos >= text.size() || (text[pos] != ' ' && text[pos] != 'T')) {
        return std::nullopt;
    }
    ++pos;
    if (!readDigits(text, pos, 2, hour) || !expect(text, pos, ':') ||
        !readDigits(text, pos, 2, minute)) {
        return std::nullopt;
    }
    if (pos < text.size() && text[pos] == ':') {
        ++pos;
        if (!readDigits(text, pos, 2, second)) {
            return std::nullopt;
        }
        if (pos < text.size() && text[pos] == '.') {
            ++pos;
            const std::size_t digits = pos;
            while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
                ++pos;
            }
            if (pos == digits) {
                return std::nullopt;
            }
        }
    }
    if (pos < text.size() && text[pos] == 'Z') {
        ++pos;
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    return utcSecondsOf(year, month, day, hour, minute, second);
}

std::int64_t hourStartOf(std::int64_t seconds) {
    std::int64_t start = seconds - seconds % kSecondsPerHour;
    if (seconds % kSecondsPerHour < 0) {
        start -= kSecondsPerHour;
    }
    return start;
}

UtcFields utcFieldsOf(std::int64_t seconds) {
    const sys_seconds instant{std::chrono::seconds{seconds}};
    const sys_days date = floor<days>(instant);
    const year_month_day ymd{date};
    const std::int64_t inDay = (instant - date).count();
    UtcFields fields;
    fields.year = static_cast<int>(ymd.year());
    fields.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    fields.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    fields.hour = static_cast<int>(inDay / kSecondsPerHour);
    fields.minute = static_cast<int>(inDay % kSecondsPerHour / 60);
    return fields;
}

} // namespace brisalta::sources
