// The request addresses of today's services, built from a base address (the
// default or the one in "servicios.ini") and the request's parameters, in the
// shape the services document and their clients send.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace brisalta::sources {

// Default base addresses.
inline constexpr std::string_view kAwcBase = "https://aviationweather.gov";
inline constexpr std::string_view kIemBase = "https://mesonet.agron.iastate.edu";
inline constexpr std::string_view kWyomingBase = "https://weather.uwyo.edu";

// The reports of the last `hours` hours of one airport from the data API:
// "<base>/api/data/metar?ids=LEMD&format=json&hours=24". A trailing "/" of the
// base is dropped; the ICAO code is percent-encoded where it is not a letter
// or digit.
std::string awcMetarAddress(std::string_view base, std::string_view icao, int hours = 24);

// A window of UTC instants, seconds since 1970-01-01.
struct UtcWindow {
    std::int64_t start = 0;
    std::int64_t end = 0;
};

// The window that covers the 24 clock hours the graph can show and the
// current one: from the start of the clock hour `hours` hours before `now`
// to the start of the next clock hour after it.
UtcWindow lastHoursWindow(std::int64_t nowUtc, int hours = 24);

// The mesonet's ASOS archive for one station and window, routine reports and
// specials, with the elevation column, times in UTC, comma-separated without
// the debugging header:
// "<base>/cgi-bin/request/asos.py?station=LEMD&data=metar&tz=Etc%2FUTC
//  &format=onlycomma&latlon=no&elev=yes&missing=M&trace=T&direct=no
//  &report_type=3&report_type=4&sts=2025-11-12T13:00Z&ets=2025-11-13T14:00Z".
std::string iemAsosAddress(std::string_view base, std::string_view station, UtcWindow window);

// The new sounding interface, CSV answer:
// "<base>/wsgi/sounding?datetime=2020-12-07%2012:00:00&id=08430&type=TEXT:CSV".
// Month, day and hour are written with two digits; the blank between date and
// time is written %20, the colons as they are, as the service's own clients
// send them.
std::string wyomingSoundingAddress(std::string_view base, std::string_view stationId, int year,
                                   int month, int day, int hour);

} // namespace brisalta::sources
