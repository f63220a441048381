// The Excel export, read back by openpyxl and xlsx2csv: column names and cell
// types, new and combined workbooks, and the workbooks a combined export must
// refuse without touching them.
#include "tables/xlsxexport.h"

#include "childprocess.h"
#include "tablefixture.h"
#include "xlsxtesting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace brisalta {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

Lines concat(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

Lines folderListing(const fs::path& folder) {
    Lines names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Purpose: the sheet's name, the exact column names (degree sign, accents) and
// the type of every cell: Hora a number, the graph's other columns texts
// (empty text, not nothing, for a missing value), the sounding's values numbers.
TEST(XlsxExport, IndividualWorkbooks) {
    struct Case {
        const char* name;
        std::function<std::unique_ptr<SessionState>()> session;
        const char* golden;
        bool sounding;
        Lines header;
    };
    const Case cases[] = {
        {"graph, station pressure",
         test::airportDay10,
         "grafica_dia10_hora1.csv",
         false,
         {"sheet Graficas", test::graphHeaderCells(true)}},
        {"graph, QNH",
         test::airportDay1,
         "grafica_dia1.csv",
         false,
         {"sheet Graficas", test::graphHeaderCells(false)}},
        {"sounding",
         test::textListSounding,
         "sondeo_lista.csv",
         true,
         {"sheet Sondeos", test::soundingHeaderCells()}},
    };
    test::ScratchPlaces places;
    for (const Case& c : cases) {
        const fs::path book = places.root() / "libro.xlsx";
        const ExportResult result = writeExcelExport(*c.session(), book, ExportMode::Individual);
        ASSERT_TRUE(result.ok()) << c.name << " " << result.error.message();
        EXPECT_EQ(test::checkWorkbook("cells", book),
                  concat({c.header, test::expectedRowsFromCsv(c.golden, c.sounding)}))
            << c.name;
        // A second, unrelated reader sees the header and every row too.
        EXPECT_EQ(test::checkWorkbook("csv", book).size(), 1 + (c.sounding ? 6u : 24u)) << c.name;
    }
    EXPECT_EQ(folderListing(places.root()),
              (Lines{"cwd", "data", "libro.xlsx", "settings", "tmp"}));
}

// Purpose: "Individual" over any existing file replaces it entirely.
TEST(XlsxExport, IndividualReplacesAnExistingFile) {
    test::ScratchPlaces places;
    const fs::path book = places.root() / "libro.xlsx";
    test::writeFile(book, "no soy un libro");
    ASSERT_TRUE(writeExcelExport(*test::textListSounding(), book, ExportMode::Individual).ok());
    ASSERT_TRUE(writeExcelExport(*test::airportDay1(), book, ExportMode::Individual).ok());
    EXPECT_EQ(test::checkWorkbook("cells", book),
              concat({{"sheet Graficas", test::graphHeaderCells(false)},
                      test::expectedRowsFromCsv("grafica_dia1.csv", false)}));
}

// Purpose: a new workbook and a combined export give 1 + 24 + 1 + 24 rows, a
// second combined export 24 more behind another separator, the earlier blocks
// untouched each time.
TEST(XlsxExport, CombinedExportsAppendBelow) {
    test::ScratchPlaces places;
    const fs::path book = places.root() / "graficas.xlsx";
    ASSERT_TRUE(writeExcelExport(*test::airportDay10(), book, ExportMode::Individual).ok());
    const Lines first = test::checkWorkbook("cells", book);
    const Lines day1 = test::expectedRowsFromCsv("grafica_dia1.csv", false);

    ASSERT_TRUE(writeExcelExport(*test::airportDay1(), book, ExportMode::Combined).ok());
    const Lines once = test::checkWorkbook("cells", book);
    EXPECT_EQ(once.size(), 1u + (1 + 24 + 1 + 24)); // "sheet Graficas", then the rows
    EXPECT_EQ(once, concat({first, {test::graphSeparatorCells()}, day1}));

    ASSERT_TRUE(writeExcelExport(*test::airportDay1(), book, ExportMode::Combined).ok());
    EXPECT_EQ(test::checkWorkbook("cells", book),
              concat({once, {test::graphSeparatorCells()}, day1}));
    EXPECT_EQ(test::checkWorkbook("csv", book).size(), 1u + 24 + 1 + 24 + 1 + 24);

    const fs::path soundings = places.root() / "sondeos.xlsx";
    ASSERT_TRUE(
        writeExcelExport(*test::textListSounding(), soundings, ExportMode::Individual).ok());
    ASSERT_TRUE(writeExcelExport(*test::forecastSounding(), soundings, ExportMode::Combined).ok());
    EXPECT_EQ(test::checkWorkbook("cells", soundings),
              concat({{"sheet Sondeos", test::soundingHeaderCells()},
                      test::expectedRowsFromCsv("sondeo_lista.csv", true),
                      {test::soundingSeparatorCells()},
                      test::expectedRowsFromCsv("sondeo_prevision.csv", true)}));
}

// Purpose: appending to a workbook the user keeps (formula, styles, merged
// cells, another sheet) changes only the rows added to its "Graficas" sheet.
TEST(XlsxExport, CombinedKeepsTheRestOfTheWorkbook) {
    test::ScratchPlaces places;
    const fs::path book = places.root() / "mio.xlsx";
    test::checkWorkbook("make", book);
    const Lines partsBefore = test::checkWorkbook("parts", book);
    const Lines cellsBefore = test::checkWorkbook("cells", book);

    ASSERT_TRUE(writeExcelExport(*test::airportDay10(), book, ExportMode::Combined).ok());

    const Lines partsAfter = test::checkWorkbook("parts", book);
    ASSERT_EQ(partsAfter.size(), partsBefore.size());
    for (std::size_t i = 0; i < partsBefore.size(); ++i) {
        if (partsBefore[i].rfind("xl/worksheets/sheet1.xml ", 0) == 0) {
            EXPECT_NE(partsAfter[i], partsBefore[i]);
        } else {
            EXPECT_EQ(partsAfter[i], partsBefore[i]);
        }
    }
    // "Graficas" spans columns A to N (a merged range), so every row prints 14 cells.
    const Lines cellsAfter = test::checkWorkbook("cells", book);
    ASSERT_EQ(cellsAfter.size(), cellsBefore.size() + 25);
    EXPECT_TRUE(std::equal(cellsBefore.begin(), cellsBefore.begin() + 3, cellsAfter.begin()));
    const std::string padding = "\tNone\tNone\tNone\tNone\tNone";
    EXPECT_EQ(cellsAfter[3], test::graphSeparatorCells() + padding);
    EXPECT_EQ(cellsAfter[4],
              test::expectedRowsFromCsv("grafica_dia10_hora1.csv", false)[0] + padding);
    EXPECT_TRUE(std::equal(cellsBefore.begin() + 3, cellsBefore.end(), cellsAfter.begin() + 28));
}

// Purpose: a combined export into the other kind of workbook, into a file
// that is no workbook, or into nothing is refused, and the file stays as it
// was, byte for byte, with nothing left beside it.
TEST(XlsxExport, RefusedCombinationsLeaveTheFileAlone) {
    test::ScratchPlaces places;
    const fs::path folder = places.root() / "libros";
    fs::create_directories(folder);
    const fs::path soundingBook = folder / "sondeos.xlsx";
    const fs::path graphBook = folder / "graficas.xlsx";
    ASSERT_TRUE(
        writeExcelExport(*test::textListSounding(), soundingBook, ExportMode::Individual).ok());
    ASSERT_TRUE(writeExcelExport(*test::airportDay10(), graphBook, ExportMode::Individual).ok());
    test::writeFile(folder / "texto.xlsx", "Fecha,Hora\r\n09/03/2024,14\r\n");
    test::writeFile(folder / "vacio.xlsx", "");
    test::commandOutput("/usr/bin/python3 -c \"import sys, zipfile; "
                        "zipfile.ZipFile(sys.argv[1], 'w').writestr('hola.txt', 'hola')\" '" +
                        (folder / "otro.zip").string() + "'");
    ASSERT_TRUE(fs::exists(folder / "otro.zip"));

    struct Case {
        const char* file;
        std::function<std::unique_ptr<SessionState>()> session;
        ExportStatus expected;
    };
    const Case cases[] = {
        {"sondeos.xlsx", test::airportDay10, ExportStatus::OtherKindOfTable},
        {"graficas.xlsx", test::forecastSounding, ExportStatus::OtherKindOfTable},
        {"texto.xlsx", test::airportDay10, ExportStatus::NotAWorkbook},
        {"vacio.xlsx", test::airportDay10, ExportStatus::NotAWorkbook},
        {"otro.zip", test::textListSounding, ExportStatus::NotAWorkbook},
        {"falta.xlsx", test::airportDay10, ExportStatus::NeedsIndividualFirst},
    };
    const Lines listing = folderListing(folder);
    for (const Case& c : cases) {
        const fs::path path = folder / c.file;
        const std::string before = test::readFile(path);
        EXPECT_EQ(writeExcelExport(*c.session(), path, ExportMode::Combined).status, c.expected)
            << c.file;
        EXPECT_EQ(test::readFile(path), before) << c.file;
    }
    EXPECT_EQ(folderListing(folder), listing);
}

// Purpose: LibreOffice, where installed, opens and converts the workbook.
TEST(XlsxExport, LibreOfficeConvertsTheWorkbook) {
    const char* office = nullptr;
    for (const char* candidate : {"/usr/bin/soffice", "/usr/bin/libreoffice"}) {
        if (fs::exists(candidate)) {
            office = candidate;
            break;
        }
    }
    if (office == nullptr) {
        GTEST_SKIP() << "LibreOffice is not installed";
    }
    test::ScratchPlaces places;
    const fs::path book = places.root() / "graficas.xlsx";
    ASSERT_TRUE(writeExcelExport(*test::airportDay10(), book, ExportMode::Individual).ok());
    ASSERT_TRUE(writeExcelExport(*test::airportDay1(), book, ExportMode::Combined).ok());
    int status = -1;
    test::commandOutput(std::string(office) + " --headless -env:UserInstallation=file://" +
                            (places.root() / "perfil").string() + " --convert-to csv --outdir '" +
                            places.root().string() + "' '" + book.string() + "' 2>&1",
                        &status);
    EXPECT_EQ(status, 0);
    const std::string csv = test::readFile(places.root() / "graficas.csv");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 24 + 1 + 24);
}

} // namespace
} // namespace brisalta
