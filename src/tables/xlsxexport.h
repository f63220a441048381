// The Excel export: an Office Open XML workbook (.xlsx) with one worksheet,
// "Graficas" or "Sondeos", whose first row names the columns. "Individual"
// writes a new workbook; "Combinado" adds a separator row and the new rows
// below the rows of an existing workbook, keeping everything else in it.
#pragma once

#include "session/sessionstate.h"
#include "tables/exportfile.h"
#include "tables/exportresult.h"
#include "tables/exportrows.h"

#include <filesystem>

namespace brisalta {

// Writes the workbook of what is on screen to `path` (see graphSheet and
// soundingSheet for the rows). The file is replaced in one step through a
// temporary file in the same folder, so a crash or a full disk leaves the
// previous file whole. Individual replaces any file there. Combined needs an
// existing file (NeedsIndividualFirst), refuses one that is not a workbook
// (NotAWorkbook) or that has no worksheet of this kind (OtherKindOfTable), and
// keeps the file's permissions; a refused file is not touched.
ExportResult writeExcelExport(const SessionState& session, const std::filesystem::path& path,
                              ExportMode mode, const BeforeReplace& beforeReplace = {});

} // namespace brisalta
