// Commands of the "Gráficas" menu: show the graph of the selected airport, type
// an ICAO code by hand, the daily statistics, the sky report and the switch
// between station pressure and QNH.
#pragma once

#include "app/commandcontext.h"
#include "app/surfaceloading.h"

#include <string>

namespace brisalta {

class ShownPicture;

class GraphCommands {
public:
    explicit GraphCommands(CommandContext& context) : mContext(context) {}

    // Downloads, reads and draws the graph of StationSelection::icao (the
    // Banyeres station for "BANY"), then shows the sky report.
    void showGraph();

    // "Elección manual": a 4-letter code typed by hand, then show graph.
    void manualStation();

    // The daily extremes of the graph on screen.
    void statistics();

    // The sky and phenomena report of the latest METAR.
    void clouds();

    // Switches the pressure curve between station pressure and QNH, asking for
    // the altitude when the source did not give it.
    void qnh();

private:
    // The Part's chain: the NOAA page, then the METAR query page and, when it
    // gives no complete report, the station file. Read when the page was.
    PageOutcome loadClassicPages();
    void showBanyeresGraph();
    // Puts the picture kept in `before` back on screen and tells the user that
    // `what` could not be drawn and why (Windows-1252; reason may be empty),
    // or, when `told` already words the failure, that text and what stays on
    // screen.
    void keepPreviousPicture(const ShownPicture& before, const std::string& what,
                             const std::string& reason, const std::string& told = {});
    // Tells the user when the drawn series has no temperature at all; once per
    // drawing request, never from inside a paint.
    void reportMissingData();

    CommandContext& mContext;
};

// The sky report of the graph in the session, or the sentence that says no
// METAR report came for it (Windows-1252).
std::string skyReportText(const SessionState& session);

// Converts every present pressure slot between station pressure and QNH at
// the series' altitude, rounding each result, and flips pressureIsStation.
void togglePressureReference(GraphSeries& series);

// Takes the present pressures as QNH and reduces them to station pressure at a
// newly entered altitude, truncating; marks the altitude as known.
void applyEnteredAltitude(GraphSeries& series, int altitudeMetres);

} // namespace brisalta
