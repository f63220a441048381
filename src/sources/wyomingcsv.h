// Reader of the new sounding interface's CSV answer (/wsgi/sounding with
// type=TEXT:CSV): a header line naming the columns with their units, then one
// line per level from the ground up, winds in metres per second.
#pragma once

#include "session/sessionstate.h"

#include <string>
#include <string_view>
#include <vector>

namespace brisalta::sources {

enum class SoundingProblem {
    None,            // at least one level
    NotFound,        // the service's "Unable to retrieve the data ..." (its 404): no such
                     // station, or no sounding at that date and hour
    HtmlPage,        // an HTML page instead of the table (an error page, an unfollowed redirect)
    Empty,           // nothing but blanks
    UnexpectedShape, // a header without the pressure, height, temperature or dew point column
    NoLevels,        // a header, but no level with pressure, height, temperature and dew
                     // point at or below the 100 hPa level
    TooLarge,        // more than kMaxSoundingBytes
};

// A sounding of a few hundred levels takes some tens of kilobytes.
inline constexpr std::size_t kMaxSoundingBytes = 4 * 1024 * 1024;

struct WyomingSounding {
    // Lowest level first, at most kMirrorRows, columns as SoundingRow:
    // pressure (hPa), height (m), temperature and dew point (°C), relative
    // humidity (%), wind direction (degrees) and speed in knots, as a sounding
    // of the text-list service has them.
    std::vector<SoundingRow> rows;
    SoundingProblem problem = SoundingProblem::Empty;
    int levelsInAnswer = 0;         // data lines of the answer
    int droppedLevels = 0;          // lines without pressure, height, temperature or dew point
    bool firstLevelDropped = false; // the lowest line was one of them (partialFirstRow)
    int levelsAboveTop = 0;         // complete levels above the 100 hPa level, left out
    bool truncated = false;         // more than kMirrorRows levels: the lowest ones were kept
    int filledHumidity = 0;         // levels whose humidity was worked out from T and Td
    int filledWind = 0;             // levels whose wind was taken from the nearest level with one
    std::string launchTime;         // "time" of the lowest level kept, "1999-05-03 23:02:00"
};

// Reads the body of an answer; `httpStatus` is the status the transfer ended
// with (the service answers 404 with a plain-text line when it has no
// sounding).
//
// Columns are found by their names, whatever their order: "pressure",
// "geopotential height", "temperature", "dew point temperature", "relative
// humidity", "wind direction", "wind speed", each followed by "_" and its unit
// in the header ("wind speed_m/s"). The wind speed is converted to knots from
// m/s (also when the unit is not given), km/h or knots. A line without
// pressure, height, temperature or dew point is left out. A level without
// humidity gets 100 · e(Td) / e(T) rounded to whole percent (Magnus form); one
// without wind gets the wind of the nearest level below that has one (above,
// for the lowest levels; calm when no level has a wind). Levels are put in
// order of decreasing pressure (the service already lists them so); of more
// than kMirrorRows the lowest kMirrorRows are kept. Levels above 100 hPa are
// left out, as the text-list table ends at the 100 hPa level: the limits a
// level of an observed sounding must meet (100 hPa, 30000 m) would otherwise
// keep the whole sounding from being drawn.
WyomingSounding readWyomingCsv(std::string_view body, int httpStatus = 200);

// The station text of a sounding of this service, in the shape the text-list
// page gives it (SoundingProfile::forecastTitle): "08430 Murcia " with a name,
// "08430 " without one.
std::string wyomingStationText(std::string_view stationId, std::string_view stationName);

} // namespace brisalta::sources
