// The values a document of the program can hold. A file that holds others (a
// day 40, a temperature of 300 °C, a NaN pressure) is damaged, or is not a
// document at all (any file of 1000 bytes or more "reads" as a graph), and is
// refused before anything of it is loaded.
#pragma once

#include "session/sessionstate.h"

#include <optional>
#include <string>
#include <vector>

namespace brisalta {

// The first value of a graph document that no reading of the program could
// have given, described in Spanish ("el día 1699618851 no existe",
// Windows-1252); nothing when the graph is plausible. The ranges are those the
// readers validate with, widened where the program's own flow goes past them:
// the time offset moves a day to 0 or 32 without changing the month, a query
// page without a month name leaves month 0, and the automatic-station
// alignment counts hours back past midnight (down to -24).
std::optional<std::string> implausibleGraph(const GraphSeries& graph);

// The same for the levels of a sounding document: every value finite, and
// every level within the looser (forecast) limits of the sounding readers,
// the last level's pressure and temperature included (the text-list reader
// does not check the rest of its last level).
std::optional<std::string> implausibleSounding(const std::vector<SoundingRow>& rows);

} // namespace brisalta
