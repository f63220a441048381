// The second service's page: cutting its table line out, counting the table
// and resampling it to 102 levels, lowest first, whatever its length.
#include "sounding/secondservicetable.h"

#include "soundingpages.h"

#include <gtest/gtest.h>

namespace brisalta {
namespace {

using test::secondServiceLevels;
using test::secondServicePage;

SecondServiceCut cut(const std::string& page) {
    text::StreamReader reader(page, text::StreamReader::Mode::Text);
    return cutSecondServiceTable(reader);
}

SecondServiceTable parse(const std::string& shortText) {
    text::StreamReader reader(shortText, text::StreamReader::Mode::Text);
    return parseSecondServiceTable(reader);
}

// A page of `levels` levels, cut and parsed. With the headings free of
// digits the table start falls on the second level's pressure, so the table
// counts levels − 1 rows and reversed row j is level j + 1 from the ground.
SecondServiceTable parseLevels(int levels) {
    return parse(cut(secondServicePage(secondServiceLevels(levels))).shortTable);
}

float heightOfLevel(int k) { return 100.0f + 100.0f * static_cast<float>(k); }

TEST(SecondServiceCut, KeepsNumbersAndLeavesOneBlankPerTag) {
    const std::string page = "<center><table>\n" + std::string(500, 'x') +
                             "<tr><td>1500</td><td>-2.5</td><td>n/d</td></tr>\nnext line 7\n";
    const SecondServiceCut c = cut(page);
    EXPECT_TRUE(c.tableFound);
    // Each '>' becomes a blank, other characters that are not digits, '.' or
    // '-' too, and the line end itself.
    EXPECT_EQ(c.shortTable, "  1500  -2.5        ");
}

TEST(SecondServiceCut, StartsFiveHundredBytesPastTheTableLine) {
    const std::string page = "<center><table>\n" + std::string(499, '9') + "|12 34\n";
    EXPECT_EQ(cut(page).shortTable, "12 34 ");
}

TEST(SecondServiceCut, LaterTableLineMakesTheTextAnewButCopiesNothing) {
    const std::string page = "<center><table>\n" + std::string(500, ' ') + "1 2 3\n" +
                             "<center><table>\n" + std::string(500, ' ') + "4 5 6\n";
    const SecondServiceCut c = cut(page);
    EXPECT_TRUE(c.tableFound);
    EXPECT_EQ(c.shortTable, "");
}

// Purpose: only the first 40 lines are looked at, and each "Invalid arguments" line counts.
TEST(SecondServiceCut, LooksAtTheFirstFortyLinesOnly) {
    std::string page;
    page += "Invalid arguments passed\n<p>Invalid arguments passed</p>\n";
    for (int i = 0; i < 38; ++i) {
        page += "<br>\n";
    }
    page += "<center><table>\n" + std::string(600, ' ') + "1 2 3\n";
    const SecondServiceCut c = cut(page);
    EXPECT_EQ(c.invalidArgumentLines, 2);
    EXPECT_FALSE(c.tableFound);
}

TEST(SecondServiceCut, TableLineAtTheEndOfThePageCopiesNothing) {
    const SecondServiceCut c = cut("<html>\n<center><table>\n<tr><td>5</td></tr>\n");
    EXPECT_TRUE(c.tableFound);
    EXPECT_EQ(c.shortTable, "");
}

TEST(SecondServiceTable, ListsTheLowestLevelFirstWithItsEightColumns) {
    const SecondServiceTable t = parseLevels(206);
    ASSERT_TRUE(t.usable);
    EXPECT_EQ(t.start, 10);
    EXPECT_EQ(t.rows, 205);
    // The lowest profile row is level 1 (level 0, the last read row, is not used).
    EXPECT_EQ(t.profile[0], (SoundingRow{997.5f, 200.0f, 19.5f, 9.5f, 50.0f, 1.0f, 1.0f}));
}

// Purpose: resampling to 102 rows for every table length, never past the table.
TEST(SecondServiceTable, ResamplesEveryTableLengthTo102Rows) {
    struct Case {
        int levels; // levels on the page; the table counts one fewer
        int step;   // (rows − 1) / 102
        int lastLevel; // level of profile row 101
    };
    const Case cases[] = {
        {206, 2, 203},  // more than 103 rows: every second row
        {105, 1, 102},  // 104 rows
        {104, 1, 101},  // exactly 103 rows: row 101 would point past the table; it repeats row 100
        {103, 0, 1},    // 102 rows: 102 copies of the lowest row
        {40, 0, 1},
        {4, 0, 1},      // 3 rows: one reversed row
    };
    for (const Case& c : cases) {
        const SecondServiceTable t = parseLevels(c.levels);
        ASSERT_TRUE(t.usable) << c.levels;
        for (int i = 0; i < 101; ++i) {
            EXPECT_EQ(t.profile[static_cast<std::size_t>(i)][kHeight], heightOfLevel(i * c.step + 1))
                << c.levels << " row " << i;
        }
        EXPECT_EQ(t.profile[101][kHeight], heightOfLevel(c.lastLevel)) << c.levels;
    }
}

// Purpose: tables too short to resample leave the profile unusable, never read past it.
TEST(SecondServiceTable, TooShortTablesAreNotUsable) {
    for (int levels : {0, 1, 2, 3}) {
        const SecondServiceTable t = parseLevels(levels);
        EXPECT_FALSE(t.usable) << levels;
        EXPECT_LE(t.rows, 2) << levels;
    }
    EXPECT_FALSE(parse("").usable);
    EXPECT_FALSE(parse("   \n  ").usable);
    EXPECT_FALSE(parse("12 250").usable); // n below six: rows rounds toward zero
}

TEST(SecondServiceTable, WithoutATableStartCountsFromTheFirstValue) {
    // No value of 100 or more: start stays 0 and the table is read from the top.
    std::string text;
    for (int i = 0; i < 40; ++i) {
        text += "1 2 3 4 5 6 7 8 ";
    }
    const SecondServiceTable t = parse(text);
    EXPECT_EQ(t.start, 0);
    EXPECT_EQ(t.rows, (t.total - 6) / 8);
}

TEST(SecondServiceTable, PlaceholderWordsDoNotStopTheReads) {
    // A lone '-' is no number; each one counts as a read and the reads go on.
    std::string text = "3100 850 5 5 5 50 30 30 ";
    for (int k = 29; k >= 0; --k) {
        text += std::to_string(100 + 100 * k) + " " + std::to_string(1000 - 5 * k) + " - - - 50 - - ";
    }
    const SecondServiceTable t = parse(text);
    ASSERT_TRUE(t.usable);
    EXPECT_EQ(t.rows, 30);
    EXPECT_EQ(t.profile[0][kHeight], 200.0f);
    EXPECT_EQ(t.profile[0][kPressure], 995.0f);
    EXPECT_EQ(t.profile[0][kTemperature], 0.0f); // never read
}

} // namespace
} // namespace brisalta
