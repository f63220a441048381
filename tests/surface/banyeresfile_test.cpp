// The Banyeres reader alone: what a table gives without any command around it.
#include "surface/banyeresfile.h"

#include "support/testplaces.h"

#include <gtest/gtest.h>

#include <string>

namespace brisalta {
namespace {

TEST(BanyeresReader, ReadsTheConsoleExportOverAnyPreviousSeries) {
    GraphSeries previous;
    previous.title = "Aeropuerto de Barajas - Madrid";
    previous.pressureIsStation = false;
    text::StreamReader file(
        test::readFile(test::dataPath() / "surface" / "banyeres" / "downld02_halfhourly.txt"));
    const BanyeresTable table = readBanyeresFile(file, previous);
    EXPECT_EQ(table.problem, BanyeresTable::Problem::None);
    EXPECT_EQ(table.graph.title, "Banyeres, Alicante");
    EXPECT_TRUE(table.graph.pressureIsStation);
    EXPECT_EQ(table.graph.altitudeMetres, 729);
    EXPECT_EQ(table.graph.lastTime, 2230);
    EXPECT_EQ(table.graph.temperature[23], 9);
}

// Fewer than ten line breaks are not a table; the station's fixed facts are
// set all the same, and the slots are left as they were.
TEST(BanyeresReader, ShortFilesAreNoTable) {
    for (const std::string& bytes : {std::string(), std::string("cabecera\r\n"),
                                     std::string(9, '\n')}) {
        GraphSeries previous;
        previous.temperature[0] = 17;
        text::StreamReader file(bytes);
        const BanyeresTable table = readBanyeresFile(file, previous);
        EXPECT_EQ(table.problem, BanyeresTable::Problem::TooFewLines);
        EXPECT_EQ(table.graph.title, "Banyeres, Alicante");
        EXPECT_TRUE(table.graph.altitudeKnown);
        EXPECT_EQ(table.graph.temperature[0], 17);
    }
}

} // namespace
} // namespace brisalta
