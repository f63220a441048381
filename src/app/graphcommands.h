// Commands of the "Gráficas" menu: show the graph of the selected airport, type
// an ICAO code by hand, the daily statistics, the sky report and the switch
// between station pressure and QNH.
#pragma once

#include "app/commandcontext.h"

namespace brisalta {

class GraphCommands {
public:
    explicit GraphCommands(CommandContext& context) : mContext(context) {}

    // Downloads, reads and draws the graph of StationSelection::icao (the
    // Banyeres station for "BANY"), then shows the sky report. The services
    // asked are those of the chain the service table chooses (metarChain).
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
    // The classic chain: the current-conditions page, the query page and, when
    // it gave no report, the station file. False when the page did not come.
    bool loadClassicPages();
    void showBanyeresGraph();
    // Tells the user when the drawn series has no temperature at all; once per
    // drawing request, never from inside a paint.
    void reportMissingData();

    CommandContext& mContext;
};

// Converts every present pressure slot between station pressure and QNH at
// the series' altitude, rounding each result, and flips pressureIsStation.
void togglePressureReference(GraphSeries& series);

// Takes the present pressures as QNH and reduces them to station pressure at a
// newly entered altitude, truncating; marks the altitude as known.
void applyEnteredAltitude(GraphSeries& series, int altitudeMetres);

} // namespace brisalta
