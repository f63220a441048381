// Reader of the NOAA current-conditions page of an airport ("temp.htm"): the
// station name and elevation, the time of the last observation, the humidity
// and the table of recent hourly observations that fills the 24 slots.
#pragma once

#include <filesystem>

namespace brisalta {

struct SessionState;
class Ui;

// Reads the page at `file` into session.graph and deletes the file.
//
// Always first: pressureIsStation, altitudeKnown, banyeresGraph,
// graphFromFile and the five clear-on-start flags (noPressure, noWindSpeed,
// allCalm, hasHumiditySeries, hasDewPointSeries) become 0. When the download
// did not succeed (downloadOk is not 1, or downloadFailed is 1) graphShown
// becomes 0 and nothing is read. A page that cannot be opened changes nothing
// more. A page that does not name the station leaves the slots alone.
// Otherwise every slot starts missing (6666, direction "No"), the table
// fills the slots newest first from slot 23, the values are validated and
// graphShown / graphAvailable tell whether there is enough to draw; the two
// Spanish messages of an unknown station and of too few data go through `ui`.
//
// Units: temperatures and dew points in whole °C as the page prints them,
// pressure in whole hPa (station pressure, truncated, when the page states
// the elevation), wind in whole km/h from the page's miles per hour.
void readCurrentConditionsPage(SessionState& session, Ui& ui, const std::filesystem::path& file);

} // namespace brisalta
