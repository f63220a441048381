// Reading the workbooks of the Excel export tests back through openpyxl and
// xlsx2csv (tests/tables/xlsxcheck.py), and what they should hold, worked out
// from the hand-written CSV files (an Excel row holds the values of the CSV line).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace brisalta::test {

// Lines printed by xlsxcheck.py in `mode` for `book`; fails the test when the
// checker does not run cleanly.
std::vector<std::string> checkWorkbook(const std::string& mode, const std::filesystem::path& book);

// The lines "cells" should print for the data rows of a hand-written CSV file:
// a graph's Hora as a number and its other fields as texts; a sounding's date
// as a text and its values as numbers.
std::vector<std::string> expectedRowsFromCsv(const std::string& goldenName, bool sounding);

// The header line "cells" prints for a graph (station or QNH pressure) or a sounding.
std::string graphHeaderCells(bool stationPressure);
std::string soundingHeaderCells();

// The separator row of a combined export as "cells" prints it.
std::string graphSeparatorCells();
std::string soundingSeparatorCells();

} // namespace brisalta::test
