// The CSV export, byte for byte against files written by hand, and the rules
// of new and appended files.
#include "tables/csvexport.h"

#include "tablefixture.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <clocale>
#include <functional>

#include <sys/stat.h>

namespace brisalta {
namespace {

namespace fs = std::filesystem;

std::string golden(const std::string& name) {
    const std::string bytes = test::readFile(test::tablesData(name));
    EXPECT_FALSE(bytes.empty()) << "missing golden file " << name;
    return bytes;
}

// Purpose: each session's export equals its hand-written file: the date on the
// first line (not on the 1st) and at midnight, the shifted hours (none for a
// document or Banyeres), humidity from the right series, empty fields for
// missing values, compass texts and degrees, knots to km/h only for the
// text-list service. Both the text and the file written must match.
TEST(CsvExport, MatchesHandWrittenFiles) {
    struct Case {
        const char* golden;
        std::function<std::unique_ptr<SessionState>()> session;
    };
    const Case cases[] = {
        {"grafica_dia10_hora1.csv", test::airportDay10},
        {"grafica_dia1.csv", test::airportDay1},
        {"grafica_ema.csv", test::automaticStationDay15},
        {"grafica_banyeres.csv", test::banyeresDay20},
        {"sondeo_lista.csv", test::textListSounding},
        {"sondeo_prevision.csv", test::forecastSounding},
    };
    // Numbers must not take the decimal comma of a Spanish desktop.
    const std::string savedLocale = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "es_ES.UTF-8");
    test::ScratchPlaces places;
    for (const Case& c : cases) {
        const auto s = c.session();
        const std::string expected = golden(c.golden);
        const std::string text = s->view.soundingShown ? soundingCsv(*s, ExportMode::Individual)
                                                  : graphCsv(*s, ExportMode::Individual);
        EXPECT_EQ(text, expected) << c.golden;
        const fs::path path = places.root() / c.golden;
        EXPECT_TRUE(writeCsvExport(*s, path, ExportMode::Individual).ok()) << c.golden;
        EXPECT_EQ(test::readFile(path), expected) << c.golden;
    }
    std::setlocale(LC_ALL, savedLocale.c_str());
}

// Purpose: "Combinado" appends a separator line of commas and the new lines
// after everything already there, export after export.
TEST(CsvExport, CombinedExportsAppendBlocks) {
    test::ScratchPlaces places;
    const fs::path graphs = places.root() / "graficas.csv";
    ASSERT_TRUE(writeCsvExport(*test::airportDay10(), graphs, ExportMode::Individual).ok());
    ASSERT_TRUE(writeCsvExport(*test::airportDay1(), graphs, ExportMode::Combined).ok());
    ASSERT_TRUE(writeCsvExport(*test::airportDay1(), graphs, ExportMode::Combined).ok());
    EXPECT_EQ(test::readFile(graphs), golden("grafica_combinada.csv"));

    const fs::path soundings = places.root() / "sondeos.csv";
    ASSERT_TRUE(writeCsvExport(*test::textListSounding(), soundings, ExportMode::Individual).ok());
    ASSERT_TRUE(writeCsvExport(*test::forecastSounding(), soundings, ExportMode::Combined).ok());
    EXPECT_EQ(test::readFile(soundings), golden("sondeo_combinado.csv"));
}

// Purpose: a combined export needs a file to add to, and creates none.
TEST(CsvExport, CombinedNeedsAnExistingFile) {
    test::ScratchPlaces places;
    const fs::path path = places.root() / "nuevo.csv";
    const ExportResult result = writeCsvExport(*test::airportDay10(), path, ExportMode::Combined);
    EXPECT_EQ(result.status, ExportStatus::NeedsIndividualFirst);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(text::toUtf8(exportMessage(result, ExportFormat::Csv, path, true)),
              "Es necesario grabar primero un fichero individual para poder combinarlo luego.");
}

// Purpose: "Individual" replaces whatever was there; nothing on screen writes nothing.
TEST(CsvExport, IndividualReplacesTheFile) {
    test::ScratchPlaces places;
    const fs::path path = places.root() / "grafica.csv";
    test::writeFile(path, std::string(100000, 'x'));
    ASSERT_TRUE(writeCsvExport(*test::airportDay1(), path, ExportMode::Individual).ok());
    EXPECT_EQ(test::readFile(path), golden("grafica_dia1.csv"));

    const fs::path none = places.root() / "nada.csv";
    EXPECT_EQ(writeCsvExport(SessionState{}, none, ExportMode::Individual).status,
              ExportStatus::NothingToExport);
    EXPECT_FALSE(fs::exists(none));
}

// Purpose: appending keeps the file's permissions and writes through a
// symbolic link to the file it points at, leaving the link in place.
TEST(CsvExport, CombinedKeepsModeAndLinks) {
    test::ScratchPlaces places;
    const fs::path real = places.root() / "datos" / "graficas.csv";
    fs::create_directories(real.parent_path());
    ASSERT_TRUE(writeCsvExport(*test::airportDay10(), real, ExportMode::Individual).ok());
    ::chmod(real.c_str(), 0640);
    const fs::path link = places.root() / "enlace.csv";
    fs::create_symlink(real, link);

    ASSERT_TRUE(writeCsvExport(*test::airportDay1(), link, ExportMode::Combined).ok());
    EXPECT_TRUE(fs::is_symlink(link));
    const std::string day1 = golden("grafica_dia1.csv");
    EXPECT_EQ(test::readFile(real), golden("grafica_dia10_hora1.csv") + ",,,,,,,,\r\n" +
                                        day1.substr(day1.find("\r\n") + 2));
    struct stat info {};
    ::stat(real.c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

// Purpose: every outcome has its Spanish message, the path shown as the user typed it.
TEST(ExportResult, Messages) {
    const fs::path path = "/home/ana/Gráficas/día 10.csv";
    struct Case {
        ExportResult result;
        ExportFormat format;
        bool graph;
        const char* expected;
    };
    const Case cases[] = {
        {{ExportStatus::Written, {}},
         ExportFormat::Csv,
         true,
         "Fichero delimitado CSV grabado con el nombre:\ndía 10.csv"},
        {{ExportStatus::Written, {}},
         ExportFormat::Excel,
         false,
         "Fichero para Microsoft Excel grabado con el nombre:\ndía 10.csv"},
        {{ExportStatus::NothingToExport, {}},
         ExportFormat::Csv,
         true,
         "Es necesario disponer de una gráfica o un sondeo para exportar los datos"},
        {{ExportStatus::NotAWorkbook, {}},
         ExportFormat::Excel,
         true,
         "El fichero «día 10.csv» no es un libro de Excel (.xlsx): no se le "
         "pueden añadir datos. No se ha modificado."},
        {{ExportStatus::OtherKindOfTable, {}},
         ExportFormat::Excel,
         true,
         "El libro «día 10.csv» no tiene la hoja «Graficas» de los datos de "
         "gráficas: no se le pueden añadir los de esta gráfica. No se ha modificado."},
        {{ExportStatus::OtherKindOfTable, {}},
         ExportFormat::Excel,
         false,
         "El libro «día 10.csv» no tiene la hoja «Sondeos» de los datos de "
         "sondeos: no se le pueden añadir los de este sondeo. No se ha modificado."},
        {{ExportStatus::CannotWrite, std::make_error_code(std::errc::no_space_on_device)},
         ExportFormat::Csv,
         true,
         "No se ha podido grabar el fichero «día 10.csv»: no queda espacio en "
         "el disco."},
        {{ExportStatus::CannotWrite, std::make_error_code(std::errc::permission_denied)},
         ExportFormat::Excel,
         true,
         "No se ha podido grabar el fichero «día 10.csv»: no hay permiso para "
         "escribir en la carpeta."},
        {{ExportStatus::CannotWrite, std::make_error_code(std::errc::read_only_file_system)},
         ExportFormat::Csv,
         true,
         "No se ha podido grabar el fichero «día 10.csv»: el disco es de solo "
         "lectura."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text::toUtf8(exportMessage(c.result, c.format, path, c.graph)), c.expected);
    }
}

} // namespace
} // namespace brisalta
