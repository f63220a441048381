// The CSV export: Windows-1252 text, fields separated by commas, no quoting,
// CR LF line ends. A new file starts with the column names; an appended block
// starts with a line of commas only, which separates the days in the file.
#pragma once

#include "session/sessionstate.h"
#include "tables/exportfile.h"
#include "tables/exportresult.h"
#include "tables/exportrows.h"

#include <filesystem>
#include <string>

namespace brisalta {

// The graph's lines: the header (station or QNH pressure, as the series holds)
// or, appended, ",,,,,,,,", then the 24 hours, slot 0 first (see
// graphExportRows).
std::string graphCsv(const SessionState& session, ExportMode mode);

// The sounding's lines: the header or, appended, ",,,,,,,", then one line per
// level (see soundingExportRows), numbers rounded to whole units.
std::string soundingCsv(const SessionState& session, ExportMode mode);

// Writes the CSV of what is on screen to `path`. Individual replaces any file
// there; Combined appends to an existing file (NeedsIndividualFirst when there
// is none), rewriting it whole in one step with its permissions kept. A file
// that cannot be read or written gives CannotWrite and stays as it was.
ExportResult writeCsvExport(const SessionState& session, const std::filesystem::path& path,
                            ExportMode mode, const BeforeReplace& beforeReplace = {});

} // namespace brisalta
