// The title line above the sounding diagram, by where the sounding came from.
#pragma once

#include "session/sessionstate.h"

#include <string>

namespace brisalta {

// "Enero" … "Diciembre" for 1 … 12; nothing for any other number.
const char* monthName(int month);

// The diagram's title (Windows-1252):
// - a forecast sounding: its own title line;
// - a station picked from the catalogue: "Sondeo de <name> a las <hour> horas
//   UTC del día <day> de <month> de <year>";
// - otherwise "Sondeo <station> a las …", the station being the station name
//   for the second service and the page's station text for the text-list one.
// A month outside 1…12 (a hand-edited document) is written as it was given.
std::string soundingTitle(const SessionState& session);

} // namespace brisalta
