// The hourly table: which hour each row shows, the values and dashes, the
// direction words and the highlighted extremes.
#include "tables/hourlytable.h"

#include "tablefixture.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

namespace brisalta {
namespace {

std::string utf8(const std::string& cp1252) {
    return text::toUtf8(cp1252);
}

// Purpose: the offset moves the hour with one correction of 24, and a graph
// read from a document or from Banyeres keeps its stored hours.
TEST(HourlyTable, ShownHourFollowsTheOffsetUnlessTheHoursAreLocal) {
    struct Case {
        int hour, offset, fromFile, banyeres, expected;
    };
    const Case cases[] = {
        {23, 2, 0, 0, 1},  {0, -1, 0, 0, 23}, {12, 0, 0, 0, 12}, {22, 1, 0, 0, 23},
        {5, -6, 0, 0, 23}, {0, 1, 0, 0, 1},   {23, 2, 1, 0, 23}, {23, 2, 0, 1, 23},
    };
    for (const Case& c : cases) {
        SessionState s;
        s.selection.timeOffsetHours = c.offset;
        s.view.graphFromFile = c.fromFile;
        s.view.banyeresGraph = c.banyeres;
        EXPECT_EQ(tableHour(s, c.hour), c.expected) << c.hour << " offset " << c.offset;
    }
}

// Purpose: the latest hour is on top, and every cell reads as the dialog shows it.
TEST(HourlyTable, RowsRunFromTheLatestHourDown) {
    const auto s = test::airportDay10();
    const DataTable table = hourlyTable(*s);
    ASSERT_EQ(table.rows.size(), 24u);
    for (const auto& row : table.rows) {
        EXPECT_EQ(row.size(), 7u);
    }
    // Slot 23 (12 UTC, 13 h local) on top, slot 0 (13 UTC) at the bottom.
    EXPECT_EQ(table.rows.front(),
              (std::vector<std::string>{"13", "20", "9", "49", "1015", "20", "-"}));
    EXPECT_EQ(table.rows.back(),
              (std::vector<std::string>{"14", "21", "9", "46", "1012", "15", "OSO"}));
    // Slot 13: missing pressure; slot 4: no wind speed.
    EXPECT_EQ(table.rows[23 - 13][4], "-");
    EXPECT_EQ(table.rows[23 - 4][5], "-");
}

// Purpose: a missing dew point or temperature empties the humidity, except at
// Banyeres, whose measured series is shown whatever the other values; an
// automatic station shows its own series.
TEST(HourlyTable, HumidityRules) {
    struct Case {
        const char* name;
        int t, td, hasSeries, series, banyeres, banyeresValue;
        const char* dewPointCell;
        const char* humidityCell;
    };
    const Case cases[] = {
        {"derived", 20, 10, 0, 0, 0, 0, "10", "52"},
        {"missing dew point", 20, kMissing, 0, 0, 0, 0, "-", "-"},
        {"missing temperature", kMissing, 10, 0, 0, 0, 0, "10", "-"},
        {"station series", 20, 10, 1, 64, 0, 0, "10", "64"},
        {"station series, no dew point", 20, kMissing, 1, 64, 0, 0, "-", "-"},
        {"Banyeres", 20, 10, 0, 0, 1, 81, "10", "81"},
        {"Banyeres without temperature", kMissing, 10, 0, 0, 1, 81, "10", "81"},
        {"Banyeres series missing", 20, 10, 0, 0, 1, kMissing, "10", "-"},
    };
    for (const Case& c : cases) {
        SessionState s;
        s.graph.temperature.fill(c.t);
        s.graph.dewPoint.fill(c.td);
        s.graph.hasHumiditySeries = c.hasSeries;
        s.graph.humiditySeries.fill(c.series);
        s.view.banyeresGraph = c.banyeres;
        s.graph.banyeresHumiditySeries.fill(c.banyeresValue);
        const DataTable table = hourlyTable(s);
        EXPECT_EQ(table.rows[7][2], c.dewPointCell) << c.name;
        EXPECT_EQ(table.rows[7][3], c.humidityCell) << c.name;
    }
}

// Purpose: the Spanish compass letters, and "-" for anything without a direction.
TEST(HourlyTable, DirectionWords) {
    const std::pair<const char*, const char*> cases[] = {
        {"N", "N"},
        {"NNE", "NNE"},
        {"ENE", "ENE"},
        {"SSW", "SSO"},
        {"SW", "SO"},
        {"WSW", "OSO"},
        {"W", "O"},
        {"WNW", "ONO"},
        {"NW", "NO"},
        {"NNW", "NNO"},
        {"Calm", "Calma"},
        {"---", "Calma"},
        {"Variable", "Variable"},
        {"No", "-"},
        {"", "-"},
        {"VRB", "-"},
        {"n", "-"},
    };
    for (const auto& [direction, shown] : cases) {
        SessionState s;
        s.graph.windDirection[23] = direction;
        EXPECT_EQ(hourlyTable(s).rows[0][6], shown) << direction;
    }
}

// Purpose: every cell equal to an extreme is coloured, not only the first; the
// minimum's colour wins when both extremes are equal; missing values never are.
TEST(HourlyTable, ExtremesAreHighlightedWhereverTheyOccur) {
    SessionState s;
    s.graph.temperature = {10, 12, 25, 14, 25, 10, kMissing, 11, 11, 11, 11, 11,
                           11, 11, 11, 11, 11, 11, 11,       11, 11, 11, 11, 11};
    s.graph.pressure.fill(1015);
    s.graph.pressure[3] = 1020;
    s.graph.pressure[9] = 1009;
    s.graph.windSpeed.fill(10);
    s.graph.windSpeed[2] = 30;
    s.graph.windSpeed[20] = 30;
    s.extremes.maxTemperature = 25;
    s.extremes.minTemperature = 10;
    s.extremes.maxPressure = 1020;
    s.extremes.minPressure = 1009;
    s.extremes.maxWindSpeed = 30;
    const DataTable table = hourlyTable(s);
    const auto row = [](int slot) { return 23 - slot; };

    const std::vector<CellHighlight> expected = {
        {row(20), 5, kMaximumColour}, {row(9), 4, kMinimumColour}, {row(5), 1, kMinimumColour},
        {row(4), 1, kMaximumColour},  {row(3), 4, kMaximumColour}, {row(2), 1, kMaximumColour},
        {row(2), 5, kMaximumColour},  {row(0), 1, kMinimumColour},
    };
    EXPECT_EQ(table.highlights, expected);
    EXPECT_EQ(highlightAt(table, row(6), 1), std::nullopt);

    // A day whose extremes are equal (a flat series) shows the minimum's colour.
    SessionState flat;
    flat.graph.temperature.fill(15);
    flat.extremes.maxTemperature = 15;
    flat.extremes.minTemperature = 15;
    EXPECT_EQ(highlightAt(hourlyTable(flat), 0, 1), kMinimumColour);

    // A series with no value at all colours nothing, even against stale extremes.
    SessionState empty;
    empty.graph.temperature.fill(kMissing);
    empty.graph.pressure.fill(kMissing);
    empty.graph.windSpeed.fill(kMissing);
    empty.extremes.maxTemperature = kMissing;
    EXPECT_TRUE(hourlyTable(empty).highlights.empty());
}

// Purpose: what the dialog needs besides the cells.
TEST(HourlyTable, CaptionHeadersAndWidths) {
    auto s = test::airportDay10();
    s->view.headerLine1 = text::cp1252(" Últimos datos del día 10/03/2024 a las 13.30 horas:      LEMD");
    s->view.headerLine2 = "linea 2";
    s->view.headerTitle = "LEMD";
    const DataTable table = hourlyTable(*s);
    EXPECT_EQ(utf8(table.caption), "Datos Horarios Gráfica");
    EXPECT_EQ(table.headerLine1, s->view.headerLine1);
    EXPECT_EQ(table.headerLine2, "linea 2");
    EXPECT_EQ(table.title, "LEMD");
    EXPECT_EQ(table.fontName, "MS Sans Serif");
    std::vector<std::string> columns;
    for (const auto& c : table.columns) {
        columns.push_back(utf8(c));
    }
    EXPECT_EQ(columns,
              (std::vector<std::string>{"Hora", "Temperatura ºC", "Punto Rocío ºC", "Humedad %",
                                        "Presión mb", "Viento km/h", "Dir. viento"}));
    EXPECT_EQ(table.columnWidthsTwips, (std::vector<int>{550, 1450, 1440, 1100, 1100, 1140, 1200}));
    EXPECT_EQ(utf8(tableNeedsPictureMessage()),
              "Es necesario disponer de una gráfica o un sondeo previamente.");
}

// Purpose: the plain-text table of the command line: header lines, column
// headers, then the rows, tab-separated.
TEST(HourlyTable, PlainText) {
    auto s = test::airportDay1();
    s->view.headerLine1 = "uno";
    s->view.headerLine2 = "dos";
    const std::string text = tableAsText(hourlyTable(*s));
    const std::string expectedStart = "uno\ndos\nHora\tTemperatura \xBA"
                                      "C\tPunto Roc\xEDo \xBA"
                                      "C\tHumedad %\t"
                                      "Presi\xF3n mb\tViento km/h\tDir. viento\n"
                                      "9\t10\t5\t71\t1020\t-\tN\n";
    EXPECT_EQ(text.substr(0, expectedStart.size()), expectedStart);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2 + 1 + 24);
}

TEST(DataTable, ColoursAsHexadecimal) {
    EXPECT_EQ(hexColour(kMaximumColour), "#FF6666");
    EXPECT_EQ(hexColour(kMinimumColour), "#99FFFF");
}

TEST(DataTable, TwipsBecomePixelsAtTheScreensDpi) {
    EXPECT_EQ(twipsToPixels(1440, 96), 96);
    EXPECT_EQ(twipsToPixels(550, 96), 37);
    EXPECT_EQ(twipsToPixels(550, 144), 55);
    EXPECT_EQ(twipsToPixels(1450, 0), 97);
}

} // namespace
} // namespace brisalta
