// The clock port: the current time and the local-time conversion the second
// sounding service's date is built with.
#pragma once

#include <cstdint>
#include <ctime>

namespace brisalta {

class Clock {
public:
    virtual ~Clock() = default;

    // Seconds since 1970-01-01 UTC.
    virtual std::int64_t now() const = 0;

    // mktime(): a broken-down local time to seconds since 1970 (fields out of
    // range are normalised; the daylight-saving flag is taken as given).
    virtual std::int64_t localTime(const std::tm& fields) const = 0;

    // Broken-down local time of an instant.
    virtual std::tm toLocal(std::int64_t seconds) const = 0;
};

} // namespace brisalta
