// OpenData value conversions.
#include "ema/opendatavalues.h"

#include "session/sessionstate.h"
#include "surface/compass.h"
#include "surface/derived.h"
#include "text/streamreader.h"
#include "text/textutil.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <string>

namespace brisalta::opendata {
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

bool fitsInt(double x) {
    return x >= static_cast<double>(INT_MIN) && x <= static_cast<double>(INT_MAX);
}

} // namespace

double leadingNumber(std::string_view value) {
    text::StreamReader reader{std::string(value)};
    double number = 0.0;
    if (reader.readDouble(number) != text::ScanResult::Converted) {
        return 0.0;
    }
    return number;
}

int nearestOrMissing(double x) {
    if (!std::isfinite(x)) {
        return kMissing;
    }
    const double rounded = roundToDecimals(x, 0);
    return fitsInt(rounded) ? static_cast<int>(rounded) : kMissing;
}

int truncOrMissing(double x) {
    if (!std::isfinite(x)) {
        return kMissing;
    }
    const double truncated = std::trunc(x);
    return fitsInt(truncated) ? static_cast<int>(truncated) : kMissing;
}

std::optional<std::string_view> compassOfDegrees(double degrees) {
    if (!(degrees >= 0.0 && degrees < 360.0)) {
        return std::nullopt;
    }
    if (degrees >= 348.75) {
        return compass::kAbbreviations[0];
    }
    // Sector i (1..15) starts at 11.25 + 22.5·(i − 1); every bound is exact in binary.
    int sector = 0;
    for (int i = 1; i < 16; ++i) {
        if (degrees >= 11.25 + 22.5 * (i - 1)) {
            sector = i;
        }
    }
    return compass::kAbbreviations[sector];
}

std::optional<ObservationTime> parseObservationTime(std::string_view fint) {
    if (fint.size() < 13) {
        return std::nullopt;
    }
    ObservationTime t;
    t.year = text::leadingInteger(fint.substr(0, 4));
    t.month = text::leadingInteger(fint.substr(5, 2));
    t.day = text::leadingInteger(fint.substr(8, 2));
    t.hour = text::leadingInteger(fint.substr(11, 2));
    return t;
}

void shiftByTimeOffset(int& day, int& hhmm, int offsetHours) {
    std::int64_t d = day;
    std::int64_t t = hhmm;
    const std::int64_t offset = offsetHours;
    const auto step = [&t, &d](bool carryDay) {
        t += 100;
        if (t > 2399) {
            t -= 2400;
            if (carryDay) {
                ++d;
            }
        }
    };
    if (offset > 0) {
        std::int64_t steps = offset;
        // Once the time lies within a day, every 24 steps bring it back one day
        // later, so a huge offset needs no more than 24 single steps.
        while (steps > 0 && (t < 0 || t > 2399)) {
            step(true);
            --steps;
        }
        d += steps / 24;
        for (steps %= 24; steps > 0; --steps) {
            step(true);
        }
    } else if (offset < 0) {
        if (t < -100 * offset) {
            --d;
        }
        if (offset > -24) {
            for (std::int64_t i = 0; i < 24 + offset; ++i) {
                step(false);
            }
        }
    }
    day = clampToInt(d);
    hhmm = clampToInt(t);
}

} // namespace brisalta::opendata
