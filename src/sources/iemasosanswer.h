// Reader of the mesonet's ASOS archive answer (/cgi-bin/request/asos.py with
// data=metar): a comma- or tab-separated table, possibly after "#" lines of
// debugging information, whose header line names the columns.
#pragma once

#include "sources/surfacereport.h"

#include <string_view>

namespace brisalta::sources {

// Reads the body of an answer. Lines starting with "#" and blank lines are
// skipped; the first other line is the header, and it decides the delimiter
// (a tab when it holds one, else a comma). Columns are found by name:
// "valid" (the observation time "YYYY-MM-DD HH:MM", UTC, as requested with
// tz=Etc/UTC) and "metar" are needed, "station" and "elevation" (metres) are
// read when present. "M" marks a missing value. Rows without a report or a
// readable time are passed over.
//
// Problems: an empty body, a header without rows, or only rows without a
// report give NoReports; an HTML page gives Unreadable; a header without the
// "valid" and "metar" columns gives UnexpectedShape; more than
// kMaxAnswerBytes gives TooLarge.
ReportList readIemAsosAnswer(std::string_view body);

} // namespace brisalta::sources
