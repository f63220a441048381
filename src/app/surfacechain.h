// The airport graph from today's services: the reports of the last 24 hours
// from the aviation-weather data API, and from the mesonet's ASOS archive when
// the API gives nothing, too little or fails. One request to each at most.
#pragma once

#include "app/commandcontext.h"

#include <string>
#include <string_view>

namespace brisalta {

enum class ChainOutcome {
    Drawn,      // a source gave enough reports: the session holds the new graph
    TooFewData, // reports came, but too few hours for a graph: told to the user
    Failed,     // no source gave reports: told to the user, the session unchanged
};

// Fetches and reads the reports of selection.icao. Drawn: graph, graphShown,
// graphAvailable, graphSource and the status line are those of the source
// that answered (the series is applied only then), emaGraphShown and
// banyeresGraph are cleared. TooFewData: graphShown and graphAvailable become
// 0 and the graph keeps its previous series. Failed: one message names each
// source with its reason (shown, or left in `failure` when given for the
// caller to show); downloadFailed is set and nothing else changes.
ChainOutcome loadTodaysReports(CommandContext& context, std::string* failure = nullptr);

// The mesonet's identifier of an airport: its ICAO code, except the
// contiguous United States' "Kxxx", which the mesonet files under "xxx".
std::string mesonetStationOf(std::string_view icao);

// The airport's name in the catalogue (the graph title's name, else the menu
// text), Windows-1252; empty for an airport the catalogue does not list.
std::string airportCatalogueTitle(std::string_view icao);

} // namespace brisalta
