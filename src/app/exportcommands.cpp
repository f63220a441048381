// Export commands.
#include "app/exportcommands.h"

#include "tables/csvexport.h"
#include "tables/exportnames.h"
#include "tables/xlsxexport.h"
#include "text/codepage.h"

namespace brisalta {

void ExportCommands::exportData(ExportFormat format, ExportMode mode) {
    const SessionState& s = mContext.session;
    if (exportContentOf(s) == ExportContent::None) {
        mContext.ui.showMessage(exportMessage(ExportResult{ExportStatus::NothingToExport, {}},
                                              format, {}, false));
        return;
    }
    // Appending offers no name: the user picks the file of the earlier days.
    const std::string proposed =
        mode == ExportMode::Individual ? defaultExportName(s, format) : std::string();
    const auto path = mContext.ui.chooseExportFile(format == ExportFormat::Excel,
                                                   mode == ExportMode::Combined, proposed);
    if (!path) {
        return;
    }
    exportWithMessage(s, mContext.ui, format, mode, *path);
}

void ExportCommands::exportChoice() {
    const auto choice = mContext.ui.askExportChoice();
    if (!choice) {
        return;
    }
    exportData(choice->excel ? ExportFormat::Excel : ExportFormat::Csv,
               choice->combined ? ExportMode::Combined : ExportMode::Individual);
}

bool exportWithMessage(const SessionState& session, Ui& ui, ExportFormat format, ExportMode mode,
                       const std::filesystem::path& path) {
    const ExportResult result = format == ExportFormat::Csv
                                    ? writeCsvExport(session, path, mode)
                                    : writeExcelExport(session, path, mode);
    const bool graph = exportContentOf(session) == ExportContent::Graph;
    ui.showMessage(exportMessage(result, format, path, graph),
                   result.ok() ? MessageIcon::None : MessageIcon::Exclamation);
    return result.ok();
}

std::filesystem::path defaultExportPath(const SessionState& session,
                                        const std::filesystem::path& folder,
                                        ExportFormat format) {
    return folder / text::toUtf8(defaultExportName(session, format));
}

} // namespace brisalta
