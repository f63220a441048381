// The current-conditions page: header lines, the table walk with its row rules,
// the validation that decides whether there is a graph, and hostile pages.
#include "surface/currentconditionspage.h"

#include "support/testplaces.h"
#include "weather/derived.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace brisalta {
namespace {


using Problem = CurrentConditionsPage::Problem;

class CurrentConditionsPageReader : public ::testing::Test {
protected:
    void readFixture(const char* station) {
        icao = station;
        readText(test::readFile(test::dataPath() / "surface" / "current" /
                                (std::string(station) + ".html")));
    }

    // Reads over the series the previous read left, as the command does.
    void readText(const std::string& bytes) {
        text::StreamReader reader(bytes);
        page = readCurrentConditionsPage(reader, std::move(page.graph), icao, 2);
    }

    GraphSeries& graph() { return page.graph; }

    std::string icao = "LEMD";
    CurrentConditionsPage page;
};

// One table row as the page lays it out: four numbers after "(", the wind
// after the sixth '>' that follows them.
std::string row(int hour, int t, int td, const std::string& pressure, const std::string& wind) {
    const std::string font = "<FONT FACE=\"Arial,Helvetica\">";
    return "<TR>\n<TD>" + font + "29 Jul (" + std::to_string(hour) + ")</FONT></TD>\n<TD>" + font +
           "(" + std::to_string(t) + " C)</FONT></TD>\n<TD>" + font + "(" + std::to_string(td) +
           " C)</FONT></TD>\n<TD>" + font + pressure + "</FONT></TD>\n<TD>" + font +
           "<SMALL><B>" + wind + "</B></SMALL></FONT></TD>\n</TR>\n";
}

std::string header(const std::string& icaoLine = "(TEST) 40-27N 003-33W 582M\n") {
    return "<B>Current Weather Conditions:<BR>Test station</B>\n" + icaoLine +
           "<OPTION>Metric</SELECT><BR>Jul 29, 2017 - 03:30 AM EDT / 2017.07.29 0730 UTC\n"
           "<B>Relative Humidity</B>\n<TD> 54%</TD>\n"
           "<TH>Latest hourly observations</TH>\n";
}

TEST_F(CurrentConditionsPageReader, ReadsTheMadridPage) {
    readFixture("LEMD");
    EXPECT_EQ(graph().title, "Madrid / Barajas, Spain");
    EXPECT_EQ(graph().altitudeMetres, 582);
    EXPECT_TRUE(graph().altitudeKnown);
    EXPECT_TRUE(graph().pressureIsStation);
    EXPECT_EQ(graph().year, 2017);
    EXPECT_EQ(graph().month, 7);
    EXPECT_EQ(graph().day, 29);
    EXPECT_EQ(graph().lastTime, 930); // 0730 UTC + 2 h
    EXPECT_EQ(graph().humidity, 33);
    EXPECT_TRUE(page.stationFound);
    EXPECT_EQ(page.problem, Problem::None);

    // The page lists the newest hour first; slot 23 is 07 UTC, slot 0 is 08 UTC the day before.
    const Slots<int> hours = {8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19,
                              20, 21, 22, 23, 0, 1, 2, 3, 4, 5, 6, 7};
    const Slots<int> temperatures = {24, 27, 29, 31, 33, 34, 35, 36, 36, 35, 34, 32,
                                     30, 28, 27, 26, 25, 24, 23, 22, 21, 21, 22, 25};
    EXPECT_EQ(graph().hour, hours);
    EXPECT_EQ(graph().temperature, temperatures);
    EXPECT_EQ(graph().dewPoint[0], 9);
    EXPECT_EQ(graph().dewPoint[23], 8);
    // QNH 1018 and 1017 reduced to 582 m and truncated.
    EXPECT_EQ(graph().pressure[23], 949);
    EXPECT_EQ(graph().pressure[0], 948);
    // Miles per hour to km/h, truncated: 2 mph -> 3, 15 mph -> 24.
    EXPECT_EQ(graph().windDirection[23], "Variable");
    EXPECT_EQ(graph().windSpeed[23], 3);
    EXPECT_EQ(graph().windDirection[7], "WSW");
    EXPECT_EQ(graph().windSpeed[7], 24);
    // A calm hour keeps its name but has no speed.
    EXPECT_EQ(graph().windDirection[13], "Calm");
    EXPECT_EQ(graph().windSpeed[13], kMissing);
}

TEST_F(CurrentConditionsPageReader, ReducesPressuresOnlyWhenThePageGivesTheElevation) {
    readFixture("LEAL");
    EXPECT_EQ(graph().altitudeMetres, 43);
    EXPECT_EQ(graph().pressure[23], static_cast<int>(1016 / stationPressureFactor(43)));
    EXPECT_EQ(graph().pressure[23], 1010);

    // The command starts every page from QNH.
    icao = "TEST";
    graph().pressureIsStation = false;
    graph().altitudeKnown = false;
    readText(header("(TEST) 40-27N 003-33W\n") + row(7, 25, 8, "(1018 hPa)", "SW 10 MPH"));
    EXPECT_FALSE(graph().pressureIsStation);
    EXPECT_FALSE(graph().altitudeKnown);
    EXPECT_EQ(graph().pressure[23], 1018);
    EXPECT_EQ(graph().windSpeed[23], 16);
}

TEST_F(CurrentConditionsPageReader, ShortPageFillsTheNewestSlotsAndDropsTheIncompleteRow) {
    readFixture("LEBL");
    const GraphSeries& g = graph();
    EXPECT_EQ(page.problem, Problem::None);
    EXPECT_EQ(g.hour[23], 7);
    EXPECT_EQ(g.temperature[23], 26);
    EXPECT_EQ(g.pressure[23], 1016); // 1017 hPa at 6 m
    // The 02 UTC row lost its pressure: the whole hour is missing and the next
    // row starts on the following "(".
    EXPECT_EQ(g.hour[18], 2);
    EXPECT_EQ(g.temperature[18], kMissing);
    EXPECT_EQ(g.dewPoint[18], kMissing);
    EXPECT_EQ(g.pressure[18], kMissing);
    EXPECT_EQ(g.windSpeed[18], kMissing);
    EXPECT_EQ(g.windDirection[18], "No");
    EXPECT_EQ(g.hour[17], 1);
    EXPECT_EQ(g.temperature[17], 24);
    EXPECT_EQ(g.windDirection[17], "N");
    // Twenty rows: slots 4..23; the four older slots are empty, their hours
    // counted back from 12 UTC.
    EXPECT_EQ(g.hour[4], 12);
    EXPECT_EQ(g.temperature[4], 29);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(g.hour[i], 8 + i);
        EXPECT_EQ(g.temperature[i], kMissing);
        EXPECT_EQ(g.windDirection[i], "No");
    }
}

TEST_F(CurrentConditionsPageReader, ANewStationNeverShowsThePreviousStationsValues) {
    for (int i = 0; i < kSlots; ++i) {
        graph().temperature[i] = 30;
        graph().pressure[i] = 1000;
        graph().windSpeed[i] = 20;
    }
    icao = "TEST";
    readText(header() + row(7, 25, 8, "(1018)", "SW 10") + row(6, 24, 8, "(1018)", "SW 9") +
             row(5, 23, 8, "(1017)", "Calm"));
    EXPECT_EQ(graph().temperature[21], 23);
    for (int i = 0; i < 21; ++i) {
        EXPECT_EQ(graph().temperature[i], kMissing) << i;
        EXPECT_EQ(graph().pressure[i], kMissing) << i;
    }
    EXPECT_EQ(graph().hour[0], 8); // 21 hours before 05 UTC
    EXPECT_EQ(page.problem, Problem::TooFewData);
}

// Purpose: the row rules of the walk on hand-made tables.
TEST_F(CurrentConditionsPageReader, WalksRowsByParenthesesAndClosingTags) {
    icao = "TEST";
    // Calm glued to its closing tag; direction words longer than 8 are cut.
    readText(header() + row(7, 25, 8, "(1018)", "Calm") + row(6, 24, 7, "(1018)", "Variable 5") +
             row(5, 23, 6, "(1017)", "Northwesterly 12"));
    EXPECT_EQ(graph().windDirection[23], "Calm");
    EXPECT_EQ(graph().windDirection[22], "Variable");
    EXPECT_EQ(graph().windSpeed[22], 8);
    EXPECT_EQ(graph().windDirection[21], "Northwes");
    EXPECT_EQ(graph().windSpeed[21], kMissing); // "terly" is no number

    // Numbers within two line breaks of each other belong to one row.
    readText(header() + "(7)\n\n(20)\n\n(10)\n\n(1015) > > > > > >NE 4\n");
    EXPECT_EQ(graph().hour[23], 7);
    EXPECT_EQ(graph().pressure[23], 946); // 1015 hPa at 582 m
    EXPECT_EQ(graph().windSpeed[23], 6);

    // Three line breaks before the next "(" end an incomplete row.
    readText(header() + "(7)\n\n\n(6)(20)(10)(1015)>>>>>>E 4\n");
    EXPECT_EQ(graph().hour[23], 7);
    EXPECT_EQ(graph().temperature[23], kMissing);
    EXPECT_EQ(graph().hour[22], 6);
    EXPECT_EQ(graph().temperature[22], 20);
    EXPECT_EQ(graph().windDirection[22], "E");
}

TEST_F(CurrentConditionsPageReader, StopsAfterTwentyFourRows) {
    icao = "TEST";
    std::string rows;
    for (int i = 0; i < 30; ++i) {
        rows += row((23 - i + 48) % 24, i, 0, "(1000)", "N 10");
    }
    readText(header() + rows);
    EXPECT_EQ(graph().temperature[23], 0);
    EXPECT_EQ(graph().temperature[0], 23);
    EXPECT_EQ(page.problem, Problem::None);
}

TEST_F(CurrentConditionsPageReader, PageWithoutTheStationIsNotWalked) {
    graph().temperature[23] = 17;
    // The answer for an unknown station has no line break, so its text is left to walk.
    readText("<HTML><BODY>Station not found</BODY></HTML>");
    EXPECT_EQ(page.problem, Problem::UnknownStation);
    EXPECT_EQ(graph().temperature[23], 17);
}

TEST_F(CurrentConditionsPageReader, PageWithoutATableHasTooFewData) {
    readText("<HTML>\n<BODY>\nNo data\n</BODY>\n</HTML>\n");
    EXPECT_EQ(page.problem, Problem::TooFewData);
}

// Purpose: damaged or hostile pages end with a message or missing slots, never a crash.
TEST_F(CurrentConditionsPageReader, SurvivesHostilePages) {
    icao = "TEST";
    std::string garbage;
    for (int i = 0; i < 20000; ++i) {
        garbage.push_back(static_cast<char>((i * 7919 + 13) % 256));
    }
    const std::string longLine(10000, 'x');
    const std::string pages[] = {
        header() + longLine + "\n" + row(7, 25, 8, "(1018)", "SW 10"),
        "Latest" + std::string(50000, '('),
        std::string(30000, '>') + "Humidity%",
        garbage,
        header() + garbage,
        header() + "(99999999999999999999 (-99999999999 (7 (2147483647 >>>>>> N 99999999999\n",
        header() + "(",
        header() + "(7)(20)(10)(1015)>>>>>>",
        "Current Weather Conditions R>" + longLine + "\n",
        "/SELECT><BR>\n",
        "TEST M\n M\nM\n",
        std::string(5000, '\n'),
        "",
    };
    for (const std::string& bytes : pages) {
        readText(bytes);
        for (int i = 0; i < kSlots; ++i) {
            EXPECT_GE(graph().hour[i], 0);
            EXPECT_LE(graph().hour[i], 23);
            const int t = graph().temperature[i];
            EXPECT_TRUE(t == kMissing || (t >= -100 && t <= 100));
            const int w = graph().windSpeed[i];
            EXPECT_TRUE(w == kMissing || (w > 0 && w <= 300));
        }
    }
}

TEST_F(CurrentConditionsPageReader, HugeNumbersBecomeMissingSlots) {
    icao = "TEST";
    readText(header() + "(99999999999999999999)(2147483647)(-99999999999)(99999999999)>>>>>>N "
                        "99999999999\n");
    EXPECT_EQ(graph().temperature[23], kMissing);
    EXPECT_EQ(graph().dewPoint[23], kMissing);
    EXPECT_EQ(graph().pressure[23], kMissing);
    EXPECT_EQ(graph().windSpeed[23], kMissing);
    EXPECT_EQ(graph().hour[23], 2147483647 % 24);
}

} // namespace
} // namespace brisalta
