// Reading an observed sounding into the session: which file is read, the
// flags and messages of every outcome, the rows released and stored, and the
// temporary files deleted.
#include "app/soundingloading.h"

#include "session/sessionstate.h"
#include "../sounding/soundingpages.h"
#include "net/tempfiles.h"
#include "support/scriptedui.h"
#include "support/testplaces.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

namespace brisalta {
namespace {

using test::secondServiceLevels;
using test::secondServicePage;
using test::textListPage;
using test::textListRow;
using test::textListRows;

const char* const kNoValidData = "El sondeo elegido no contiene datos válidos.";
const char* const kNotEnoughData = "El sondeo seleccionado no dispone de suficientes datos.";
const char* const kInvalidArguments =
    "El sondeo elegido no contiene datos válidos, o la fecha no es correcta.";

struct Fixture {
    test::ScratchPlaces places;
    test::ScriptedUi ui;
    SessionState session;

    std::filesystem::path temp(const char* name) const { return places.tempFolder() / name; }

    void readTextList(const std::string& page) {
        test::writeFile(temp(tempfiles::kSoundingList), page);
        session.sounding.fromSecondService = false;
        loadObservedSounding(session, ui, places.tempFolder());
    }
    void readSecondService(const std::string& page) {
        test::writeFile(temp(tempfiles::kSecondSounding), page);
        session.sounding.fromSecondService = true;
        loadObservedSounding(session, ui, places.tempFolder());
    }
};

// A page whose table ends at its first short line, after `rows` rows.
std::string pageOf(const std::vector<std::string>& rows) {
    std::vector<std::string> lines = rows;
    lines.push_back("  251.0  10505  -52.5  -56.7     60   0.07                327.5  327.8  327.5");
    return textListPage(lines);
}

TEST(LoadObservedSounding, TextListPageBecomesTheShownSounding) {
    Fixture f;
    f.session.sounding.isForecast = true;
    f.readTextList(pageOf(textListRows(12)));
    const SoundingProfile& s = f.session.sounding;
    EXPECT_EQ(s.count, 12);
    ASSERT_EQ(s.levels.size(), 12u);
    EXPECT_EQ(s.levels[0], (SoundingRow{1000.0f, 60.0f, 20.0f, 10.0f, 50.0f, 0.0f, 5.0f}));
    EXPECT_TRUE(s.rowsAllocated);
    EXPECT_TRUE(f.session.view.soundingShown);
    EXPECT_TRUE(f.session.view.soundingAvailable);
    EXPECT_FALSE(s.isForecast);
    EXPECT_FALSE(s.partialFirstRow);
    EXPECT_EQ(s.forecastTitle, "08430 Murcia ");
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(f.temp(tempfiles::kSoundingList)));
}

TEST(LoadObservedSounding, PaddedFirstRowIsReportedForTheDiagram) {
    Fixture f;
    std::vector<std::string> rows = textListRows(5, 959.0);
    rows.insert(rows.begin(), " 1000.0     -7                                                               ");
    f.readTextList(pageOf(rows));
    EXPECT_TRUE(f.session.sounding.partialFirstRow);
    EXPECT_EQ(f.session.sounding.count, 5);
    EXPECT_EQ(f.session.sounding.levels[0][kPressure], 959.0f);
}

// Purpose: the failure outcomes of the text-list page, their messages and flags.
TEST(LoadObservedSounding, TextListFailuresClearTheSoundingAndSaySo) {
    struct Case {
        std::string page;
        const char* message;
    };
    std::string noShortLine = textListPage({});
    noShortLine = noShortLine.substr(0, noShortLine.find("</PRE>"));
    for (const std::string& row : textListRows(20)) {
        noShortLine += row + "\n";
    }
    const Case cases[] = {
        {"<BODY BGCOLOR=white>\nNo sounding here.\n", kNoValidData},
        {"", kNoValidData},
        {noShortLine, kNotEnoughData},
        {pageOf({}), kNotEnoughData},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.session.view.soundingShown = true;
        f.session.view.soundingAvailable = true;
        f.session.sounding.rowsAllocated = true;
        f.readTextList(c.page);
        EXPECT_FALSE(f.session.view.soundingShown) << c.message;
        EXPECT_FALSE(f.session.view.soundingAvailable) << c.message;
        EXPECT_FALSE(f.session.sounding.rowsAllocated) << c.message;
        EXPECT_EQ(f.session.sounding.count, 0) << c.message;
        EXPECT_EQ(f.ui.messageTexts(), std::vector<std::string>{c.message});
        EXPECT_EQ(f.ui.messages[0].icon, MessageIcon::Information);
        EXPECT_FALSE(std::filesystem::exists(f.temp(tempfiles::kSoundingList)));
    }
}

// Purpose: the level limits check every row but the top one.
TEST(LoadObservedSounding, RowOutsideTheLimitsHidesTheSoundingUnlessItIsTheTopRow) {
    struct Case {
        std::size_t badRow;
        int shown;
    };
    for (const Case c : {Case{11, 1}, Case{10, 0}, Case{0, 0}}) {
        Fixture f;
        std::vector<std::string> rows = textListRows(12);
        rows[c.badRow] = textListRow(500.0, 5000, -20.0, -30.0, 50, 200, 600); // 600 kt
        f.readTextList(pageOf(rows));
        EXPECT_EQ(f.session.view.soundingShown, c.shown) << c.badRow;
        EXPECT_EQ(f.session.view.soundingAvailable, c.shown) << c.badRow;
        // The rows stay until the next sounding releases them; nothing is said here.
        EXPECT_TRUE(f.session.sounding.rowsAllocated);
        EXPECT_EQ(f.session.sounding.count, 12);
        EXPECT_TRUE(f.ui.messages.empty());
    }
}

TEST(LoadObservedSounding, ReleasesThePreviousSoundingFirst) {
    Fixture f;
    f.readTextList(pageOf(textListRows(30)));
    ASSERT_EQ(f.session.sounding.count, 30);
    f.session.sounding.simulationRequested = true;
    f.readTextList(pageOf(textListRows(4)));
    EXPECT_EQ(f.session.sounding.count, 4);
    EXPECT_EQ(f.session.sounding.levels.size(), 4u);
    EXPECT_FALSE(f.session.sounding.simulationRequested);
}

TEST(LoadObservedSounding, MissingResponseFileChangesNothingAndSaysNothing) {
    Fixture f;
    f.session.view.soundingShown = true;
    f.session.sounding.isForecast = true;
    loadObservedSounding(f.session, f.ui, f.places.tempFolder());
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_TRUE(f.session.view.soundingShown);
    EXPECT_TRUE(f.session.sounding.isForecast);
}

TEST(LoadObservedSounding, SecondServicePageGives102RowsLowestFirstInKmh) {
    Fixture f;
    f.readSecondService(test::readFile(test::dataPath() / "sounding" / "second_service_murcia.html"));
    const SoundingProfile& s = f.session.sounding;
    ASSERT_EQ(s.count, 102);
    EXPECT_TRUE(f.session.view.soundingShown);
    EXPECT_TRUE(f.session.view.soundingAvailable);
    EXPECT_TRUE(s.rowsAllocated);
    EXPECT_FALSE(s.isForecast);
    // The table starts at the first level at or below 100 hPa (15700 m) and
    // the lowest listed level (60 m) is not used.
    EXPECT_EQ(s.levels[0], (SoundingRow{1004.6f, 70.0f, 21.9f, 15.8f, 68.0f, 200.0f, 10.0f}));
    EXPECT_EQ(s.levels[101][kHeight], 14500.0f);
    for (int i = 1; i < s.count; ++i) {
        EXPECT_GT(s.levels[static_cast<std::size_t>(i)][kHeight],
                  s.levels[static_cast<std::size_t>(i - 1)][kHeight]);
    }
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(f.temp(tempfiles::kSecondSounding)));
}

TEST(LoadObservedSounding, SecondServiceWithFewRowsRepeatsTheLowestLevel) {
    Fixture f;
    f.readSecondService(secondServicePage(secondServiceLevels(50)));
    ASSERT_EQ(f.session.sounding.count, 102);
    for (const SoundingRow& row : f.session.sounding.levels) {
        EXPECT_EQ(row, f.session.sounding.levels[0]);
    }
    EXPECT_EQ(f.session.sounding.levels[0][kHeight], 200.0f);
}

// Purpose: the second service's failures and their messages.
TEST(LoadObservedSounding, SecondServiceFailuresSaySo) {
    struct Case {
        std::string page;
        std::vector<std::string> messages;
        int shown;
    };
    const Case cases[] = {
        // The page says the arguments are wrong; its table, if any, is still read.
        {"<p>Invalid arguments passed</p>\n", {kInvalidArguments, kNoValidData}, 0},
        {secondServicePage(secondServiceLevels(30), "<b>Invalid arguments passed</b>\n"),
         {kInvalidArguments},
         1},
        {"<html><body>Pas de sondage</body></html>\n", {kNoValidData}, 0},
        // A table too short to resample.
        {secondServicePage(secondServiceLevels(2)), {kNoValidData}, 0},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.readSecondService(c.page);
        EXPECT_EQ(f.ui.messageTexts(), c.messages) << c.page.substr(0, 40);
        EXPECT_EQ(f.session.view.soundingShown, c.shown) << c.page.substr(0, 40);
        EXPECT_EQ(f.session.view.soundingAvailable, c.shown);
        EXPECT_EQ(f.session.sounding.count, c.shown ? 102 : 0);
        EXPECT_EQ(f.session.sounding.rowsAllocated, c.shown);
        EXPECT_FALSE(std::filesystem::exists(f.temp(tempfiles::kSecondSounding)));
        }
}

TEST(LoadObservedSounding, SecondServiceRowOutsideTheLimitsHidesTheSounding) {
    Fixture f;
    auto levels = secondServiceLevels(30);
    levels[10][1] = 1400.0; // pressure
    f.readSecondService(secondServicePage(levels));
    EXPECT_EQ(f.session.sounding.count, 102);
    EXPECT_TRUE(f.session.sounding.rowsAllocated);
    // Only reversed row 0 is used with so few rows; the bad level is not among them.
    EXPECT_TRUE(f.session.view.soundingShown);

    Fixture g;
    auto low = secondServiceLevels(30);
    low[28][7] = 900.0; // speed of level 1, the one every row repeats
    g.readSecondService(secondServicePage(low));
    EXPECT_FALSE(g.session.view.soundingShown);
    EXPECT_FALSE(g.session.view.soundingAvailable);
    EXPECT_TRUE(g.session.sounding.rowsAllocated);
}

} // namespace
} // namespace brisalta
