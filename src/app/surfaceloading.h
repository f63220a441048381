// The airport readers applied to the session: the flags each step of the
// show-graph command leaves, the messages of a page without data, the busy
// cursor while a page is read, and the deletion of the downloaded file.
#pragma once

#include "ports/ui.h"
#include "session/sessionstate.h"

#include <filesystem>

namespace brisalta {

// The current-conditions page at `file` into session.graph.
//
// Always first: pressureIsStation, altitudeKnown, banyeresGraph,
// graphFromFile and the five clear-on-start flags (noPressure, noWindSpeed,
// allCalm, hasHumiditySeries, hasDewPointSeries) become 0. When the download
// did not succeed (downloadOk is not 1, or downloadFailed is 1) graphShown
// becomes 0 and nothing is read. A page that cannot be opened changes nothing
// more. Otherwise graphShown / graphAvailable tell whether there is enough to
// draw, the user is told of an unknown station or of too few data, and the
// file is deleted. Returns how the page went, so that the command never draws
// the previous station's data under the new station's name.
enum class PageOutcome {
    Read,           // the page gave a graph: graphShown is set
    NotDownloaded,  // the download did not succeed; nothing was read
    Missing,        // no page to open (the plain download fails silently)
    UnknownStation, // told to the user
    TooFewData,     // told to the user
};
PageOutcome loadCurrentConditionsPage(SessionState& session, Ui& ui,
                                      const std::filesystem::path& file);

// The METAR query page at `file`: the report pieces are emptied first, then
// queryPageDone says whether the page gave a complete report. The file is
// deleted once read.
void loadQueryPage(SessionState& session, const std::filesystem::path& file);

// The per-station METAR file at `file`, when stationFileFetched says it came
// in this command (the flag is then consumed); deleted once read.
void loadStationFile(SessionState& session, const std::filesystem::path& file);

// The Banyeres table at `file`. Always first: pressureIsStation,
// altitudeKnown, hasGust, gustSpeed and hasTrend become 0 and skyReport is
// emptied (the station sends no report). After a failed download graphShown
// becomes 0 and nothing is read. Otherwise icao becomes "BANY"; a missing file
// or a file of 9 lines or fewer is told to the user; a good file sets
// banyeresGraph, graphAvailable and graphShown and shows the school's credit.
// True only for that good file.
bool loadBanyeresFile(SessionState& session, Ui& ui, const std::filesystem::path& file);

} // namespace brisalta
