// The page of the second sounding service, which shows the sounding of a
// Spanish station as an HTML table listing the highest level first, eight
// columns a level: height (m), pressure (hPa), temperature, a column not used,
// dew point, humidity, wind direction and wind speed (km/h).
//
// The page is read in two steps: the table's line is cut out of the page into
// a short text of numbers and blanks, then that text is counted and read into
// exactly kSecondServiceRows levels, lowest first.
#pragma once

#include "session/sessionstate.h"
#include "text/streamreader.h"

#include <array>
#include <cstdint>
#include <string>

namespace brisalta {

inline constexpr int kSecondServiceRows = 102;

struct SecondServiceCut {
    int invalidArgumentLines = 0; // lines saying "Invalid arguments passed"
    bool tableFound = false;      // a "<center><table>" line: the short text was (re)made
    std::string shortTable;       // digits, '.', '-' and blanks
};

// Looks at the first 40 lines of the page. At a "<center><table>" line the
// copy starts 500 bytes past the line end and runs to the next line end: tags
// are dropped, their '>' leaving one blank, and every character other than a
// digit, '.' or '-' becomes a blank. A later such line makes the text anew but
// copies nothing, because the copy already stands at a line end.
SecondServiceCut cutSecondServiceTable(text::StreamReader& page);

struct SecondServiceTable {
    std::int64_t total = 0; // values counted
    std::int64_t start = 0; // count at the first pressure of the table
    std::int64_t rows = 0;  // (total − start − 6) / 8
    // False when the table holds no level to resample from (rows ≤ 2); the
    // profile is then all zeros.
    bool usable = false;
    std::array<SoundingRow, kSecondServiceRows> profile{}; // lowest level first, km/h
};

// Counts and reads the short text. The table start is the first value of at
// least 100 read with the column counter at 2; every read row but the last is
// kept, the rows are reversed to put the lowest level first, and row i of the
// profile is reversed row i · ((rows − 1) / 102), never past the highest one.
SecondServiceTable parseSecondServiceTable(text::StreamReader& shortTable);

} // namespace brisalta
