// The sounding diagram: a skew-T panel with the humidity profile, dry adiabats,
// mixing-ratio lines, isotherms, the temperature and dew-point curves, and a
// wind panel with direction and speed against height. While a ceiling
// simulation is requested it is drawn into the same pass.
#pragma once

#include "ports/drawingcanvas.h"
#include "session/sessionstate.h"

#include <string>

namespace brisalta {

enum class SoundingOutcome {
    Drawn,
    NotValid, // soundingShown is not 1, or the sounding has no row: nothing drawn
};

// Draws the sounding of session.sounding onto the canvas (screen mapping, or
// the print mapping while session.printing is 1, which also sets drawScale to
// 1.07). Sets the view's command flags, diagramTitle and the mirror rows.
// NotValid draws nothing and shows nothing: the caller tells the user
// invalidSoundingMessage() once per drawing request. A lowest row at or above
// the top of the height scale (zoomed above 6000 m) draws the title, frames
// and scales only. While session.sounding.simulationRequested is 1 the
// ceiling simulation is drawn in the same pass (ceilingsimulation.h).
SoundingOutcome DrawSounding(DrawingCanvas& canvas, SessionState& session);

// "El sondeo elegido no contiene datos válidos" (no final full stop), Windows-1252.
std::string invalidSoundingMessage();

} // namespace brisalta
