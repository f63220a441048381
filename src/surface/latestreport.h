// Readers of the latest METAR report of an airport: the aviation weather query
// page ("addsmetar.tmp"), whose decoded values also replace the newest slot,
// and the NOAA per-station file ("tempMet.txt"), used for the report text when
// the query page gave no complete report.
#pragma once

#include <filesystem>

namespace brisalta {

struct SessionState;

// Reads the query page at `file` and deletes it.
//
// Always first: the report pieces kept for printing (visibilityText,
// variableWindText, skyText, trendVisibilityText, trendWindText) are emptied,
// hasTrend, hasGust and gustSpeed become 0 and queryPageDone becomes 0;
// skyReport keeps its text until a report is decoded. A page that says "NIL"
// or "there are no data", or has no report, decodes nothing. Otherwise the
// report is decoded into skyReport and its pieces; when it has wind,
// temperature and pressure, queryPageDone = 1, the date (month, day; the year
// stays) and lastTime become the report's, shifted to local time, and slot 23
// takes the report's temperature, dew point (°C), wind (km/h, direction code)
// and, when the page gave the elevation, its QNH reduced to station pressure
// (hPa, truncated).
void readQueryPage(SessionState& session, const std::filesystem::path& file);

// Reads the per-station METAR file at `file` and deletes it, when
// stationFileFetched says it came in this command (the flag is then
// consumed). Only the report changes: skyReport, skyText, hasTrend and the
// body gust; no slot, date or time is written. A file without a report line
// changes nothing.
void readStationFile(SessionState& session, const std::filesystem::path& file);

} // namespace brisalta
