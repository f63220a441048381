// The two steps of writing a workbook package, kept in separate source files
// because the workbook writer and the zip library both ship a header named
// zip.h: creating a new workbook with the column names, and appending rows to
// a worksheet of an existing workbook held in memory.
//
// Both live in the module "brisalta-libro.so" with libxlsxwriter, libzip and
// pugixml, so that only an Excel export loads those libraries: the program
// reaches them through workbookModule().
#pragma once

#include "tables/xlsxsheet.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace brisalta::xlsx {

// Creates a workbook whose only worksheet is `sheet.sheetName` with the column
// names in its first row (no data rows) and returns its bytes. The workbook is
// built in a temporary file in `folder`, removed before returning.
std::error_code createWorkbook(const std::filesystem::path& folder, const SheetRows& sheet,
                               std::string& bytes);

enum class AppendProblem {
    None,
    NotAWorkbook, // not a zip, or no workbook inside, or a damaged part
    NoSuchSheet,  // a workbook without a worksheet named sheet.sheetName
    OutOfMemory,  // the new package could not be put together
};

// Adds sheet.rows below the last row of the worksheet named sheet.sheetName
// (the name compared without regard to ASCII case). Only that worksheet's
// part changes; every other part of the package is copied as it was. Texts
// become inline strings (an empty text stays an empty text), numbers numbers,
// and null cells are left out. On any problem `workbook` is left unchanged.
AppendProblem appendRows(std::string& workbook, const SheetRows& sheet);

// What the module hands the program. `version` changes whenever these
// functions or the types they take change, so a module of another build is
// refused rather than called.
struct WorkbookModule {
    unsigned version;
    decltype(&createWorkbook) create;
    decltype(&appendRows) append;
};

inline constexpr unsigned kWorkbookModuleVersion = 1;
inline constexpr const char* kWorkbookModuleFile = "brisalta-libro.so";
inline constexpr const char* kWorkbookModuleEntry = "brisalta_workbook_module";

// The loaded module; nullptr when it cannot be loaded (the program is not
// installed whole), and the export then says so.
const WorkbookModule* workbookModule();

} // namespace brisalta::xlsx
