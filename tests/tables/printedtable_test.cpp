// The tables as the printout lays them out.
#include "tables/printedtable.h"

#include "tablefixture.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

namespace brisalta {
namespace {

const PrintedText* textAt(const PrintedTable& table, int x, int y) {
    for (const PrintedText& t : table.texts) {
        if (t.x == x && t.y == y) {
            return &t;
        }
    }
    return nullptr;
}

std::string textOf(const PrintedTable& table, int x, int y) {
    const PrintedText* t = textAt(table, x, y);
    return t ? text::toUtf8(t->text) : "<none>";
}

// Purpose: slot 23 on top at y = -25, slot 0 at the bottom at y = 550; dashes,
// direction letters and the printout's own humidity rule.
TEST(PrintedTable, HourlyLinesAndCells) {
    auto s = test::airportDay10();
    s->graph.windDirection[22] = "WNW";
    s->graph.windDirection[21] = "Calm";
    const PrintedTable table = printedHourlyTable(*s);
    EXPECT_EQ(textOf(table, 10, -60), "Hora");
    EXPECT_EQ(textOf(table, 60, -60), "TemperaturaºC");
    EXPECT_EQ(textOf(table, 600, -60), "Dirección");
    EXPECT_EQ(table.rules, (std::vector<PrintedRule>{{10, 670, -35}}));
    EXPECT_EQ(table.texts.size(), 7u + 24u * 7u);

    const auto y = [](int slot) { return 550 - 25 * slot; };
    EXPECT_EQ(textOf(table, 10, y(23)), "13");
    EXPECT_EQ(textOf(table, 10, y(0)), "14");
    EXPECT_EQ(textOf(table, 95, y(0)), "21");
    EXPECT_EQ(textOf(table, 610, y(0)), "OSO");
    EXPECT_EQ(textOf(table, 610, y(22)), "ONO");
    EXPECT_EQ(textOf(table, 610, y(21)), "Calm");
    EXPECT_EQ(textOf(table, 610, y(19)), " -"); // "No"
    EXPECT_EQ(textOf(table, 210, y(11)), " -"); // missing dew point...
    EXPECT_EQ(textOf(table, 295, y(11)), " -"); // ...and so no humidity
    EXPECT_EQ(textOf(table, 95, y(12)), " -");
    EXPECT_EQ(textOf(table, 410, y(13)), "  -");
    EXPECT_EQ(textOf(table, 510, y(4)), " -");
    EXPECT_EQ(textOf(table, 10, y(19)), " 9"); // "%2d"

    // The paper shows what the dialog it is printed from shows: an automatic
    // station's own series (60 + slot), not the value derived from T and Td.
    auto ema = test::automaticStationDay15();
    EXPECT_EQ(textOf(printedHourlyTable(*ema), 295, y(0)), "60");
    EXPECT_EQ(textOf(printedHourlyTable(*ema), 295, y(3)), " -"); // no dew point
    EXPECT_EQ(textOf(printedHourlyTable(*test::banyeresDay20()), 295, y(5)), "75");
}

// Purpose: extremes in red and cyan, then black again.
TEST(PrintedTable, HourlyExtremesColoured) {
    auto s = test::airportDay10();
    s->extremes.maxTemperature = 22;
    s->extremes.minTemperature = 9;
    s->extremes.maxPressure = 1017;
    s->extremes.minPressure = 1011;
    s->extremes.maxWindSpeed = 24;
    const PrintedTable table = printedHourlyTable(*s);
    const auto y = [](int slot) { return 550 - 25 * slot; };
    const Rgb black{0, 0, 0};
    EXPECT_EQ(textAt(table, 95, y(1))->colour, kPrintedMaximumColour);
    EXPECT_EQ(textAt(table, 95, y(2))->colour, kPrintedMaximumColour);
    EXPECT_EQ(textAt(table, 95, y(15))->colour, kPrintedMinimumColour);
    EXPECT_EQ(textAt(table, 95, y(0))->colour, black);
    EXPECT_EQ(textAt(table, 410, y(18))->colour, kPrintedMaximumColour);
    EXPECT_EQ(textAt(table, 410, y(1))->colour, kPrintedMinimumColour);
    EXPECT_EQ(textAt(table, 510, y(3))->colour, kPrintedMaximumColour);
    EXPECT_EQ(textAt(table, 210, y(1))->colour, black);
}

// Purpose: a rule before every tenth level, each pushing the following lines
// 4 units down.
TEST(PrintedTable, SoundingLevelsAndRules) {
    SessionState s;
    s.allocateSoundingRows(21);
    for (int i = 0; i < 21; ++i) {
        s.sounding.levels[i] = {1000.0f - 10 * i, 100.0f + 100 * i, 15.4f, 5, 50, 270, 10};
    }
    const PrintedTable table = printedSoundingTable(s);
    EXPECT_EQ(textOf(table, -80, -50), "Altura(mts)");
    EXPECT_EQ(textOf(table, 568, -50), "Dirección(º)");
    EXPECT_EQ(table.rules, (std::vector<PrintedRule>{{-80, 660, 120}, {-80, 660, 274}}));
    EXPECT_EQ(textOf(table, -60, -15), "  100"); // level 1
    EXPECT_EQ(textOf(table, -60, 105), "  900"); // level 9
    EXPECT_EQ(textOf(table, -60, 124), " 1000"); // level 10, under the first rule
    EXPECT_EQ(textOf(table, -60, 278), " 2000"); // level 20
    EXPECT_EQ(textOf(table, -60, 293), " 2100"); // level 21
    EXPECT_EQ(textOf(table, 44, -15), "1000");
    EXPECT_EQ(textOf(table, 150, -15), " 15");
    EXPECT_EQ(textOf(table, 475, -15), " 19"); // 10 kt
}

} // namespace
} // namespace brisalta
