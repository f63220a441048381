// Sessions holding both a 24-hour graph and a sounding, for the tests of
// "Techo por horas": the demo soundings read by the program's readers, the
// made-up profiles of the diagram tests, and graphs of given hours.
#pragma once

#include "session/sessionstate.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace brisalta::test {

// The demo soundings of data/demo, read as the program reads their pages:
// "08579" Lisboa and "60018" Tenerife (text-list service, knots), "08430"
// Murcia (second service, km/h). On screen, unzoomed, no simulation asked.
std::unique_ptr<SessionState> demoSoundingSession(const std::string& station);

// The hours of a graph, oldest first: slot i holds the values of hours[i]
// (kMissing for a missing value); the slots' UTC hours start at `firstHour`.
struct GraphHour {
    int temperature;
    int dewPoint;
};
// Puts an airport graph into the session next to its sounding: the slots,
// the day 17/07/2024, the title and header title "Aeropuerto de Pruebas",
// the elevation when given, a time offset of one hour and graphAvailable. The
// sounding stays on screen, as after "Sondeos > Mostrar" with a graph drawn.
void addGraph(SessionState& session, const std::vector<GraphHour>& hours, int firstHour = 8,
              std::optional<int> elevation = std::nullopt);

// The same surface values for every one of the 24 hours.
std::vector<GraphHour> sameEveryHour(int temperature, int dewPoint);

} // namespace brisalta::test
