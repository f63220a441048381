// The table of sounding levels, as the table dialog and the command-line
// table show it.
#pragma once

#include "session/sessionstate.h"
#include "tables/datatable.h"

#include <string>

namespace brisalta {

// A level's wind speed in km/h: the text-list service reports knots (times
// 1.852); forecasts and the second service already give km/h.
double soundingWindKmh(const SoundingProfile& sounding, float speed);

// The title line of the sounding table: the forecast's title, or "Sondeo de la
// estación <name> a las <hour> horas UTC del día <day> de <Month> de <year>".
// A month text outside 1..12 is written as it stands in place of the month's
// name. Windows-1252.
std::string soundingTableTitle(const SessionState& session);

// The table dialog's content: caption "Datos Detallados Sondeo", the title
// line, the seven columns with their widths, one row per level (all `count`
// levels of SoundingProfile.levels, lowest first, however many there are),
// cells written "%.f": height, pressure, temperature, dew point, humidity,
// wind speed in km/h and direction; a temperature strictly between -0.5 and
// 0.5 °C (the freezing level) highlighted in kMinimumColour.
DataTable soundingTable(const SessionState& session);

} // namespace brisalta
