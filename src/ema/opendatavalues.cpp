// OpenData value conversions.
#include "ema/opendatavalues.h"

#include "session/sessionstate.h"
#include "weather/compass.h"
#include "weather/derived.h"
#include "text/streamreader.h"
#include "text/textutil.h"

#include <climits>
#include <cmath>
#include <string>

namespace brisalta::opendata {
namespace {

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

} // namespace brisalta::opendata
