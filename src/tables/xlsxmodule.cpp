// The entry of the workbook module: the one symbol it exports.
#include "tables/xlsxpackage.h"

extern "C" __attribute__((visibility("default"))) const brisalta::xlsx::WorkbookModule*
brisalta_workbook_module() {
    static constexpr brisalta::xlsx::WorkbookModule module{brisalta::xlsx::kWorkbookModuleVersion,
                                                           &brisalta::xlsx::createWorkbook,
                                                           &brisalta::xlsx::appendRows};
    return &module;
}
