// The data API's JSON answer: both schemas, the times, names and elevations
// of the reports, and every answer that holds no report.
#include "sources/awcmetaranswer.h"

#include "sourcesdata.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace brisalta::sources {
namespace {

using test::ownAnswer;
using test::sample;

// The 2023 answer writes "LEJR ..." and a blank-separated reportTime, the 2025
// one "METAR KMCI ..." and an ISO reportTime; both give the same report fields.
TEST(AwcMetarAnswer, ReadsBothSchemas) {
    struct Case {
        std::string body;
        std::size_t count;
        std::string firstRaw;
        std::int64_t firstObserved;
        std::string station;
        std::string name;
        std::optional<int> elevation;
    };
    const Case cases[] = {
        {sample("awc_api/briefing-app_LEJR_20231027_format-json.json"), 1,
         "LEJR 271530Z 24011KT 220V280 9999 FEW050 22/13 Q1015", 1698420600, "LEJR",
         "Jerez Arpt, AN, ES", 25},
        {sample("awc_api/FS20_HudBar_KMCI_20251113_format-json.json"), 2,
         "KMCI 131353Z 14009KT 10SM BKN210 10/03 A3014 RMK AO2 SLP203 T01000028 $", 1763041980,
         "KMCI", "Kansas City Intl, MO, US", 308},
        {ownAnswer("awc_lemd_2025.json"), 9, "LEMD 291230Z 22010KT CAVOK 30/05 Q1015 NOSIG",
         1753792200, "LEMD", "Madrid/Barajas Intl, M, ES", 609},
        {ownAnswer("awc_leal_2023_no_elev.json"), 4, "LEAL 271600Z 09009KT 9999 FEW030 24/15 Q1014",
         1698422400, "LEAL", "Alicante/El Altet Arpt, V, ES", std::nullopt},
    };
    for (const Case& c : cases) {
        const ReportList list = readAwcMetarAnswer(c.body);
        ASSERT_EQ(list.problem, ReportProblem::None) << c.firstRaw;
        ASSERT_EQ(list.reports.size(), c.count) << c.firstRaw;
        const SurfaceReport& first = list.reports.front();
        EXPECT_EQ(first.raw, c.firstRaw);
        EXPECT_EQ(first.observedUtc, c.firstObserved) << c.firstRaw;
        EXPECT_FALSE(first.speci) << c.firstRaw;
        EXPECT_EQ(first.station, c.station);
        EXPECT_EQ(first.stationName, c.name);
        EXPECT_EQ(first.elevationMetres, c.elevation) << c.firstRaw;
    }
}

// SPECI is known from the leading word or from metarType, in either schema.
TEST(AwcMetarAnswer, MarksSpecials) {
    const ReportList list = readAwcMetarAnswer(ownAnswer("awc_lemd_2025.json"));
    ASSERT_EQ(list.reports.size(), 9u);
    EXPECT_TRUE(list.reports[1].speci);
    EXPECT_EQ(list.reports[1].raw, "LEMD 291205Z 23015G25KT 9999 FEW040CB 29/06 Q1015");
    EXPECT_TRUE(list.reports[3].speci);
    EXPECT_FALSE(list.reports[2].speci);

    const ReportList typed = readAwcMetarAnswer(
        R"([{"rawOb":"LEMD 291205Z 23015KT 29/06 Q1015","obsTime":1753790700,"metarType":"SPECI"}])");
    ASSERT_EQ(typed.reports.size(), 1u);
    EXPECT_TRUE(typed.reports[0].speci);
    EXPECT_EQ(typed.reports[0].raw, "LEMD 291205Z 23015KT 29/06 Q1015");
}

// Where the time comes from when obsTime is not a plain number.
TEST(AwcMetarAnswer, FindsTheObservationTime) {
    struct Case {
        std::string fields;
        std::optional<std::int64_t> observed; // nothing: the entry is passed over
    };
    const Case cases[] = {
        {R"("obsTime":1698420600)", 1698420600},
        {R"("obsTime":1698420600.9)", 1698420600},
        {R"("obsTime":"1698420600")", 1698420600},
        {R"("obsTime":"2023-10-27T15:30:00Z")", 1698420600},
        {R"("reportTime":"2023-10-27 15:30:00")", 1698420600},
        {R"("obsTime":null,"reportTime":"2025-11-13T14:00:00.000Z")", 1763042400},
        {R"("obsTime":-5)", std::nullopt},
        {R"("obsTime":1e300)", std::nullopt},
        {R"("obsTime":"yesterday")", std::nullopt},
        {R"("obsTime":true)", std::nullopt},
        {R"("reportTime":"2023-10-27")", std::nullopt},
    };
    for (const Case& c : cases) {
        const std::string body =
            R"([{"rawOb":"LEJR 271530Z 24011KT 22/13 Q1015",)" + c.fields + "}]";
        const ReportList list = readAwcMetarAnswer(body);
        if (c.observed) {
            ASSERT_EQ(list.reports.size(), 1u) << c.fields;
            EXPECT_EQ(list.reports[0].observedUtc, *c.observed) << c.fields;
        } else {
            EXPECT_TRUE(list.reports.empty()) << c.fields;
            EXPECT_EQ(list.problem, ReportProblem::UnexpectedShape) << c.fields;
        }
    }
}

// Names come as UTF-8 and are kept in the program's code page; an elevation
// that no airport has is no elevation.
TEST(AwcMetarAnswer, KeepsNamesAndPlausibleElevations) {
    struct Case {
        std::string fields;
        std::string name;
        std::optional<int> elevation;
    };
    const Case cases[] = {
        {R"("name":"A Coruña Arpt, GA, ES","elev":98)", text::cp1252("A Coruña Arpt, GA, ES"), 98},
        {R"("name":"La Paz/El Alto","elev":4061.5)", "La Paz/El Alto", 4062},
        {R"("name":null,"elev":null)", "", std::nullopt},
        {R"("name":17,"elev":"609")", "", std::nullopt},
        {R"("elev":99999)", "", std::nullopt},
        {R"("elev":-1000)", "", std::nullopt},
    };
    for (const Case& c : cases) {
        const std::string body =
            R"([{"rawOb":"LECO 271530Z 24011KT 22/13 Q1015","obsTime":1698420600,)" + c.fields +
            "}]";
        const ReportList list = readAwcMetarAnswer(body);
        ASSERT_EQ(list.reports.size(), 1u) << c.fields;
        EXPECT_EQ(list.reports[0].stationName, c.name) << c.fields;
        EXPECT_EQ(list.reports[0].elevationMetres, c.elevation) << c.fields;
    }
}

// Everything that is not a list of reports: the caller goes on to the mesonet.
TEST(AwcMetarAnswer, TellsWhyThereAreNoReports) {
    const std::string real = sample("awc_api/briefing-app_LEJR_20231027_format-json.json");
    struct Case {
        const char* what;
        std::string body;
        int status;
        ReportProblem problem;
    };
    const Case cases[] = {
        {"empty body", "", 200, ReportProblem::NoReports},
        {"blank body", " \r\n", 200, ReportProblem::NoReports},
        {"status 204", real, 204, ReportProblem::NoReports},
        {"empty list", "[]", 200, ReportProblem::NoReports},
        {"HTML page", "<!DOCTYPE html><html><body>Not found</body></html>", 200,
         ReportProblem::Unreadable},
        {"cut short", real.substr(0, real.size() / 2), 200, ReportProblem::Unreadable},
        {"bad UTF-8", "[{\"rawOb\":\"LEJR \xC3\x28\",\"obsTime\":1}]", 200,
         ReportProblem::Unreadable},
        {"deep nesting", std::string(100000, '[') + std::string(100000, ']'), 200,
         ReportProblem::Unreadable},
        {"error object", R"({"status":"error","error":"Invalid ids"})", 400,
         ReportProblem::UnexpectedShape},
        {"not objects", R"([1,"LEMD",null,[]])", 200, ReportProblem::UnexpectedShape},
        {"no rawOb", R"([{"icaoId":"LEMD","obsTime":1698420600}])", 200,
         ReportProblem::UnexpectedShape},
        {"rawOb not text", R"([{"rawOb":42,"obsTime":1698420600}])", 200,
         ReportProblem::UnexpectedShape},
        {"only the word", R"([{"rawOb":"METAR ","obsTime":1698420600}])", 200,
         ReportProblem::UnexpectedShape},
        {"huge report", R"([{"rawOb":")" + std::string(5000, 'A') + R"(","obsTime":1}])", 200,
         ReportProblem::UnexpectedShape},
        {"too large", "[" + std::string(kMaxAnswerBytes, ' ') + "]", 200, ReportProblem::TooLarge},
    };
    for (const Case& c : cases) {
        const ReportList list = readAwcMetarAnswer(c.body, c.status);
        EXPECT_EQ(list.problem, c.problem) << c.what;
        EXPECT_TRUE(list.reports.empty()) << c.what;
    }
}

} // namespace
} // namespace brisalta::sources
