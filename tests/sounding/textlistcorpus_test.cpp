// Real pages of the text-list service read as a smoke test: every page gives a
// defined result through the session, and known pages give their known rows.
#include "app/soundingloading.h"
#include "net/tempfiles.h"
#include "sounding/textlisttable.h"

#include "session/sessionstate.h"
#include "support/scriptedui.h"
#include "support/testplaces.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace brisalta {
namespace {

std::filesystem::path uwyo() { return test::dataPath() / "samples" / "uwyo"; }

TextListTable parseFile(const std::filesystem::path& path) {
    std::optional<text::StreamReader> reader =
        text::StreamReader::open(path, text::StreamReader::Mode::Text);
    EXPECT_TRUE(reader.has_value()) << path;
    return reader ? parseTextListPage(*reader) : TextListTable{};
}

std::vector<std::filesystem::path> corpus() {
    std::vector<std::filesystem::path> pages;
    for (const auto& folder : {uwyo(), uwyo() / "ash3d_metreader"}) {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.path().extension() == ".html") {
                pages.push_back(entry.path());
            }
        }
    }
    std::sort(pages.begin(), pages.end());
    return pages;
}

TEST(TextListCorpus, EveryRealPageGivesADefinedSounding) {
    const auto pages = corpus();
    ASSERT_EQ(pages.size(), 63u);
    int shown = 0;
    for (const auto& page : pages) {
        test::ScratchPlaces places;
        test::ScriptedUi ui;
        SessionState session;
        std::filesystem::copy_file(page, places.tempFolder() / tempfiles::kSoundingList);
        loadObservedSounding(session, ui, places.tempFolder());
        const SoundingProfile& s = session.sounding;
        EXPECT_LE(s.count, kMirrorRows) << page;
        EXPECT_EQ(s.levels.size(), static_cast<std::size_t>(s.count)) << page;
        if (session.view.soundingShown) {
            ++shown;
            EXPECT_GE(s.count, 2) << page;
            EXPECT_TRUE(ui.messages.empty()) << page;
            for (int i = 1; i < s.count; ++i) {
                const auto& below = s.levels[static_cast<std::size_t>(i - 1)];
                const auto& above = s.levels[static_cast<std::size_t>(i)];
                EXPECT_LT(above[kPressure], below[kPressure]) << page << " row " << i;
                EXPECT_GT(above[kHeight], below[kHeight]) << page << " row " << i;
            }
        } else {
            EXPECT_EQ(s.count, 0) << page;
            EXPECT_EQ(ui.messages.size(), 1u) << page;
        }
    }
    // Four pages hold no row the reader can take: two error pages and two whose
    // first table line lacks the wind columns.
    EXPECT_EQ(shown, 59);
}

// Purpose: known pages give their known rows, cut and skip.
TEST(TextListCorpus, KnownPagesGiveTheirRows) {
    struct Expected {
        const char* file;
        const char* station;
        std::int64_t rows;
        std::int64_t skip;
        bool cutAt100;
        SoundingRow first;
        SoundingRow last;
    };
    const Expected expected[] = {
        // The 1000 hPa level lies below ground: pressure and height only.
        {"siphon_wyoming_sounding.html", "72357 OUN Norman ", 30, 2, false,
         {959.0f, 345.0f, 22.2f, 19.0f, 82.0f, 160.0f, 18.0f},
         {268.6f, 10058.0f, -49.1f, -53.2f, 62.0f, 250.0f, 70.0f}},
        // Two padded levels; the table ends where the dew point goes missing
        // (598 hPa), long before 100 hPa.
        {"siphon_wyoming_high_alt_sounding.html", "72681 BOI Boise ", 28, 4, false,
         {919.0f, 874.0f, -0.1f, -0.2f, 99.0f, 240.0f, 3.0f},
         {606.0f, 4161.0f, -14.5f, -50.5f, 3.0f, 269.0f, 41.0f}},
        // No stylesheet line on this page, so the ten skipped lines take the
        // 1000 hPa level too; the table is cut at 100 hPa after 176 rows of 258.
        {"siphon_wyoming_sounding_heights.html", "72357 OUN Norman ", 176, 0, true,
         {977.0f, 345.0f, 12.8f, 12.8f, 100.0f, 0.0f, 0.0f},
         {100.0f, 16550.0f, -60.1f, -87.1f, 2.0f, 280.0f, 41.0f}},
        {"siphon_wyoming_missing_station_info.html", "82244  Santarem ", 58, 0, true,
         {1000.0f, 74.0f, 28.8f, 24.3f, 77.0f, 0.0f, 4.0f},
         {100.0f, 16620.0f, -80.7f, -88.7f, 26.0f, 280.0f, 14.0f}},
        {"ash3d_metreader/SLE_1980051912_raw.html", "72694 SLE Salem ", 38, 0, false,
         {1000.0f, 156.0f, 9.4f, 6.5f, 82.0f, 270.0f, 4.0f},
         {300.0f, 9450.0f, -39.9f, -44.9f, 59.0f, 310.0f, 32.0f}},
    };
    for (const Expected& e : expected) {
        const TextListTable t = parseFile(uwyo() / e.file);
        EXPECT_TRUE(t.headerFound) << e.file;
        EXPECT_EQ(t.stationText, e.station) << e.file;
        EXPECT_EQ(t.tableRows, e.rows) << e.file;
        EXPECT_EQ(t.skip, e.skip) << e.file;
        EXPECT_EQ(t.cutAt100, e.cutAt100) << e.file;
        ASSERT_FALSE(t.rows.empty()) << e.file;
        EXPECT_EQ(t.rows.front(), e.first) << e.file;
        EXPECT_EQ(t.rows.back(), e.last) << e.file;
    }
}

TEST(TextListCorpus, ErrorPageHasNoRows) {
    for (const char* file : {"siphon_wyoming_no_data.html", "ash3d_metreader/UIL_1980051900_raw.html"}) {
        test::ScratchPlaces places;
        test::ScriptedUi ui;
        SessionState session;
        std::filesystem::copy_file(uwyo() / file, places.tempFolder() / tempfiles::kSoundingList);
        loadObservedSounding(session, ui, places.tempFolder());
        EXPECT_FALSE(session.view.soundingShown) << file;
        EXPECT_EQ(session.sounding.count, 0) << file;
        // "Can't get … Observations at …" is taken for the header line, so the
        // page reads as a sounding without rows.
        EXPECT_EQ(ui.messageTexts(),
                  std::vector<std::string>{"El sondeo seleccionado no dispone de suficientes datos."})
            << file;
    }
}

} // namespace
} // namespace brisalta
