// The text-list page reader: header and station text, the counting pass with
// its padded first row and 100 hPa cut, and the columns kept from each line.
#include "sounding/textlisttable.h"

#include "soundingpages.h"

#include <gtest/gtest.h>

namespace brisalta {
namespace {

using test::textListPage;
using test::textListRow;
using test::textListRows;

TextListTable parse(const std::string& page) {
    text::StreamReader reader(page, text::StreamReader::Mode::Text);
    return parseTextListPage(reader);
}

TEST(TextListTable, CutsStationTextAtTheObservationsWord) {
    const TextListTable t = parse(textListPage(textListRows(3), "08430 Murcia"));
    ASSERT_TRUE(t.headerFound);
    EXPECT_EQ(t.stationText, "08430 Murcia ");
}

// Purpose: where the station text ends and where the header may stand.
TEST(TextListTable, FindsStationTextInEveryHeaderShape) {
    struct Case {
        const char* header; // the first five lines
        bool found;
        const char* station;
    };
    const Case cases[] = {
        {"<H2>72357 OUN Norman Observations at 00Z 04 May 1999</H2>\n", true, "72357 OUN Norman "},
        // The header may be the very first line.
        {"<H2>60018 Observations</H2>\n", true, "60018 "},
        // A '<' before "Obs" cuts first.
        {"<H2>08001 A Coruña<small> Observations</small></H2>\n", true, "08001 A Coruña"},
        // No tag on the header line: the scan runs on to the next '>'.
        {"Can't get 72681 BOI Observations.\n<P>\n", true, ""},
        // The header must be among the first five lines.
        {"1\n2\n3\n4\n5\n<H2>08430 Murcia Observations</H2>\n", false, ""},
        {"<H2>08430 Murcia Observaciones</H2>\n", false, ""},
    };
    for (const Case& c : cases) {
        const TextListTable t = parse(c.header);
        EXPECT_EQ(t.headerFound, c.found) << c.header;
        EXPECT_EQ(t.stationText, c.station) << c.header;
    }
}

TEST(TextListTable, KeepsPressureHeightTemperatureDewPointHumidityAndWind) {
    const TextListTable t =
        parse(textListPage({textListRow(1013.0, 60, 21.4, 9.8, 47, 250, 12),
                            textListRow(1000.0, 170, 20.2, 9.0, 49, 255, 14), "  990.0    260"}));
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.rows[0], (SoundingRow{1013.0f, 60.0f, 21.4f, 9.8f, 47.0f, 250.0f, 12.0f}));
    EXPECT_EQ(t.rows[1], (SoundingRow{1000.0f, 170.0f, 20.2f, 9.0f, 49.0f, 255.0f, 14.0f}));
    EXPECT_EQ(t.skip, 0);
    EXPECT_FALSE(t.cutAt100);
}

TEST(TextListTable, SkipsFirstLevelBelowGroundThatHoldsOnlyPressureAndHeight) {
    std::vector<std::string> lines = {" 1000.0     -7                                                               "};
    // A 100 hPa level in the table: with the skipped values in front the
    // pressures no longer stand at multiples of eleven, so it does not cut.
    for (const std::string& row : textListRows(40, 959.0)) {
        lines.push_back(row);
    }
    lines[30] = textListRow(100.0, 16000, -60.0, -80.0, 5, 270, 40);
    lines.push_back("  251.0  10505  -52.5  -56.7     60   0.07                327.5  327.8  327.5");
    const TextListTable t = parse(textListPage(lines));
    EXPECT_EQ(t.skip, 2);
    EXPECT_FALSE(t.cutAt100);
    ASSERT_EQ(t.rows.size(), 40u);
    EXPECT_EQ(t.rows[0][kPressure], 959.0f);
    EXPECT_EQ(t.rows[29][kPressure], 100.0f);
    EXPECT_EQ(t.rows[39][kPressure], 959.0f - 25.0f * 39);
}

// Purpose: the 100 hPa cut needs the pressure column and more than 100 values.
TEST(TextListTable, CutsAtThe100HectopascalRowOnlyPastTheFirstHundredValues) {
    struct Case {
        int rowOf100; // 0-based row whose pressure is 100.0
        std::int64_t rows;
        bool cut;
    };
    const Case cases[] = {
        {9, 30, false}, // value 99: the tenth row does not cut; the short line ends the table
        {10, 11, true}, // value 110: cut after the eleventh row, which is kept
        {25, 26, true},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = textListRows(30); // 1000 down to 275 hPa
        lines.push_back("  251.0  10505");
        lines[static_cast<std::size_t>(c.rowOf100)] = textListRow(100.0, 16000, -60, -80, 5, 270, 40);
        const TextListTable t = parse(textListPage(lines));
        EXPECT_EQ(t.cutAt100, c.cut) << c.rowOf100;
        EXPECT_EQ(t.tableRows, c.rows) << c.rowOf100;
        if (c.cut) {
            EXPECT_EQ(t.rows.back()[kPressure], 100.0f);
        }
    }
}

TEST(TextListTable, TableWithoutShortLineHasNoRows) {
    // The numbers run to the end of the page: no line with fewer than eleven.
    std::string page = textListPage({});
    page = page.substr(0, page.find("</PRE>"));
    for (const std::string& row : textListRows(30)) {
        page += row + "\n";
    }
    const TextListTable t = parse(page);
    EXPECT_TRUE(t.headerFound);
    EXPECT_EQ(t.tableRows, 0);
    EXPECT_TRUE(t.rows.empty());
}

TEST(TextListTable, KeepsOnlyTheFirst250Rows) {
    std::vector<std::string> lines;
    for (int i = 0; i < 300; ++i) {
        lines.push_back(textListRow(1000.0 - 2.0 * i, 60 + 50 * i, 20.0, 10.0, 50, 180, 10));
    }
    lines.push_back("  399.0  15100");
    const TextListTable t = parse(textListPage(lines));
    EXPECT_EQ(t.tableRows, 300);
    EXPECT_TRUE(t.truncated);
    ASSERT_EQ(t.rows.size(), static_cast<std::size_t>(kMirrorRows));
    EXPECT_EQ(t.rows.back()[kHeight], 60.0f + 50.0f * 249);
}

TEST(TextListTable, ReadsCarriageReturnLineEndsAsLineEnds) {
    std::vector<std::string> lines = textListRows(5);
    lines.push_back("  251.0  10505");
    std::string page = textListPage(lines);
    std::string crlf;
    for (char c : page) {
        if (c == '\n') {
            crlf += '\r';
        }
        crlf += c;
    }
    const TextListTable t = parse(crlf);
    EXPECT_EQ(t.rows.size(), 5u);
    EXPECT_EQ(t.stationText, "08430 Murcia ");
}

} // namespace
} // namespace brisalta
