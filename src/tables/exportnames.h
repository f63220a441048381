// The file name the save dialog offers for an "Individual" export.
#pragma once

#include "session/sessionstate.h"
#include "tables/exportresult.h"

#include <string>

namespace brisalta {

// Extension of each export format, without the dot: "csv" or "xlsx".
const char* exportExtension(ExportFormat format);

// The default name of the export of what is on screen, Windows-1252:
//   graph:             "Gráfica <title> <h.mm>h <day>-<month>-<year>.csv"
//                      (the last observation's time as hours with two decimals)
//   forecast sounding: its title
//   other sounding:    "Sondeo <station> <day>-<month>-<year> <hour>h"
// A sounding's name gets the extension too, unless it already ends with it.
// Every "/" becomes a blank, so the name never reaches into another folder.
// Empty when nothing is shown.
std::string defaultExportName(const SessionState& session, ExportFormat format);

} // namespace brisalta
