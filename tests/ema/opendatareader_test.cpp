// The OpenData readers on answers built in AEMET's layout: which slot each
// record fills, how each value is converted, and what odd or hostile answers do.
#include "ema/opendatareader.h"

#include "ema/opendataseries.h"
#include "opendatatestanswers.h"
#include "session/sessionstate.h"
#include "support/testplaces.h"
#include "text/debuglog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brisalta {
namespace {

using test::answer;
using test::fintAt;
using test::hourly;
using test::record;

class OpenDataReader : public ::testing::Test {
protected:
    std::filesystem::path answerFile() const { return places.settingsFolder() / "webOpenData.tmp"; }

    bool readRecords(const std::string& bytes) {
        test::writeFile(answerFile(), bytes);
        return ReadOpenDataRecords(session, answerFile(), true, "MADRID");
    }
    void readAndFinish(const std::string& bytes) {
        ASSERT_TRUE(readRecords(bytes));
        finishOpenDataSeries(session);
    }
    bool readAnswer(const std::string& bytes) {
        const auto path = places.settingsFolder() / "webAemet.tmp";
        test::writeFile(path, bytes);
        return ReadOpenDataAnswer(session, path, true);
    }

    test::ScratchPlaces places;
    SessionState session;
    GraphSeries& g = session.graph;
};

TEST_F(OpenDataReader, FillsEverySlotFromTwentyFourRecords) {
    readAndFinish(
        hourly(13, 24, {"\"ubi\" : \"MADRID RETIRO\"", "\"ta\" : 4.4", "\"pres\" : 929.9"}));
    EXPECT_EQ(g.emaSlotCount, 24);
    for (int i = 0; i < kSlots; ++i) {
        EXPECT_EQ(g.hour[i], (13 + i) % 24) << i;
        EXPECT_EQ(g.temperature[i], 4) << i;
        EXPECT_EQ(g.pressure[i], 930) << i;
    }
    EXPECT_EQ(g.title, "MADRID RETIRO - MADRID");
    EXPECT_TRUE(session.view.emaGraphShown);
    EXPECT_TRUE(session.view.graphAvailable);
    // The last record, 2021-01-09 12 UTC, an hour later in local time.
    EXPECT_EQ(g.day, 9);
    EXPECT_EQ(g.month, 1);
    EXPECT_EQ(g.year, 2021);
    EXPECT_EQ(g.lastTime, 1300);
}

TEST_F(OpenDataReader, AlignsTwentyRecordsOnTheNewestSlot) {
    readAndFinish(hourly(5, 20, {"\"ta\" : 7.0", "\"vv\" : 2.0", "\"dv\" : 90.0"}));
    EXPECT_EQ(g.emaSlotCount, 20);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(g.hour[k], k + 1) << k;
        EXPECT_EQ(g.temperature[k], kMissing) << k;
        EXPECT_EQ(g.dewPoint[k], kMissing) << k;
        EXPECT_EQ(g.windSpeed[k], kMissing) << k;
        EXPECT_EQ(g.windDirection[k], "Calma") << k;
    }
    for (int i = 4; i < kSlots; ++i) {
        EXPECT_EQ(g.hour[i], (i + 1) % 24) << i;
        EXPECT_EQ(g.temperature[i], 7) << i;
        EXPECT_EQ(g.windSpeed[i], 7) << i;
        EXPECT_EQ(g.windDirection[i], "E") << i;
    }
    EXPECT_FALSE(g.allCalm);
    EXPECT_FALSE(g.noWindSpeed);
}

TEST_F(OpenDataReader, LeadingHoursMayGoBelowZero) {
    readAndFinish(hourly(2, 20));
    EXPECT_EQ(g.hour[0], -2);
    EXPECT_EQ(g.hour[1], -1);
    EXPECT_EQ(g.hour[2], 0);
    EXPECT_EQ(g.hour[3], 1);
    EXPECT_EQ(g.hour[4], 2);
}

// Purpose: each field of a record lands in its series with the program's
// conversion and rounding; numbers no slot can hold become missing.
TEST_F(OpenDataReader, ConvertsTheFieldsOfARecord) {
    struct Case {
        const char* field;
        Slots<int> GraphSeries::*series;
        int expected; // in slot 23, after the alignment
    };
    const Case cases[] = {
        {"\"vv\" : 2.5", &GraphSeries::windSpeed, 9},
        {"\"vv\" : 4.8", &GraphSeries::windSpeed, 17},
        {"\"vv\" : 0.0", &GraphSeries::windSpeed, kMissing},
        {"\"ta\" : -0.5", &GraphSeries::temperature, -1},
        {"\"ta\" : 12.5", &GraphSeries::temperature, 13},
        {"\"ta\" : 0.0", &GraphSeries::temperature, 0},
        {"\"hr\" : 87.9", &GraphSeries::humiditySeries, 87},
        {"\"pres\" : 929.5", &GraphSeries::pressure, 930},
        {"\"pres\" : 0.0", &GraphSeries::pressure, kMissing},
        {"\"tpr\" : -0.5", &GraphSeries::dewPoint, -1},
        {"\"ta\" : 1e400", &GraphSeries::temperature, kMissing},
        {"\"vv\" : 1e300", &GraphSeries::windSpeed, kMissing},
        {"\"pres\" : 99999999999999", &GraphSeries::pressure, kMissing},
        {"\"hr\" : nan", &GraphSeries::humiditySeries, kMissing},
        {"\"ta\" : null", &GraphSeries::temperature, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        readAndFinish(answer({record(fintAt(14), {c.field})}));
        EXPECT_EQ((g.*c.series)[23], c.expected);
    }
}

// Purpose: directions by sector; none (calm) below 0, from 360 on, or NaN.
TEST_F(OpenDataReader, NamesTheWindDirectionOfARecord) {
    const std::pair<const char*, const char*> cases[] = {
        {"11.25", "NNE"},   {"348.75", "N"},   {"250.0", "WSW"}, {"0.0", "N"},
        {"360.0", "Calma"}, {"-1.0", "Calma"}, {"nan", "Calma"},
    };
    for (const auto& [degrees, word] : cases) {
        readAndFinish(answer({record(fintAt(14), {std::string("\"dv\" : ") + degrees})}));
        EXPECT_EQ(g.windDirection[23], word) << degrees;
    }
}

TEST_F(OpenDataReader, DerivesTheDewPointFromHumidityWhenTheAnswerHasNone) {
    readAndFinish(answer({record(fintAt(14), {"\"hr\" : 50.0", "\"ta\" : 20.0"}),
                          record(fintAt(15), {"\"hr\" : 100.0", "\"ta\" : 10.0"})}));
    EXPECT_FALSE(g.hasDewPointSeries);
    EXPECT_EQ(g.dewPoint[22], 9);
    EXPECT_EQ(g.dewPoint[23], 10);
    EXPECT_EQ(g.humidity, 100);
    EXPECT_TRUE(g.hasHumiditySeries);
}

// Purpose: the header date and time are those of the last record, made local;
// the month is never changed.
TEST_F(OpenDataReader, MakesTheLastObservationTimeLocal) {
    struct Case {
        const char* fint;
        int offset;
        int day;
        int lastTime;
    };
    const Case cases[] = {
        {"2021-01-31T23:00:00", 2, 32, 100},
        {"2021-01-09T00:00:00", -1, 8, 2300},
        {"2021-01-09T12:00:00", 0, 9, 1200},
    };
    for (const Case& c : cases) {
        session.selection.timeOffsetHours = c.offset;
        ASSERT_TRUE(readRecords(answer({record(c.fint)})));
        EXPECT_EQ(g.day, c.day) << c.fint;
        EXPECT_EQ(g.month, 1) << c.fint;
        EXPECT_EQ(g.lastTime, c.lastTime) << c.fint;
    }
}

TEST_F(OpenDataReader, TitlesTheGraphWithTheFirstStationName) {
    const std::string twoNames = answer({record(fintAt(14), {"\"ubi\" : \"MADRID RETIRO\""}),
                                         record(fintAt(15), {"\"ubi\" : \"OTRA\""})});
    readAndFinish(twoNames);
    EXPECT_EQ(g.title, "MADRID RETIRO - MADRID");

    session.selection.emaManual = true;
    readAndFinish(twoNames);
    EXPECT_EQ(g.title, "MADRID RETIRO");
}

TEST_F(OpenDataReader, DropsValuesMetBeforeTheFirstRecord) {
    const std::string bytes = "[ {\n  \"ta\" : 40.0,\n  \"ubi\" : \"ANTES\",\n  \"fint\" : \"" +
                              fintAt(3) + "\",\n" + answer({record(fintAt(14), {"\"ta\" : 5.0"})});
    readAndFinish(bytes);
    EXPECT_EQ(g.emaSlotCount, 1);
    EXPECT_EQ(g.temperature[23], 5);
    EXPECT_EQ(g.hour[23], 14);
    EXPECT_EQ(g.title, "");
    EXPECT_FALSE(session.view.emaGraphShown);
}

TEST_F(OpenDataReader, KeepsTheNewestTwentyFourRecordsOfALongerAnswer) {
    std::vector<std::string> records;
    for (int h = 0; h < 30; ++h) {
        records.push_back(record(fintAt(h), {"\"ta\" : " + std::to_string(h) + ".0"}));
    }
    std::string trace;
    text::setDebugLogSink([&trace](std::string_view m) { trace += m; });
    readAndFinish(answer(records));
    text::setDebugLogSink(nullptr);
    EXPECT_EQ(g.emaSlotCount, 24);
    EXPECT_EQ(g.temperature[0], 6);
    EXPECT_EQ(g.temperature[23], 29);
    EXPECT_EQ(g.hour[0], 6);
    EXPECT_EQ(g.hour[23], 5);
    EXPECT_EQ(g.lastTime, 600);
    EXPECT_NE(trace.find("6 records"), std::string::npos) << trace;
}

TEST_F(OpenDataReader, TakesAValueThatRunsToTheEndOfTheFile) {
    ASSERT_TRUE(readRecords("[ {\n  \"idema\" : \"3195\",\n  \"ta\" : 12.5"));
    EXPECT_EQ(g.temperature[0], 13);
    ASSERT_TRUE(readRecords("[ {\n  \"idema\" : \"3195\",\n  \"ubi\" : \"MADRID RETIRO"));
    EXPECT_EQ(g.title, "MADRID RETIRO - MADRID");
}

TEST_F(OpenDataReader, IgnoresAnObservationTimeTooShortForItsHour) {
    g.day = 5;
    g.lastTime = 700;
    ASSERT_TRUE(readRecords(answer({record("2021-01-09T1", {"\"ta\" : 3.0"})})));
    EXPECT_EQ(g.emaSlotCount, 1);
    EXPECT_EQ(g.hour[0], 0);
    EXPECT_EQ(g.temperature[0], 3);
    EXPECT_EQ(g.day, 5);
    EXPECT_EQ(g.lastTime, 700);
}

TEST_F(OpenDataReader, ClearsTheSlotsEvenWhenTheAnswerIsMissing) {
    g.temperature.fill(21);
    g.windDirection.fill("SW");
    g.emaSlotCount = 24;
    g.hasGust = true;
    g.noPressure = true;
    EXPECT_FALSE(ReadOpenDataRecords(session, places.settingsFolder() / "none.tmp", true, "X"));
    EXPECT_EQ(g.emaSlotCount, 0);
    EXPECT_EQ(g.temperature[5], 0);
    EXPECT_TRUE(g.windDirection[5].empty());
    EXPECT_FALSE(g.hasGust);
    EXPECT_FALSE(g.noPressure);
    finishOpenDataSeries(session);
    EXPECT_EQ(g.temperature[23], kMissing);
    EXPECT_TRUE(g.allCalm);
    EXPECT_TRUE(g.noWindSpeed);
    EXPECT_TRUE(g.noPressure);
}

TEST_F(OpenDataReader, DeletesTheAnswerOnlyWhenAsked) {
    test::writeFile(answerFile(), hourly(0, 1));
    ASSERT_TRUE(ReadOpenDataRecords(session, answerFile(), false, "X"));
    EXPECT_TRUE(std::filesystem::exists(answerFile()));
    ASSERT_TRUE(ReadOpenDataRecords(session, answerFile(), true, "X"));
    EXPECT_FALSE(std::filesystem::exists(answerFile()));
}

// Purpose: the outcome words of the index answer count wherever they stand.
TEST_F(OpenDataReader, ReadsTheOutcomeOfTheIndexAnswer) {
    ASSERT_TRUE(
        readAnswer("{\n  \"descripcion\" : \"inexitoso\",\n  \"datos\" : \"https://x/sh/1\"\n}"));
    EXPECT_TRUE(session.retrieval.openDataSuccess);
    EXPECT_EQ(session.retrieval.openDataDataUrl, "https://x/sh/1");
    EXPECT_FALSE(session.retrieval.openDataKeyExpired);
    EXPECT_FALSE(session.retrieval.openDataKeyInvalid);
    EXPECT_FALSE(std::filesystem::exists(places.settingsFolder() / "webAemet.tmp"));

    EXPECT_FALSE(ReadOpenDataAnswer(session, places.settingsFolder() / "none.tmp", true));
    EXPECT_TRUE(session.retrieval.openDataSuccess); // nothing is cleared by a missing answer
}

// Purpose: no answer, however broken, crashes, hangs or overruns the slots.
TEST_F(OpenDataReader, SurvivesHostileAnswers) {
    std::string everyByte;
    for (int i = 0; i < 4096; ++i) {
        everyByte.push_back(static_cast<char>(i * 37 % 256));
    }
    std::string keysOnly;
    for (int i = 0; i < 5000; ++i) {
        keysOnly += "\"idema\" : \"\"fint\" : \"\"dv\" : ";
    }
    std::string longValue = "[ {\n  \"idema\" : \"3195\",\n  \"ubi\" : \"";
    longValue.append(1 << 20, 'A');
    const std::string cases[] = {
        "",
        everyByte,
        keysOnly,
        longValue,
        "\"idema\" : \"",
        "\"fint\" : \"",
        "[ {\n  \"idema\" : \"3195\",\n  \"fint\" : \"\",\n  \"vv\" : -1e308,\n  \"dv\" : inf,\n"
        "  \"alt\" : 99999999999999999999,\n  \"hr\" : -5.0,\n  \"ta\" : -1e308\n} ]",
        hourly(0, 500, {"\"ta\" : 1.0", "\"ubi\" : \"X\""}),
    };
    for (const std::string& bytes : cases) {
        ASSERT_TRUE(readRecords(bytes));
        finishOpenDataSeries(session);
        EXPECT_GE(g.emaSlotCount, 0);
        EXPECT_LE(g.emaSlotCount, kSlots);
        ASSERT_TRUE(readAnswer(bytes));
    }
}

} // namespace
} // namespace brisalta
