// The 24 hourly slots built from a list of reports: which report fills which
// hour, the values each slot takes, the pressure with and without the
// station's elevation, the header of the graph and the 21-gap rule.
#include "sources/reportslots.h"

#include "sources/awcmetaranswer.h"
#include "sources/iemasosanswer.h"
#include "sources/utctime.h"
#include "sourcesdata.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brisalta::sources {
namespace {

using test::ownAnswer;
using test::sample;

constexpr int M = kMissing;

std::vector<SurfaceReport> awc(const std::string& body) {
    return readAwcMetarAnswer(body).reports;
}

SurfaceReport report(const std::string& raw, const std::string& when) {
    SurfaceReport r;
    r.raw = raw;
    r.observedUtc = *parseUtcTimestamp(when);
    return r;
}

struct SlotValues {
    int slot;
    int hour;
    int temperature;
    int dewPoint;
    int pressure;
    int windSpeed;
    const char* direction;
};

void expectSlots(const GraphSeries& g, std::initializer_list<SlotValues> expected) {
    for (const SlotValues& e : expected) {
        EXPECT_EQ(g.hour[e.slot], e.hour) << "slot " << e.slot;
        EXPECT_EQ(g.temperature[e.slot], e.temperature) << "slot " << e.slot;
        EXPECT_EQ(g.dewPoint[e.slot], e.dewPoint) << "slot " << e.slot;
        EXPECT_EQ(g.pressure[e.slot], e.pressure) << "slot " << e.slot;
        EXPECT_EQ(g.windSpeed[e.slot], e.windSpeed) << "slot " << e.slot;
        EXPECT_EQ(g.windDirection[e.slot], e.direction) << "slot " << e.slot;
    }
}

// The LEMD answer (elevation 609 m, so station pressure = QNH / 1.07546,
// truncated): the METAR of 12:30 beats the SPECI of 12:05, the SPECI of 10:50
// beats the METAR of 10:30, 09 UTC has no report, 08:30 is calm, 11:30
// variable, and 28 July 12:30 is one hour too old for the graph.
TEST(ReportSlots, FillsEachClockHourWithItsNewestReport) {
    const std::vector<SurfaceReport> reports = awc(ownAnswer("awc_lemd_2025.json"));
    const ReportSlots built = buildReportSlots(reports, {"LEMD", 2, ""}, GraphSeries{});
    ASSERT_EQ(built.outcome, SlotOutcome::Drawn);
    const GraphSeries& g = built.series;
    expectSlots(g, {
                       {23, 12, 30, 5, 943, 18, "SW"},
                       {22, 11, 28, 6, 944, 3, "Variable"},
                       {21, 10, 24, 12, 944, 14, "SSW"},
                       {20, 9, M, M, M, M, "No"},
                       {19, 8, 20, 8, 946, M, "Calm"},
                       {18, 7, 17, 8, 946, 7, "NE"},
                       {17, 6, M, M, M, M, "No"},
                       {1, 14, M, M, M, M, "No"},
                       {0, 13, 33, 4, 941, 22, "WSW"},
                   });
    EXPECT_EQ(built.slotsWithReport, 6);
    EXPECT_EQ(built.missing.temperature, 18);
    EXPECT_EQ(built.missing.windSpeed, 19); // the calm hour has no speed to draw
    EXPECT_TRUE(g.pressureIsStation);
    EXPECT_TRUE(g.altitudeKnown);
    EXPECT_EQ(g.altitudeMetres, 609);
}

// The header comes from the newest report, its time shifted to local time,
// and the sky report is that report's, not the SPECI's with its gust.
TEST(ReportSlots, NewestReportGivesTheHeaderAndTheSkyReport) {
    const std::vector<SurfaceReport> reports = awc(ownAnswer("awc_lemd_2025.json"));
    const GraphSeries& g = buildReportSlots(reports, {"LEMD", 2, ""}, GraphSeries{}).series;
    EXPECT_EQ(g.year, 2025);
    EXPECT_EQ(g.month, 7);
    EXPECT_EQ(g.day, 29);
    EXPECT_EQ(g.lastTime, 1430);
    EXPECT_EQ(g.humidity, 20); // 30 °C, dew point 5 °C
    EXPECT_FALSE(g.hasGust);
    EXPECT_FALSE(g.hasTrend);
    const std::string sky = text::toUtf8(g.skyReport);
    EXPECT_NE(sky.find("No hay nubes por debajo de 1500 mts"), std::string::npos) << sky;
    EXPECT_NE(sky.find("No se esperan cambios importantes"), std::string::npos) << sky;
    EXPECT_EQ(sky.find("cumulonimbos"), std::string::npos) << sky;
    EXPECT_EQ(sky.find("Lluvia"), std::string::npos) << sky;
}

// The mesonet's answer of the same reports draws the same graph: the source
// does not change a single slot.
TEST(ReportSlots, MesonetAnswerGivesTheSameSlots) {
    const ReportSlots api =
        buildReportSlots(awc(ownAnswer("awc_lemd_2025.json")), {"LEMD", 2, ""}, GraphSeries{});
    const ReportSlots mesonet =
        buildReportSlots(readIemAsosAnswer(ownAnswer("iem_lemd_onlycomma.csv")).reports,
                         {"LEMD", 2, ""}, GraphSeries{});
    const GraphSeries& a = api.series;
    const GraphSeries& m = mesonet.series;
    EXPECT_EQ(a.hour, m.hour);
    EXPECT_EQ(a.temperature, m.temperature);
    EXPECT_EQ(a.dewPoint, m.dewPoint);
    EXPECT_EQ(a.pressure, m.pressure);
    EXPECT_EQ(a.windSpeed, m.windSpeed);
    EXPECT_EQ(a.windDirection, m.windDirection);
    EXPECT_EQ(a.skyReport, m.skyReport);
    EXPECT_EQ(a.lastTime, m.lastTime);
    EXPECT_EQ(m.altitudeMetres, 609);
    EXPECT_EQ(m.title, "LEMD"); // the mesonet gives no name
}

// Without an elevation the slots keep the QNH, and the altitude the user may
// have typed for the previous graph stays where it was.
TEST(ReportSlots, KeepsQnhWithoutElevation) {
    GraphSeries previous;
    previous.pressureIsStation = true;
    previous.altitudeKnown = true;
    previous.altitudeMetres = 123;
    const ReportSlots built =
        buildReportSlots(awc(ownAnswer("awc_leal_2023_no_elev.json")), {"LEAL", 1, ""}, previous);
    const GraphSeries& g = built.series;
    EXPECT_FALSE(g.pressureIsStation);
    EXPECT_FALSE(g.altitudeKnown);
    EXPECT_EQ(g.altitudeMetres, 123);
    expectSlots(g, {
                       {23, 16, 24, 15, 1014, 16, "E"},
                       {20, 13, 25, 13, 1013, 24, "ESE"},
                       {19, 12, M, M, M, M, "No"},
                   });
}

// A graph needs one series with fewer than 21 gaps: four hourly reports are
// enough, three are not.
TEST(ReportSlots, AppliesTheTwentyOneGapRule) {
    const std::vector<SurfaceReport> all = awc(ownAnswer("awc_leal_2023_no_elev.json"));
    struct Case {
        std::size_t reports;
        SlotOutcome outcome;
        int missingTemperature;
    };
    const Case cases[] = {
        {4, SlotOutcome::Drawn, 20},
        {3, SlotOutcome::TooFewData, 21},
        {1, SlotOutcome::TooFewData, 23},
    };
    for (const Case& c : cases) {
        const std::vector<SurfaceReport> some(all.begin(), all.begin() + c.reports);
        const ReportSlots built = buildReportSlots(some, {"LEAL", 0, ""}, GraphSeries{});
        EXPECT_EQ(built.outcome, c.outcome) << c.reports;
        EXPECT_EQ(built.missing.temperature, c.missingTemperature) << c.reports;
    }
}

// Title: the catalogue's name first, then the source's, then the code.
TEST(ReportSlots, ChoosesTheTitle) {
    const std::vector<SurfaceReport> named = awc(ownAnswer("awc_lemd_2025.json"));
    const std::vector<SurfaceReport> unnamed =
        readIemAsosAnswer(ownAnswer("iem_lemd_onlycomma.csv")).reports;
    struct Case {
        const std::vector<SurfaceReport>* reports;
        std::string catalogue;
        std::string title;
    };
    const Case cases[] = {
        {&named, "Madrid / Barajas", "Madrid / Barajas"},
        {&named, "", "Madrid/Barajas Intl, M, ES"},
        {&unnamed, "", "LEMD"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(
            buildReportSlots(*c.reports, {"LEMD", 0, c.catalogue}, GraphSeries{}).series.title,
            c.title);
    }
}

// The local date and time of the newest report, by the program's offset rule.
TEST(ReportSlots, ShiftsTheNewestTimeByTheOffset) {
    struct Case {
        const char* observed;
        int offset;
        int day;
        int lastTime;
    };
    const Case cases[] = {
        {"2025-07-29 23:30", 2, 30, 130},
        {"2025-07-01 03:00", -5, 0, 2200},
        {"2025-07-01 10:00", -5, 1, 500},
        {"2025-07-01 10:20", 0, 1, 1020},
    };
    for (const Case& c : cases) {
        const std::vector<SurfaceReport> one = {
            report("LEMD 011000Z 22010KT 30/05 Q1015", c.observed)};
        const GraphSeries& g = buildReportSlots(one, {"LEMD", c.offset, ""}, GraphSeries{}).series;
        EXPECT_EQ(g.day, c.day) << c.observed << " " << c.offset;
        EXPECT_EQ(g.lastTime, c.lastTime) << c.observed << " " << c.offset;
        EXPECT_EQ(g.hour[23], utcFieldsOf(*parseUtcTimestamp(c.observed)).hour);
    }
}

// The groups are read after the day-hour-minute group wherever it stands, so
// a correction (COR before the station) decodes like any report; values the
// report lacks are missing.
TEST(ReportSlots, DecodesEachReportFromItsTimeGroup) {
    struct Case {
        std::string raw;
        int temperature;
        int pressure;
        int windSpeed;
        const char* direction;
    };
    const Case cases[] = {
        {"COR LEMD 291230Z 22010KT CAVOK 30/05 Q1015", 30, 1015, 18, "SW"},
        {"LEMD 291230Z AUTO 22010KT 30/05 Q1015", 30, 1015, 18, "SW"},
        {"LEMD 291230Z 22010KT CAVOK Q1015", M, 1015, 18, "SW"},
        {"LEMD 291230Z 30/05", 30, M, M, "No"},
        {"LEMD 291230Z 27004MPS 30/05 A2992", 30, 1013, 14, "W"},
    };
    for (const Case& c : cases) {
        const std::vector<SurfaceReport> one = {report(c.raw, "2025-07-29 12:30")};
        const GraphSeries& g = buildReportSlots(one, {"LEMD", 0, ""}, GraphSeries{}).series;
        EXPECT_EQ(g.temperature[23], c.temperature) << c.raw;
        EXPECT_EQ(g.pressure[23], c.pressure) << c.raw;
        EXPECT_EQ(g.windSpeed[23], c.windSpeed) << c.raw;
        EXPECT_EQ(g.windDirection[23], c.direction) << c.raw;
    }
}

// No usable report: the previous graph is returned untouched, for the caller
// to try the next source or to tell the user.
TEST(ReportSlots, LeavesThePreviousGraphWithoutReports) {
    GraphSeries previous;
    previous.title = "Alicante";
    previous.temperature.fill(21);
    previous.lastTime = 930;
    SurfaceReport outOfRange = report("LEMD 291230Z 22010KT 30/05 Q1015", "2025-07-29 12:30");
    outOfRange.observedUtc = -1;
    SurfaceReport farFuture = outOfRange;
    farFuture.observedUtc = kLatestInstant + 1;
    const std::vector<std::vector<SurfaceReport>> lists = {{}, {outOfRange, farFuture}};
    for (const std::vector<SurfaceReport>& list : lists) {
        const ReportSlots built = buildReportSlots(list, {"LEMD", 1, ""}, previous);
        EXPECT_EQ(built.outcome, SlotOutcome::NoReports);
        EXPECT_EQ(built.series.title, "Alicante");
        EXPECT_EQ(built.series.temperature, previous.temperature);
        EXPECT_EQ(built.series.lastTime, 930);
    }
}

// Fields no METAR source writes survive; the flags every source clears are
// cleared.
TEST(ReportSlots, KeepsWhatTheSourceDoesNotWrite) {
    GraphSeries previous;
    previous.fileVersion = 30;
    previous.emaSlotCount = 7;
    previous.humiditySeries.fill(55);
    previous.noPressure = true;
    previous.noWindSpeed = true;
    previous.allCalm = true;
    previous.hasHumiditySeries = true;
    previous.hasDewPointSeries = true;
    const GraphSeries& g =
        buildReportSlots(awc(ownAnswer("awc_lemd_2025.json")), {"LEMD", 0, ""}, previous).series;
    EXPECT_EQ(g.fileVersion, 30);
    EXPECT_EQ(g.emaSlotCount, 7);
    EXPECT_EQ(g.humiditySeries, previous.humiditySeries);
    EXPECT_EQ(g.noPressure + g.noWindSpeed + g.allCalm + g.hasHumiditySeries + g.hasDewPointSeries,
              0);
}

// Real answers: the API's two KMCI reports (altimeter in inches, elevation
// 308 m), and a day of five-minute, routine and special CVG reports from the
// mesonet, which fills every hour with the last report of that hour.
TEST(ReportSlots, BuildsFromRecordedAnswers) {
    const ReportSlots kmci =
        buildReportSlots(awc(sample("awc_api/FS20_HudBar_KMCI_20251113_format-json.json")),
                         {"KMCI", 0, ""}, GraphSeries{});
    EXPECT_EQ(kmci.outcome, SlotOutcome::TooFewData);
    expectSlots(kmci.series, {{23, 13, 10, 3, 983, 16, "SE"}, {22, 12, 9, 3, 983, 14, "SE"}});
    EXPECT_EQ(kmci.series.title, "Kansas City Intl, MO, US");
    EXPECT_EQ(kmci.series.lastTime, 1353);

    const ReportSlots cvg = buildReportSlots(
        readIemAsosAnswer(sample("iem_asos/riem/measures-all-reports__asos.py-d29614.txt")).reports,
        {"KCVG", 0, ""}, GraphSeries{});
    EXPECT_EQ(cvg.outcome, SlotOutcome::Drawn);
    EXPECT_EQ(cvg.slotsWithReport, 24);
    for (int slot = 0; slot < kSlots; ++slot) {
        EXPECT_EQ(cvg.series.hour[slot], slot) << slot;
    }
    // 23:55 "14011KT 3SM -RA BR OVC006 04/04 A3015"
    expectSlots(cvg.series, {{23, 23, 4, 4, 1020, 20, "SE"}});
    EXPECT_EQ(cvg.series.lastTime, 2355);
}

} // namespace
} // namespace brisalta::sources
