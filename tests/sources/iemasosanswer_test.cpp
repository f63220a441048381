// The mesonet's ASOS answer: the recorded tab-separated downloads, our own
// comma-separated one, and the answers that hold no report.
#include "sources/iemasosanswer.h"

#include "sourcesdata.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace brisalta::sources {
namespace {

using test::ownAnswer;
using test::sample;

std::string riem(const std::string& name) {
    return sample("iem_asos/riem/" + name);
}

// The columns are found by name wherever they stand: three columns in the
// CVG downloads, thirty in the VOHY one, four with the elevation in ours.
TEST(IemAsosAnswer, ReadsTheReportsOfEveryLayout) {
    struct Case {
        std::string body;
        std::size_t count;
        std::string firstRaw;
        std::int64_t firstObserved;
        std::string station;
        std::optional<int> elevation;
    };
    const Case cases[] = {
        {riem("measures-routine__asos.py-2d8537.txt"), 24,
         "KCVG 010052Z 14003KT 10SM FEW250 03/M11 A3042 RMK AO2 SLP310 T00281106 $", 1709254320,
         "CVG", std::nullopt},
        {riem("measures-specials__asos.py-a9e7cb.txt"), 6,
         "KCVG 011707Z 18006KT 9SM -PLRA OVC070 04/M03 A3025 RMK AO2 PLB06 P0000 T00441028",
         1709312820, "CVG", std::nullopt},
        {riem("measures-all-reports__asos.py-d29614.txt"), 317,
         "KCVG 010000Z AUTO 15005KT 10SM 03/M10 A3043 RMK T00301100 MADISHF", 1709251200, "CVG",
         std::nullopt},
        {riem("measures__asos.py-20bff1.txt"), 414,
         "VOHY 010040Z 13004KT 3000 HZ BKN010 SCT015 21/16 Q1015 NOSIG", 1393634400, "VOHY",
         std::nullopt},
        {ownAnswer("iem_lemd_onlycomma.csv"), 9, "LEMD 281230Z 25011KT CAVOK 32/04 Q1013 NOSIG",
         1753705800, "LEMD", 609},
    };
    for (const Case& c : cases) {
        const ReportList list = readIemAsosAnswer(c.body);
        ASSERT_EQ(list.problem, ReportProblem::None) << c.firstRaw;
        ASSERT_EQ(list.reports.size(), c.count) << c.firstRaw;
        const SurfaceReport& first = list.reports.front();
        EXPECT_EQ(first.raw, c.firstRaw);
        EXPECT_EQ(first.observedUtc, c.firstObserved) << c.firstRaw;
        EXPECT_EQ(first.station, c.station) << c.firstRaw;
        EXPECT_EQ(first.elevationMetres, c.elevation) << c.firstRaw;
        EXPECT_TRUE(first.stationName.empty());
    }
}

// Small answers in both delimiters: missing values, quoting, line ends, the
// leading word of a special.
TEST(IemAsosAnswer, ReadsRowsAsTheServiceWritesThem) {
    struct Case {
        const char* what;
        std::string body;
        std::size_t count;
        std::string lastRaw;
        bool lastSpeci;
        std::optional<int> lastElevation;
    };
    const Case cases[] = {
        {"CRLF, comma", "station,valid,metar\r\nLEMD,2025-07-29 12:30,LEMD 291230Z 22010KT\r\n", 1,
         "LEMD 291230Z 22010KT", false, std::nullopt},
        {"tab, elevation first",
         "elevation\tmetar\tvalid\n609.00\tLEMD 291230Z 22010KT\t2025-07-29 12:30\n", 1,
         "LEMD 291230Z 22010KT", false, 609},
        {"quoted report", "valid,metar\n2025-07-29 12:30,\"LEMD 291230Z 22010KT, \"\"x\"\"\"\n", 1,
         "LEMD 291230Z 22010KT, \"x\"", false, std::nullopt},
        {"SPECI word", "valid,metar\n2025-07-29 12:05,SPECI LEMD 291205Z 23015KT\n", 1,
         "LEMD 291205Z 23015KT", true, std::nullopt},
        {"missing elevation", "valid,elevation,metar\n2025-07-29 12:30,M,LEMD 291230Z 22010KT\n", 1,
         "LEMD 291230Z 22010KT", false, std::nullopt},
        {"rows passed over",
         "#DEBUG: Format Typ    -> comma\nvalid,metar\n2025-07-29 11:30,M\nbad time,LEMD 291130Z\n"
         "2025-07-29 12:30\n\n2025-07-29 12:30,LEMD 291230Z 22010KT\n",
         1, "LEMD 291230Z 22010KT", false, std::nullopt},
    };
    for (const Case& c : cases) {
        const ReportList list = readIemAsosAnswer(c.body);
        ASSERT_EQ(list.problem, ReportProblem::None) << c.what;
        ASSERT_EQ(list.reports.size(), c.count) << c.what;
        EXPECT_EQ(list.reports.back().raw, c.lastRaw) << c.what;
        EXPECT_EQ(list.reports.back().speci, c.lastSpeci) << c.what;
        EXPECT_EQ(list.reports.back().elevationMetres, c.lastElevation) << c.what;
    }
}

// Every answer without a report, and why: the caller words the message.
TEST(IemAsosAnswer, TellsWhyThereAreNoReports) {
    struct Case {
        const char* what;
        std::string body;
        ReportProblem problem;
    };
    const Case cases[] = {
        {"recorded empty answer", riem("warnings__asos.py-12a955.txt"), ReportProblem::NoReports},
        {"empty body", "", ReportProblem::NoReports},
        {"debug lines only", "#DEBUG: Entries Found -> -1\n", ReportProblem::NoReports},
        {"header only", "station,valid,metar\n", ReportProblem::NoReports},
        {"every report missing", "valid,metar\n2025-07-29 12:30,M\n2025-07-29 13:30,\n",
         ReportProblem::NoReports},
        {"no metar column", riem("measures2__asos.py-722155.txt"), ReportProblem::UnexpectedShape},
        {"error text", "ERROR: Malformed station provided\n", ReportProblem::UnexpectedShape},
        {"HTML page", "<html><head><title>502 Bad Gateway</title></head></html>\n",
         ReportProblem::Unreadable},
        {"too large", "valid,metar\n" + std::string(kMaxAnswerBytes, '\n'),
         ReportProblem::TooLarge},
    };
    for (const Case& c : cases) {
        const ReportList list = readIemAsosAnswer(c.body);
        EXPECT_EQ(list.problem, c.problem) << c.what;
        EXPECT_TRUE(list.reports.empty()) << c.what;
    }
}

} // namespace
} // namespace brisalta::sources
