// The 24-hour surface graph: title and header lines, four panels (temperature
// with dew point and relative humidity, pressure, wind speed, wind direction).
// prepareGraph works out everything the picture and the other commands need
// from the session; paintGraph draws a prepared graph on any canvas and
// changes nothing.
#pragma once

#include "graph/graphgeometry.h"
#include "ports/drawingcanvas.h"
#include "session/picture.h"
#include "session/sessionstate.h"

#include <optional>
#include <string>

namespace brisalta {

// The graph of session.graph as the view would draw it now: the graph's
// command permissions (swap when a sounding exists), the first hour of the
// axes (the first slot's hour, shifted by the time offset unless the graph
// comes from a document or the Banyeres station), the daily extremes (started
// from session.extremes, whose fields stay for a quantity no slot has) and,
// when some slot has a temperature: the title (airportName, the catalogue's
// name of the selected airport, when given and the graph is neither a
// document's nor an automatic station's), the two header lines, the humidity
// curve and the value scales, all from the series as it stands, then the
// series validated (implausible values become kMissing) for the curves.
GraphModel prepareGraph(const SessionState& session,
                        const std::optional<std::string>& airportName = std::nullopt);

// Stores what the other commands read of a prepared graph: the command
// permissions, the axis start hour and the extremes; and, for a drawable
// graph, the validated series with its title and the copies of the header
// lines and title. Clears soundingShown and the sounding's rowsAllocated, as
// every drawing of the graph does.
void applyGraphModel(SessionState& session, const GraphModel& model);

// Draws a prepared graph. A graph that is not drawable draws nothing.
void paintGraph(DrawingCanvas& canvas, const GraphModel& model, const PageMapping& mapping);

// "La estación seleccionada no posee ningún dato actualmente", Windows-1252.
std::string noGraphDataMessage();

} // namespace brisalta
