// What the exports write besides the golden files: the hour shift on its own,
// what is exported, and the default file names.
#include "tables/exportnames.h"
#include "tables/exportrows.h"

#include "tablefixture.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <climits>

namespace brisalta {
namespace {

std::string utf8(const std::string& cp1252) {
    return text::toUtf8(cp1252);
}

// Purpose: the hour advances one step at a time through midnight; a negative
// offset counts as offset + 24; local hours stay; hours outside the day (a
// hand-edited series) take the same steps, and no offset makes it loop for long.
TEST(ExportRows, ExportHourAdvancesByTheOffset) {
    struct Case {
        int hour, offset, local, expected;
    };
    const Case cases[] = {
        {13, 1, 0, 14}, {23, 1, 0, 0},          {23, -1, 0, 22},
        {0, -1, 0, 23}, {7, 0, 0, 7},           {5, 24, 0, 5},
        {5, -24, 0, 5}, {5, -30, 0, 5},         {23, 2, 1, 23},
        {24, 1, 0, 1},  {47, 1, 0, 24},         {47, 2, 0, 1},
        {-2, 1, 0, 24}, {-2, 2, 0, 1},          {-5, 1, 0, -4},
        {-1, 1, 0, 0},  {5, 1000000001, 0, 22}, {INT_MAX, INT_MAX, 0, 14},
    };
    for (const Case& c : cases) {
        SessionState s;
        s.selection.timeOffsetHours = c.offset;
        s.view.graphFromFile = c.local;
        EXPECT_EQ(exportHour(s, c.hour), c.expected) << c.hour << " offset " << c.offset;
    }
}

// Purpose: the graph wins when both flags are set; nothing shown, nothing to export.
TEST(ExportRows, WhatIsExported) {
    SessionState s;
    EXPECT_EQ(exportContentOf(s), ExportContent::None);
    s.view.soundingShown = true;
    EXPECT_EQ(exportContentOf(s), ExportContent::Sounding);
    s.view.emaGraphShown = true;
    EXPECT_EQ(exportContentOf(s), ExportContent::Graph);
}

// Purpose: the sounding export reads the mirror rows, at most 250 of them.
TEST(ExportRows, SoundingRowsComeFromTheMirror) {
    auto s = test::textListSounding();
    s->sounding.levels.clear();
    const auto rows = soundingExportRows(*s);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0].date, "5/3/2024_12h");
    EXPECT_EQ(rows[1].date, "");
    EXPECT_DOUBLE_EQ(rows[0].values[5], 10 * 1.852);
    s->sounding.count = 1000;
    EXPECT_EQ(soundingExportRows(*s).size(), 250u);
}

// Purpose: the names the save dialog offers, "/" never reaching into a folder.
TEST(ExportNames, DefaultNames) {
    struct Case {
        const char* name;
        std::unique_ptr<SessionState> session;
        ExportFormat format;
        const char* expected;
    };
    auto slashTitle = test::airportDay10();
    slashTitle->graph.title = "Madrid/Barajas";
    auto noon = test::airportDay1();
    noon->graph.lastTime = 1205;
    Case cases[] = {
        {"graph", test::airportDay10(), ExportFormat::Csv, "Gráfica LEMD 13.30h 10-3-2024.csv"},
        {"graph, Excel", test::airportDay10(), ExportFormat::Excel,
         "Gráfica LEMD 13.30h 10-3-2024.xlsx"},
        {"slash in title", std::move(slashTitle), ExportFormat::Csv,
         "Gráfica Madrid Barajas 13.30h 10-3-2024.csv"},
        {"minutes", std::move(noon), ExportFormat::Csv, "Gráfica SCEL 12.05h 1-4-2024.csv"},
        {"sounding", test::textListSounding(), ExportFormat::Csv,
         "Sondeo A Coruña (España) 5-3-2024 12h.csv"},
        {"forecast", test::forecastSounding(), ExportFormat::Excel,
         "GFS 40.5N 3.5W 17-7-2026.xlsx"},
        {"nothing", std::make_unique<SessionState>(), ExportFormat::Csv, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(utf8(defaultExportName(*c.session, c.format)), c.expected) << c.name;
    }
    auto named = test::forecastSounding();
    named->sounding.forecastTitle = "previo.csv";
    EXPECT_EQ(defaultExportName(*named, ExportFormat::Csv), "previo.csv");
}

} // namespace
} // namespace brisalta
