// Readers of the latest METAR report of an airport: the aviation weather query
// page ("addsmetar.tmp"), whose decoded values also replace the newest slot,
// and the NOAA per-station file ("tempMet.txt"), used for the report text when
// the query page gave no complete report.
#pragma once

#include "session/sessionstate.h"
#include "text/streamreader.h"

namespace brisalta {

// What every new report starts from: the pieces kept for printing
// (visibilityText, variableWindText, skyText, trendVisibilityText,
// trendWindText) are emptied and hasTrend, hasGust and gustSpeed become 0;
// skyReport keeps its text until a report is decoded.
void startLatestReport(GraphSeries& graph);

struct QueryPageReport {
    GraphSeries graph;
    // The report had wind, temperature and pressure: it dated the graph and
    // replaced the newest slot. Without it the station file is asked for.
    bool complete = false;
};

// Reads the query page over `graph`. A page that says "NIL" or "there are no
// data", or has no report, decodes nothing. Otherwise the report is decoded
// into skyReport and its pieces; a complete report also sets the date (month,
// day; the year stays) and lastTime, shifted by timeOffsetHours, and slot 23
// takes its temperature, dew point (°C), wind (km/h, direction code) and, when
// the series holds station pressure, its QNH reduced to station pressure (hPa,
// truncated).
QueryPageReport readQueryPage(text::StreamReader& page, GraphSeries graph, int timeOffsetHours);

// Reads the per-station METAR file over `graph`. Only the report changes:
// skyReport, skyText, hasTrend and the body gust; no slot, date or time is
// written. A file without a report line changes nothing.
GraphSeries readStationFile(text::StreamReader& file, GraphSeries graph);

} // namespace brisalta
