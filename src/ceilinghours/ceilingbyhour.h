// The thermal ceiling hour by hour: the ceiling simulation of the sounding on
// screen run once for every hour of the 24-hour graph, with that hour's
// temperature and dew point at the airport as the surface values, and again
// one degree colder and one degree warmer. Pure; the session is not changed.
#pragma once

#include "session/ceilinghours.h"
#include "session/sessionstate.h"

namespace brisalta {

// Limits of the surface values the simulation is run with, those the
// "Simulación techo" dialog accepts (°C).
inline constexpr int kLowestCeilingTemperature = -30;
inline constexpr int kHighestCeilingTemperature = 60;
inline constexpr int kLowestCeilingDewPoint = -30;
inline constexpr int kHighestCeilingDewPoint = 50;

// The ceilings of every hour of session.graph (as prepareGraph validates it,
// with the axis start hour the graph shows) on session.sounding. Each run is
// a request of its own, exactly as the dialog would make it on the full
// (unzoomed) diagram, whatever the view's zoom and whatever simulation the
// session holds. An hour runs when it has both values, its dew point (never
// taken above its temperature) and temperature within the dialog's limits.
// Nothing is simulated (simulated false, every ceiling empty) unless a graph
// and a sounding are both available and the sounding has a level below the
// top of the diagram.
CeilingHours simulateCeilingHours(const SessionState& session);

} // namespace brisalta
