// System clock.
#include "adapters/systemclock.h"

#include <chrono>
#include <time.h>

namespace brisalta {

std::int64_t SystemClock::now() const {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::int64_t SystemClock::localTime(const std::tm& fields) const {
    std::tm copy = fields;
    return static_cast<std::int64_t>(::mktime(&copy));
}

std::tm SystemClock::toLocal(std::int64_t seconds) const {
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm out{};
    ::localtime_r(&t, &out);
    return out;
}

} // namespace brisalta
