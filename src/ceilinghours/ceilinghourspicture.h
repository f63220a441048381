// "Techo por horas": the thermal ceiling of every hour of the 24-hour graph
// on the sounding of the morning, drawn in the graph's family. prepareCeilingHours
// runs the simulations and works out the scale and the texts once;
// paintCeilingHours draws a prepared picture on any canvas and changes nothing.
#pragma once

#include "graph/graphgeometry.h"
#include "ports/drawingcanvas.h"
#include "session/picture.h"
#include "session/sessionstate.h"

#include <string>

namespace brisalta {

// What a pilot reads as a thermal worth the name: more than this over the ground.
inline constexpr double kStrongThermalMetres = 1000.0;

// The picture of the session's graph and sounding: the ceilings of every hour
// (simulateCeilingHours), the height scale from the lowest ground to the
// highest band (never less than 1000 m over the ground), the first hour whose
// thermal top is more than 1000 m over the ground (the higher of the airport
// and the sounding's lowest level), the title (the graph's title as last
// drawn, and the date of its last observation), the sounding's title line, the
// footnote on the method, and the commands the picture makes available. Not
// drawable when nothing was simulated or no hour has a temperature and a dew
// point.
CeilingHoursModel prepareCeilingHours(const SessionState& session);

// Draws a prepared picture in the 800 × 600 design space of the graph (the
// screen mapping at its drawing scale, or the printed page at one 0.01-inch
// unit per design unit). A picture that is not drawable draws nothing.
void paintCeilingHours(DrawingCanvas& canvas, const CeilingHoursModel& model,
                       const PageMapping& mapping);

// "Para ver el techo por horas se necesita disponer de una gráfica y un
// sondeo", Windows-1252.
std::string ceilingHoursNeedsBothMessage();

// "La gráfica no tiene ninguna hora con temperatura y punto de rocío que
// simular con el sondeo", Windows-1252.
std::string ceilingHoursNothingMessage();

} // namespace brisalta
