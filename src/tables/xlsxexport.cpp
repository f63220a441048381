// The Excel export of the graph and of the sounding.
#include "tables/xlsxexport.h"

#include "tables/xlsxpackage.h"
#include "tables/xlsxsheet.h"

namespace brisalta {

ExportResult writeExcelExport(const SessionState& session, const std::filesystem::path& path,
                              ExportMode mode, const BeforeReplace& beforeReplace) {
    const ExportContent content = exportContentOf(session);
    if (content == ExportContent::None) {
        return {ExportStatus::NothingToExport, {}};
    }
    const xlsx::WorkbookModule* writer = xlsx::workbookModule();
    if (writer == nullptr) {
        return {ExportStatus::NoWorkbookWriter, {}};
    }
    const SheetRows sheet =
        content == ExportContent::Graph ? graphSheet(session, mode) : soundingSheet(session, mode);
    const std::filesystem::path target = mode == ExportMode::Combined ? combinedTarget(path) : path;

    std::string workbook;
    std::error_code error;
    if (mode == ExportMode::Individual) {
        error = writer->create(target.parent_path(), sheet, workbook);
    } else if (!std::filesystem::exists(target, error)) {
        if (error && error != std::errc::no_such_file_or_directory) {
            return {ExportStatus::CannotWrite, error};
        }
        return {ExportStatus::NeedsIndividualFirst, {}};
    } else {
        error = readExportFile(target, workbook);
    }
    if (error) {
        return {ExportStatus::CannotWrite, error};
    }

    switch (writer->append(workbook, sheet)) {
    case xlsx::AppendProblem::None:
        break;
    case xlsx::AppendProblem::NotAWorkbook:
        return {ExportStatus::NotAWorkbook, {}};
    case xlsx::AppendProblem::NoSuchSheet:
        return {ExportStatus::OtherKindOfTable, {}};
    case xlsx::AppendProblem::OutOfMemory:
        return {ExportStatus::CannotWrite, std::make_error_code(std::errc::not_enough_memory)};
    }
    return replaceExportFile(target, workbook, mode == ExportMode::Combined, beforeReplace);
}

} // namespace brisalta
