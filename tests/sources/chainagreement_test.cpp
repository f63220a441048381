// The same day drawn by both chains: the classic one from a current-conditions
// page and a query page, the new one from the data API's answer, all three
// written from one table of hourly observations. Where both have the value,
// the slots must agree.
#include "session/sessionstate.h"
#include "sources/awcmetaranswer.h"
#include "sources/reportslots.h"
#include "sources/utctime.h"
#include "support/testplaces.h"
#include "weather/compass.h"
#include "surface/currentconditionspage.h"
#include "surface/latestreport.h"
#include "text/format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace brisalta::sources {
namespace {

// One hourly observation at Madrid-Barajas, 28-29 July 2017, at hh:30 UTC.
struct Observation {
    int day;
    int hour;
    int temperature; // °C
    int dewPoint;    // °C
    int qnh;         // hPa
    int direction;   // degrees; -1 for a variable wind
    int knots;
};

// Oldest first: 08 UTC on the 28th to 07 UTC on the 29th, with calm hours at
// night and a variable wind in the morning.
const std::vector<Observation> kDay = {
    {28, 8, 24, 9, 1017, 30, 5},    {28, 9, 26, 9, 1017, 40, 6},    {28, 10, 28, 8, 1017, 60, 7},
    {28, 11, 30, 7, 1016, 200, 8},  {28, 12, 32, 6, 1016, 220, 10}, {28, 13, 33, 6, 1015, 230, 12},
    {28, 14, 34, 5, 1014, 230, 14}, {28, 15, 35, 5, 1014, 240, 15}, {28, 16, 35, 6, 1013, 240, 13},
    {28, 17, 34, 6, 1013, 250, 11}, {28, 18, 32, 7, 1014, 260, 9},  {28, 19, 30, 8, 1014, 270, 6},
    {28, 20, 27, 9, 1015, 300, 4},  {28, 21, 25, 10, 1015, 340, 3}, {28, 22, 23, 10, 1016, 0, 0},
    {28, 23, 22, 10, 1016, 10, 2},  {29, 0, 21, 9, 1016, 0, 0},     {29, 1, 20, 9, 1017, 20, 3},
    {29, 2, 19, 9, 1017, 30, 4},    {29, 3, 18, 8, 1017, 0, 0},     {29, 4, 18, 8, 1018, 40, 3},
    {29, 5, 17, 8, 1018, -1, 2},    {29, 6, 20, 8, 1018, 50, 4},    {29, 7, 25, 8, 1018, -1, 2},
};
constexpr int kElevation = 582;

std::string metarOf(const Observation& o) {
    const std::string wind = o.direction < 0 ? text::format("VRB%02dKT", o.knots)
                                             : text::format("%03d%02dKT", o.direction, o.knots);
    return text::format("LEMD %02d%02d30Z %s CAVOK %02d/%02d Q%d NOSIG", o.day, o.hour,
                        wind.c_str(), o.temperature, o.dewPoint, o.qnh);
}

std::string apiAnswer() {
    std::string body = "[";
    for (auto o = kDay.rbegin(); o != kDay.rend(); ++o) {
        const std::int64_t observed = *utcSecondsOf(2017, 7, o->day, o->hour, 30);
        body += text::format("%s{\"icaoId\":\"LEMD\",\"obsTime\":%lld,\"metarType\":\"METAR\","
                             "\"rawOb\":\"METAR %s\",\"elev\":%d,\"name\":\"Madrid/Barajas\"}",
                             o == kDay.rbegin() ? "" : ",", static_cast<long long>(observed),
                             metarOf(*o).c_str(), kElevation);
    }
    return body + "]";
}

// The page's wind cell: the compass word and whole miles per hour, as NOAA
// printed it.
std::string windCell(const Observation& o) {
    if (o.knots == 0) {
        return "Calm";
    }
    const int mph = static_cast<int>(std::lround(o.knots * 1.15078));
    const std::string word =
        o.direction < 0 ? "Variable"
                        : std::string(compass::abbreviationOfDegrees(o.direction, o.knots));
    return word + " " + std::to_string(mph) + " MPH";
}

std::string currentConditionsPage() {
    std::string page =
        "<B>Current Weather Conditions:<BR>Madrid / Barajas, Spain</B>\n"
        "(LEMD) 40-27N 003-33W " +
        std::to_string(kElevation) +
        "M\n"
        "<OPTION>Metric</SELECT><BR>Jul 29, 2017 - 03:30 AM EDT / 2017.07.29 0730 UTC\n"
        "<B>Relative Humidity</B>\n<TD> 33%</TD>\n"
        "<TH>Latest hourly observations</TH>\n";
    const std::string font = "<FONT FACE=\"Arial,Helvetica\">";
    for (auto o = kDay.rbegin(); o != kDay.rend(); ++o) {
        page += "<TR>\n<TD>" + font +
                text::format("%d Jul %02d:30 UTC (%02d)", o->day, o->hour, o->hour) +
                "</FONT></TD>\n<TD>" + font + text::format("(%d C)", o->temperature) +
                "</FONT></TD>\n<TD>" + font + text::format("(%d C)", o->dewPoint) +
                "</FONT></TD>\n<TD>" + font + text::format("(%d hPa)", o->qnh) +
                "</FONT></TD>\n<TD>" + font + "<SMALL><B>" + windCell(*o) +
                "</B></SMALL></FONT></TD>\n</TR>\n";
    }
    return page;
}

std::string queryPage() {
    return "<HTML>\n<BODY>\n"
           "        Output produced by METARs form (0745&#160;UTC&nbsp;29 July 2017)<BR>\n"
           "<FONT FACE=\"Monospace,Courier\">" +
           metarOf(kDay.back()) +
           "</FONT><BR>\n"
           "      </TD>\n    </TR>\n  </TABLE>\n</BODY>\n</HTML>\n";
}

TEST(ChainAgreement, ClassicPagesAndDataApiDrawTheSameHours) {
    // The classic chain: the current-conditions page, then the query page.
    text::StreamReader page(currentConditionsPage());
    CurrentConditionsPage read = readCurrentConditionsPage(page, GraphSeries{}, "LEMD", 2);
    ASSERT_EQ(read.problem, CurrentConditionsPage::Problem::None);
    text::StreamReader query(queryPage());
    const QueryPageReport report = readQueryPage(query, std::move(read.graph), 2);
    ASSERT_TRUE(report.complete);
    const GraphSeries& classic = report.graph;

    // The new chain.
    const ReportSlots built =
        buildReportSlots(readAwcMetarAnswer(apiAnswer()).reports, {"LEMD", 2, ""}, GraphSeries{});
    ASSERT_EQ(built.outcome, SlotOutcome::Drawn);
    const GraphSeries& api = built.series;

    for (int slot = 0; slot < kSlots; ++slot) {
        EXPECT_EQ(api.hour[slot], classic.hour[slot]) << "slot " << slot;
        EXPECT_EQ(api.temperature[slot], classic.temperature[slot]) << "slot " << slot;
        EXPECT_EQ(api.dewPoint[slot], classic.dewPoint[slot]) << "slot " << slot;
        EXPECT_EQ(api.pressure[slot], classic.pressure[slot]) << "slot " << slot;
        EXPECT_EQ(api.windDirection[slot], classic.windDirection[slot]) << "slot " << slot;
        // The page printed whole miles per hour, the reports whole knots: the
        // two roundings may part by a km/h or two. Calm hours are missing in both.
        if (classic.windSpeed[slot] == kMissing || api.windSpeed[slot] == kMissing) {
            EXPECT_EQ(api.windSpeed[slot], classic.windSpeed[slot]) << "slot " << slot;
        } else {
            EXPECT_LE(std::abs(api.windSpeed[slot] - classic.windSpeed[slot]), 2)
                << "slot " << slot;
        }
    }
    // The newest hour comes from the same report in both chains.
    EXPECT_EQ(api.windSpeed[kSlots - 1], classic.windSpeed[kSlots - 1]);
    EXPECT_EQ(api.skyReport, classic.skyReport);
    EXPECT_EQ(api.day, classic.day);
    EXPECT_EQ(api.month, classic.month);
    EXPECT_EQ(api.year, classic.year);
    EXPECT_EQ(api.lastTime, classic.lastTime);
    EXPECT_EQ(api.pressureIsStation, classic.pressureIsStation);
    EXPECT_EQ(api.altitudeKnown, classic.altitudeKnown);
    EXPECT_EQ(api.altitudeMetres, classic.altitudeMetres);
}

} // namespace
} // namespace brisalta::sources
