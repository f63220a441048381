// Parts of the program kept in shared objects of their own ("modules") and
// loaded the first time a command needs them: the Excel workbook writer and
// the SVG writer. Their libraries (libxlsxwriter, libzip, pugixml, libcrypto,
// QtSvg) are then mapped only by the runs that write such a file, and every
// other run starts without resolving their thousands of symbols.
#pragma once

#include <filesystem>

namespace brisalta {

// The folder the modules are looked for in: BRISALTA_MODULOS when set; the
// build tree's module folder when the running program lives in the build
// tree; else the installed folder beside the program (prefix/lib.../brisalta),
// and last the folder the build was configured to install into.
std::filesystem::path moduleFolder();

// The address of `symbol` in the module file `fileName` of moduleFolder(),
// loading the module on the first call; nullptr when the file is missing,
// cannot be loaded or lacks the symbol. A module stays loaded for the rest of
// the run. Safe to call from several threads.
void* moduleSymbol(const char* fileName, const char* symbol);

// A module's table of functions: `entry` is a function of the module that
// returns it, and the table's `version` must be `version`, so that a module
// of another build is refused rather than called. nullptr otherwise.
template <typename Table>
const Table* moduleTable(const char* fileName, const char* entry, unsigned version) {
    using Entry = const Table* (*)();
    const auto function = reinterpret_cast<Entry>(moduleSymbol(fileName, entry));
    const Table* table = function ? function() : nullptr;
    return table && table->version == version ? table : nullptr;
}

} // namespace brisalta
