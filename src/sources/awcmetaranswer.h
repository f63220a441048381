// Reader of the aviation-weather data API's METAR answer (/api/data/metar with
// format=json): a JSON array with one object per report, in the schema the
// service used in 2023 and in the one it uses since 2025.
#pragma once

#include "sources/surfacereport.h"

#include <string_view>

namespace brisalta::sources {

// Reads the body of an answer; `httpStatus` is the status the transfer ended
// with (204 means the service has no report for the station).
//
// Each object gives one report: "rawOb" (with or without a leading "METAR " /
// "SPECI "), the observation time from "obsTime" (seconds since 1970, as a
// number or a numeric text; else a timestamp text in "obsTime" or
// "reportTime", "2023-10-27 15:30:00" or "2025-11-13T14:00:00.000Z"), "SPECI"
// in "metarType", "icaoId", "name" (UTF-8, kept as Windows-1252) and "elev"
// (metres). Objects without a report text or a time are passed over.
//
// Problems: an empty body, a 204 or an empty array give NoReports; a body that
// is not JSON (or nests deeper than any answer does) gives Unreadable; JSON
// that is not an array, or an array none of whose entries is a report, gives
// UnexpectedShape; more than kMaxAnswerBytes gives TooLarge.
ReportList readAwcMetarAnswer(std::string_view body, int httpStatus = 200);

} // namespace brisalta::sources
