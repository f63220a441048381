// Checks of the Excel export tests through independent readers.
#include "xlsxtesting.h"

#include "childprocess.h"
#include "support/testplaces.h"
#include "tablefixture.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <sstream>

namespace brisalta::test {
namespace {

std::vector<std::string> splitLines(const std::string& text, const std::string& end) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t stop = text.find(end, start);
        lines.push_back(
            text.substr(start, stop == std::string::npos ? std::string::npos : stop - start));
        if (stop == std::string::npos) {
            break;
        }
        start = stop + end.size();
    }
    return lines;
}

std::vector<std::string> splitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(
            line.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos) {
            return fields;
        }
        start = comma + 1;
    }
}

std::string quoted(const std::string& text) {
    return "'" + text + "'";
}

std::string joined(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        line += (i ? "\t" : "") + cells[i];
    }
    return line;
}

} // namespace

std::vector<std::string> checkWorkbook(const std::string& mode, const std::filesystem::path& book) {
    int status = -1;
    const std::string out = commandOutput("/usr/bin/python3 '" BRISALTA_XLSX_CHECKER "' " + mode +
                                              " '" + book.string() + "' 2>&1",
                                          &status);
    EXPECT_EQ(status, 0) << out;
    return splitLines(out, "\n");
}

std::vector<std::string> expectedRowsFromCsv(const std::string& goldenName, bool sounding) {
    const std::string csv = text::toUtf8(readFile(tablesData(goldenName)));
    std::vector<std::string> lines = splitLines(csv, "\r\n");
    std::vector<std::string> rows;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> fields = splitFields(lines[i]);
        std::vector<std::string> cells{quoted(fields[0])};
        for (std::size_t f = 1; f < fields.size(); ++f) {
            if (sounding) {
                cells.push_back(std::to_string(std::stoi(fields[f]))); // "-0" reads as 0
            } else {
                cells.push_back(f == 1 ? fields[f] : quoted(fields[f]));
            }
        }
        rows.push_back(joined(cells));
    }
    return rows;
}

std::string graphHeaderCells(bool stationPressure) {
    return joined({"'Fecha'", "'Hora'", "'Temperatura (°C)'", "'Rocío (°C)'", "'Humedad (%)'",
                   stationPressure ? "'Presión real(mb)'" : "'Presión QNH(mb)'",
                   "'Velocidad (km/h)'", "'Dirección (°)'", "'Brújula'"});
}

std::string soundingHeaderCells() {
    return joined({"'Fecha'", "'Presión (mb)'", "'Altura (m)'", "'Temperatura (°C)'",
                   "'Rocío (°C)'", "'Humedad (%)'", "'Velocidad (km/h)'", "'Dirección (°)'"});
}

std::string graphSeparatorCells() {
    return joined({"''", "None", "None", "None", "None", "None", "None", "None", "''"});
}

std::string soundingSeparatorCells() {
    return joined({"''", "None", "None", "None", "None", "None", "None", "None"});
}

} // namespace brisalta::test
