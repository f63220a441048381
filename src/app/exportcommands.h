// The export commands of "Archivo > Exportar datos" and of the table dialogs'
// "Exportar" button: the graph or the sounding on screen written to a CSV file
// or an Excel workbook, as a new file or appended to one written before.
#pragma once

#include "app/commandcontext.h"
#include "tables/exportresult.h"
#include "tables/exportrows.h"

#include <filesystem>

namespace brisalta {

class ExportCommands {
public:
    explicit ExportCommands(CommandContext& context) : mContext(context) {}

    // One of the four menu commands: with nothing on screen the user is told
    // so; otherwise the save dialog (offering the default name for a new
    // file), then the export and its message. A cancelled dialog does nothing.
    void exportData(ExportFormat format, ExportMode mode);

    // The "Exportar" button: the choice of format and mode ("Fichero Excel"
    // and "Individual" to start with), then what the matching menu command does.
    void exportChoice();

private:
    CommandContext& mContext;
};

// Writes the export of what is on screen to `path` and tells the user through
// `ui` how it went: the file's name when written, else why nothing was
// written. True when the file holds the export.
bool exportWithMessage(const SessionState& session, Ui& ui, ExportFormat format, ExportMode mode,
                       const std::filesystem::path& path);

// Where an export goes when only a folder is given: the folder joined with
// the default name of the export (see defaultExportName), in UTF-8 as file
// names are on Linux.
std::filesystem::path defaultExportPath(const SessionState& session,
                                        const std::filesystem::path& folder,
                                        ExportFormat format);

} // namespace brisalta
