// The observed-sounding readers alone: what a page gives, with no session and
// no user interface around them.
#include "sounding/observedsounding.h"

#include "soundingpages.h"

#include <gtest/gtest.h>

#include <string>

namespace brisalta {
namespace {

using Problem = ObservedSounding::Problem;
using test::secondServiceLevels;
using test::secondServicePage;
using test::textListPage;
using test::textListRows;

// A text-list page whose table ends at its first short line, after `count` rows.
std::string textList(int count) {
    std::vector<std::string> lines = textListRows(count);
    lines.push_back("  251.0  10505  -52.5  -56.7     60   0.07                327.5  327.8  327.5");
    return textListPage(lines);
}

ObservedSounding readList(const std::string& bytes) {
    text::StreamReader page(bytes, text::StreamReader::Mode::Text);
    return readTextListSounding(page);
}

ObservedSounding readSecond(const std::string& bytes) {
    text::StreamReader page(bytes, text::StreamReader::Mode::Text);
    return readSecondServiceSounding(page);
}

TEST(ObservedSoundingReader, EveryOutcomeOfBothServices) {
    struct Case {
        const char* what;
        ObservedSounding read;
        Problem problem;
        std::size_t rows;
        bool stationText;
        int invalidArgumentLines;
    };
    const Case cases[] = {
        {"a text-list page", readList(textList(12)), Problem::None, 12, true, 0},
        {"the text-list error body", readList("<BODY BGCOLOR=white>\nNo sounding.\n"),
         Problem::NoValidData, 0, false, 0},
        {"a text-list header without rows", readList(textList(0)), Problem::NotEnoughData, 0,
         true, 0},
        {"a second-service page", readSecond(secondServicePage(secondServiceLevels(30))),
         Problem::None, 102, false, 0},
        {"a date the second service does not have",
         readSecond("<p>Invalid arguments passed</p>\n"), Problem::NoValidData, 0, false, 1},
        {"a second-service table too short to resample",
         readSecond(secondServicePage(secondServiceLevels(2))), Problem::NoValidData, 0, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.read.problem, c.problem);
        EXPECT_EQ(c.read.rows.size(), c.rows);
        EXPECT_EQ(c.read.stationText.has_value(), c.stationText);
        EXPECT_EQ(c.read.invalidArgumentLines, c.invalidArgumentLines);
        EXPECT_EQ(c.read.withinLimits, c.problem == Problem::None);
    }
}

// A row no atmosphere has hides the sounding, except the text list's top row.
TEST(ObservedSoundingReader, LimitsLeaveTheTextListTopRowUnchecked) {
    const std::string closing =
        "  251.0  10505  -52.5  -56.7     60   0.07                327.5  327.8  327.5";
    const std::string impossible = test::textListRow(300.0, 9000, -250.0, -260.0, 10, 270, 30);
    for (const std::size_t at : {std::size_t{1}, std::size_t{4}}) {
        std::vector<std::string> rows = textListRows(5);
        rows[at] = impossible;
        rows.push_back(closing);
        EXPECT_EQ(readList(textListPage(rows)).withinLimits, at == 4) << "row " << at;
    }
}

} // namespace
} // namespace brisalta
