// Reaching the workbook module from the program.
#include "tables/xlsxpackage.h"

#include "loading/loadedmodule.h"

namespace brisalta::xlsx {

const WorkbookModule* workbookModule() {
    static const WorkbookModule* const module = moduleTable<WorkbookModule>(
        kWorkbookModuleFile, kWorkbookModuleEntry, kWorkbookModuleVersion);
    return module;
}

} // namespace brisalta::xlsx
