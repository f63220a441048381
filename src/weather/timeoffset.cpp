// Local time of an observation.
#include "weather/timeoffset.h"

#include <climits>
#include <cstdint>

namespace brisalta {
namespace {

int clampToInt(std::int64_t value) {
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

// One step of the clock: an hour later, wrapping past 2399 (the caller decides
// whether the wrap changes the day).
bool addOneHour(std::int64_t& hhmm) {
    hhmm += 100;
    if (hhmm > 2399) {
        hhmm -= 2400;
        return true;
    }
    return false;
}

} // namespace

void applyTimeOffset(int& day, int& hhmm, int offset) {
    std::int64_t d = day;
    std::int64_t t = hhmm;

    if (offset > 0) {
        // The same result as adding one hour `offset` times, without looping
        // over a huge offset or a time that a damaged page left out of range.
        std::int64_t steps = offset;
        if (t > 2399) {
            // Each hour takes 2300 off the time and counts a day until the
            // time is back on the clock.
            const std::int64_t needed = (t - 2399 + 2299) / 2300;
            const std::int64_t taken = needed < steps ? needed : steps;
            t -= 2300 * taken;
            d += taken;
            steps -= taken;
        } else if (t < 0) {
            const std::int64_t needed = (-t + 99) / 100;
            const std::int64_t taken = needed < steps ? needed : steps;
            t += 100 * taken;
            steps -= taken;
        }
        if (t >= 0 && t <= 2399) {
            // On the clock, 24 hours come back to the same time one day later.
            d += steps / 24;
            steps %= 24;
        }
        for (; steps > 0; --steps) {
            if (addOneHour(t)) {
                ++d;
            }
        }
    } else if (offset < 0) {
        if (t < -static_cast<std::int64_t>(offset) * 100) {
            --d;
        }
        for (std::int64_t steps = 24 + static_cast<std::int64_t>(offset); steps > 0; --steps) {
            addOneHour(t);
        }
    }

    day = clampToInt(d);
    hhmm = clampToInt(t);
}

} // namespace brisalta
