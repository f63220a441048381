// The 24-hour surface graph: title and header lines, four panels (temperature
// with dew point and relative humidity, pressure, wind speed, wind direction),
// and the side effects other commands rely on (daily extremes, header copies,
// validated series, command availability).
#pragma once

#include "ports/drawingcanvas.h"
#include "session/sessionstate.h"

#include <string>

namespace brisalta {

enum class GraphOutcome {
    Drawn,
    NoData, // no slot has a temperature: nothing was drawn
};

// Draws the graph held in session.graph onto the canvas, from scratch, in the
// screen mapping (or the print mapping while session.printing is 1, which also
// sets drawScale to 1.0). Besides drawing it sets the view's command flags,
// clears soundingShown and the sounding's rowsAllocated, stores axisStartHour,
// recomputes session.extremes, copies the header lines and title into
// headerLine1/headerLine2/headerTitle, and turns implausible values of the
// series into kMissing.
//
// NoData draws nothing and shows nothing: the caller tells the user
// noGraphDataMessage(), once per drawing request (never from a paint handler
// on every repaint).
GraphOutcome DrawGraph(DrawingCanvas& canvas, SessionState& session);

// "La estación seleccionada no posee ningún dato actualmente", Windows-1252.
std::string noGraphDataMessage();

} // namespace brisalta
