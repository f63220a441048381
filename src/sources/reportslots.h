// The 24 hourly slots of the airport graph built from a list of METAR and
// SPECI reports (today's services), each report decoded by the program's own
// METAR decoder so that every number agrees with the sky report.
#pragma once

#include "session/sessionstate.h"
#include "sources/surfacereport.h"
#include "surface/hourlyslots.h"

#include <span>
#include <string_view>

namespace brisalta::sources {

struct SlotRequest {
    std::string_view icao;           // the airport asked for, "LEMD"
    int timeOffsetHours = 0;         // StationSelection::timeOffsetHours
    std::string_view catalogueTitle; // the airport catalogue's name, empty when it has none
};

enum class SlotOutcome {
    Drawn,      // at least one series has fewer than 21 missing slots
    TooFewData, // every series has 21 or more missing slots
    NoReports,  // the list held no usable report: the series is `previous` unchanged
};

struct ReportSlots {
    GraphSeries series;
    SlotOutcome outcome = SlotOutcome::NoReports;
    MissingCounts missing;   // gaps per series after the validation
    int slotsWithReport = 0; // slots that received a report
};

// Builds the graph from the reports (any order).
//
// Slot 23 is the UTC clock hour of the newest report, slot 23 − k the hour k
// before; hour[] holds those UTC hours. Each slot takes the newest report
// observed within its clock hour, SPECI included (of two with the same time,
// the later in the list). From it: temperature and dew point (°C), wind speed
// (km/h) and direction code ("N" … "NNW", "Calm", "Variable"), and the QNH
// (hPa). An hour without a report, and a value its report lacks, is 6666
// (direction "No"). Then validateSlots() and the 21-gap rule decide the
// outcome.
//
// Pressure: when a report gives the station elevation (the newest one that
// does), pressureIsStation = altitudeKnown = 1, altitudeMetres = elevation and
// each slot holds QNH / stationPressureFactor(elevation), truncated; else the
// slots hold the QNH and pressureIsStation = altitudeKnown = 0.
//
// The newest report gives the sky report and its pieces (as the query page
// does), humidity (from its temperature and dew point, else from the newest
// report that has them; 0 when none has), and year, month, day and lastTime
// (hhmm) from its observation time, then shifted by the time offset. Title:
// the catalogue title, else the newest station name a report carries, else the
// ICAO code. noPressure, noWindSpeed, allCalm, hasHumiditySeries and
// hasDewPointSeries become 0; every other field keeps its value from
// `previous` (the document version, the automatic-station series).
ReportSlots buildReportSlots(std::span<const SurfaceReport> reports, const SlotRequest& request,
                             const GraphSeries& previous);

} // namespace brisalta::sources
