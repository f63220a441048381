// Reaching the workbook module from the program.
#include "tables/xlsxpackage.h"

#include "loading/loadedmodule.h"

namespace brisalta::xlsx {
namespace {

const WorkbookModule* load() {
    using Entry = const WorkbookModule* (*)();
    const auto entry = reinterpret_cast<Entry>(moduleSymbol(kWorkbookModuleFile, kWorkbookModuleEntry));
    const WorkbookModule* module = entry ? entry() : nullptr;
    return module && module->version == kWorkbookModuleVersion ? module : nullptr;
}

} // namespace

const WorkbookModule* workbookModule() {
    static const WorkbookModule* const module = load();
    return module;
}

} // namespace brisalta::xlsx
