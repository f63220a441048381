// Addresses of the aviation-weather data API, the mesonet and the new
// sounding interface.
#include "sources/requestaddresses.h"

#include "sources/utctime.h"
#include "text/format.h"

namespace brisalta::sources {
namespace {

std::string_view withoutTrailingSlash(std::string_view base) {
    while (!base.empty() && base.back() == '/') {
        base.remove_suffix(1);
    }
    return base;
}

// Letters, digits and "-._~" stand for themselves in a query value; every
// other byte is written %XX, so a typed code can never add a parameter.
std::string queryValue(std::string_view value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
            (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' ||
            byte == '~') {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        }
    }
    return out;
}

// "2025-11-12T13:00Z", the form the archive takes for sts and ets.
std::string isoMinute(std::int64_t seconds) {
    const UtcFields f = utcFieldsOf(seconds);
    return text::format("%04d-%02d-%02dT%02d:%02dZ", f.year, f.month, f.day, f.hour, f.minute);
}

} // namespace

std::string awcMetarAddress(std::string_view base, std::string_view icao, int hours) {
    return std::string(withoutTrailingSlash(base)) + "/api/data/metar?ids=" + queryValue(icao) +
           text::format("&format=json&hours=%d", hours);
}

UtcWindow lastHoursWindow(std::int64_t nowUtc, int hours) {
    constexpr std::int64_t kHour = 3600;
    const std::int64_t currentHour = hourStartOf(nowUtc);
    return {currentHour - static_cast<std::int64_t>(hours) * kHour, currentHour + kHour};
}

std::string iemAsosAddress(std::string_view base, std::string_view station, UtcWindow window) {
    return std::string(withoutTrailingSlash(base)) +
           "/cgi-bin/request/asos.py?station=" + queryValue(station) +
           "&data=metar&tz=Etc%2FUTC&format=onlycomma&latlon=no&elev=yes&missing=M&trace=T"
           "&direct=no&report_type=3&report_type=4&sts=" +
           isoMinute(window.start) + "&ets=" + isoMinute(window.end);
}

std::string wyomingSoundingAddress(std::string_view base, std::string_view stationId, int year,
                                   int month, int day, int hour) {
    return std::string(withoutTrailingSlash(base)) +
           text::format("/wsgi/sounding?datetime=%04d-%02d-%02d%%20%02d:00:00&id=", year, month,
                        day, hour) +
           queryValue(stationId) + "&type=TEXT:CSV";
}

} // namespace brisalta::sources
