// What the window says about the picture on screen: the status-bar line
// (which picture, the time of its data and whether its hours are UTC or the
// station's local time) and the two lines of the start view that tell a new
// user how to begin.
#pragma once

#include "session/sessionstate.h"

#include <string>
#include <vector>

namespace brisalta {

// "UTC", "UTC+2", "UTC-5" for a whole-hour offset from UTC.
std::string utcOffsetName(int offsetHours);

// The status-bar line of the picture on screen (Windows-1252):
// "Gráfica de 24 horas de <title>. Últimos datos: 29/07/2017 a las 8.30, hora
// local (UTC+1)." for a live graph (hora UTC with no offset), the station's own
// local time for Banyeres, "horas tal como se guardaron" for a document; for a
// sounding its title, with "Zoom: los 6000 m más bajos." when zoomed; and
// "Ninguna gráfica ni sondeo en pantalla." with nothing on screen.
std::string statusLine(const SessionState& session);

// The start view, UTF-8 like the command table: the three ways to begin (an
// airport's graph, an automatic station's, a sounding) with their menu places
// and keys, taken from the command table, in two lines.
std::vector<std::string> startViewLines();

} // namespace brisalta
