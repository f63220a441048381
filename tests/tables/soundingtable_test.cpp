// The sounding table: column order, rounding, winds in km/h, the freezing
// level and the title line.
#include "tables/soundingtable.h"

#include "tablefixture.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

namespace brisalta {
namespace {

std::string utf8(const std::string& cp1252) {
    return text::toUtf8(cp1252);
}

// Purpose: height first, then pressure; knots of the text-list service become
// km/h, forecasts and the second service are already in km/h.
TEST(SoundingTable, RowsInTableOrderWithWindsInKmh) {
    struct Case {
        const char* name;
        int isForecast, fromSecondService;
        const char* speed;
    };
    const Case cases[] = {
        {"text list, knots", 0, 0, "46"}, // 25 kt = 46.3 km/h
        {"forecast", 1, 0, "25"},
        {"second service", 0, 1, "25"},
    };
    for (const Case& c : cases) {
        auto s = test::textListSounding();
        s->sounding.isForecast = c.isForecast;
        s->sounding.fromSecondService = c.fromSecondService;
        const DataTable table = soundingTable(*s);
        ASSERT_EQ(table.rows.size(), 6u) << c.name;
        EXPECT_EQ(table.rows[2],
                  (std::vector<std::string>{"840", "925", "9", "3", "66", c.speed, "260"}))
            << c.name;
    }
}

// Purpose: only a temperature strictly between -0.5 and 0.5 °C marks the
// freezing level.
TEST(SoundingTable, FreezingLevelIsHighlighted) {
    const std::pair<float, bool> cases[] = {
        {0.3f, true},  {0.0f, true},   {-0.49f, true}, {0.49f, true},
        {0.5f, false}, {-0.5f, false}, {12.0f, false}, {-0.51f, false},
    };
    for (const auto& [temperature, highlighted] : cases) {
        SessionState s;
        test::setLevels(
            s, {{900, 1000, 5, 0, 70, 180, 10}, {850, 1500, temperature, -5, 60, 190, 12}});
        const DataTable table = soundingTable(s);
        EXPECT_EQ(highlightAt(table, 1, 2).has_value(), highlighted) << temperature;
        EXPECT_EQ(highlightAt(table, 0, 2), std::nullopt);
        if (highlighted) {
            EXPECT_EQ(*highlightAt(table, 1, 2), kMinimumColour);
        }
    }
}

// Purpose: a sounding longer than the dialog's 249 data rows is shown whole.
TEST(SoundingTable, EveryLevelIsShown) {
    SessionState s;
    s.allocateSoundingRows(kMirrorRows);
    for (int i = 0; i < kMirrorRows; ++i) {
        s.sounding.levels[i] = {1000.0f - 3 * i, 100.0f + 60 * i, 15, 5, 50, 270, 10};
    }
    const DataTable table = soundingTable(s);
    ASSERT_EQ(table.rows.size(), 250u);
    EXPECT_EQ(table.rows.back()[0], "15040");

    // A count beyond the rows held never reads past them.
    s.sounding.count = 400;
    EXPECT_EQ(soundingTable(s).rows.size(), 250u);
}

// Purpose: the title line names the station, hour and date with the month's
// Spanish name; a forecast shows its own title.
TEST(SoundingTable, TitleLine) {
    auto s = test::textListSounding();
    EXPECT_EQ(
        utf8(soundingTableTitle(*s)),
        "Sondeo de la estación A Coruña (España) a las 12 horas UTC del día 5 de Marzo de 2024");
    s->selection.soundingMonth = "13";
    EXPECT_EQ(utf8(soundingTableTitle(*s)),
              "Sondeo de la estación A Coruña (España) a las 12 horas UTC del día 5 de 13 de 2024");

    const auto forecast = test::forecastSounding();
    const DataTable table = soundingTable(*forecast);
    EXPECT_EQ(table.title, "GFS 40.5N/3.5W 17-7-2026");
    EXPECT_EQ(table.caption, "Datos Detallados Sondeo");
    EXPECT_EQ(table.fontName, "Arial");
    EXPECT_EQ(table.columnWidthsTwips,
              (std::vector<int>{1020, 1080, 1460, 1280, 1150, 1200, 1140}));
    EXPECT_EQ(utf8(table.columns[0] + "|" + table.columns[3] + "|" + table.columns[6]),
              "Altura mts.|Pto. Rocío ºC|Dir. viento º");
    EXPECT_EQ(tableAsText(table).substr(0, 25), "GFS 40.5N/3.5W 17-7-2026\n");
}

} // namespace
} // namespace brisalta
