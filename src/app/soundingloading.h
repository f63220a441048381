// The sounding readers applied to the session: the previous rows released, the
// new ones stored with the display flags, the messages of a page or listing
// without a sounding, and the downloaded page deleted.
#pragma once

#include "ports/ui.h"
#include "session/sessionstate.h"
#include "sources/wyomingcsv.h"

#include <filesystem>
#include <string>

namespace brisalta {

// Reads the response of the service chosen by SoundingProfile::fromSecondService
// ("sondeoNuevo.tmp" when set, else "sondeo.tmp" in `tempFolder`). Releases the
// previous rows first. On success sets count, levels, rowsAllocated,
// soundingShown and soundingAvailable; a sounding with a checked row outside
// the level limits keeps its rows but is neither shown nor available. Wind
// speeds are knots from the text-list service, km/h from the second one.
// isForecast is 0 afterwards. A missing response file is ignored silently; the
// result says whether there was one to read.
bool loadObservedSounding(SessionState& session, Ui& ui, const std::filesystem::path& tempFolder);

// A sounding of the new sounding interface, stored as a text-list sounding
// is (its winds are knots): releases the previous rows, stores the levels,
// and sets fromSecondService = 0, isForecast = 0, partialFirstRow (the lowest
// line was left out) and forecastTitle = stationText. The sounding is shown
// and available when every level but the top one is within the level limits.
void applyWyomingSounding(SessionState& session, const sources::WyomingSounding& read,
                          const std::string& stationText);

// Reads the forecast listing at `path`: releases the previous rows, fills
// count, levels, partialFirstRow, rowsAllocated, isForecast, title,
// forecastTitle and the soundingDay/Month/Year/Hour texts, and sets
// soundingShown and soundingAvailable when every checked level is within the
// forecast limits. An unreadable file leaves the profile empty and says
// nothing (the result is then false); a file without a table is reported to
// the user.
bool loadForecastSounding(SessionState& session, Ui& ui, const std::filesystem::path& path);

} // namespace brisalta
