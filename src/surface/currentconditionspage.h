// Reader of the NOAA current-conditions page of an airport ("temp.htm"): the
// station name and elevation, the time of the last observation, the humidity
// and the table of recent hourly observations that fills the 24 slots.
#pragma once

#include "session/sessionstate.h"
#include "text/streamreader.h"

#include <string_view>

namespace brisalta {

struct CurrentConditionsPage {
    enum class Problem {
        None,           // the slots hold enough to draw a graph
        UnknownStation, // the lines before the table never name the station
        TooFewData,     // every series misses 21 hours or more
    };

    GraphSeries graph;         // the series as the page left it
    bool stationFound = false; // a "Humidity" or "Latest" line was seen
    Problem problem = Problem::None;
};

// Reads a page over `graph`, the series it starts from: the header lines set
// the title, the elevation (when the line naming `icao` ends with it:
// pressureIsStation and altitudeKnown become 1), the observation date and
// time (shifted by timeOffsetHours when all four fields were read) and the
// humidity. A page that does not name the station leaves the slots alone;
// otherwise every slot starts missing (6666, direction "No"), the table fills
// the slots newest first from slot 23, and the values are validated.
//
// Units: temperatures and dew points in whole °C as the page prints them,
// pressure in whole hPa (station pressure, truncated, when the page states
// the elevation), wind in whole km/h from the page's miles per hour.
CurrentConditionsPage readCurrentConditionsPage(text::StreamReader& page, GraphSeries graph,
                                                std::string_view icao, int timeOffsetHours);

} // namespace brisalta
