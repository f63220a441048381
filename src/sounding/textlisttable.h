// The page of the sounding text-list service: an HTML page whose "Observations"
// header names the station and whose body is a fixed-width table of levels,
// eleven numbers a line (PRES HGHT TEMP DWPT RELH MIXR DRCT SKNT THTA THTE THTV).
#pragma once

#include "session/sessionstate.h"
#include "text/streamreader.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brisalta {

inline constexpr int kTextListColumns = 11;

struct TextListTable {
    bool headerFound = false;  // an "Observations" line among the first five
    std::string stationText;   // "72357 OUN Norman " (Windows-1252)
    std::int64_t tableRows = 0; // rows the counting pass found (0: no table)
    std::int64_t skip = 0;     // values of a padded first row passed over
    bool cutAt100 = false;     // the table was cut at the 100 hPa row
    bool truncated = false;    // more rows than kMirrorRows: only the first were read
    std::vector<SoundingRow> rows; // at most kMirrorRows, lowest level first; wind in knots
};

// Reads the page from its start. Rows hold pressure, height, temperature, dew
// point, humidity, direction and speed (values 1-5 and 7-8 of each line).
TextListTable parseTextListPage(text::StreamReader& page);

} // namespace brisalta
