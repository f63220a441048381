// The sounding diagram: a skew-T panel with the humidity profile, dry adiabats,
// mixing-ratio lines, isotherms, the temperature and dew-point curves, and a
// wind panel with direction and speed against height. prepareSounding works
// out what the picture and the other commands need (the title, the ceiling
// simulation while one is requested); paintSounding draws a prepared diagram
// on any canvas and changes nothing.
#pragma once

#include "graph/graphgeometry.h"
#include "ports/drawingcanvas.h"
#include "session/picture.h"
#include "session/sessionstate.h"

#include <string>

namespace brisalta {

// The sounding of session.sounding as the view would draw it now: the
// sounding's command permissions (swap when a graph exists) and, when
// soundingShown is 1 and there is a row: the rows, the zoom, the units of the
// wind, the title line and, while a simulation is requested, its result on
// the zoom's geometry. `ceiling` is the simulation's state, updated as the
// preparation goes (see simulateCeiling).
SoundingModel prepareSounding(const SessionState& session, CeilingSimulation& ceiling);

// Stores what the other commands read of a prepared sounding: the command
// permissions and, for a drawable one, the title line, the rows copied into
// the mirror (which saving, tables and exports read) and the simulation state.
void applySoundingModel(SessionState& session, const SoundingModel& model,
                        const CeilingSimulation& ceiling);

// Draws a prepared sounding. A sounding that is not drawable draws nothing. A
// lowest row at or above the top of the height scale (zoomed above 6000 m)
// draws the title, frames and scales only.
void paintSounding(DrawingCanvas& canvas, const SoundingModel& model, const PageMapping& mapping);

// "El sondeo elegido no contiene datos válidos" (no final full stop), Windows-1252.
std::string invalidSoundingMessage();

} // namespace brisalta
