// The latest report as the show-graph command reads it: the query page, whose
// values replace the newest slot, and the per-station file, which only gives the
// report text; each file is deleted once read.
#include "app/surfaceloading.h"

#include "session/sessionstate.h"
#include "support/testplaces.h"
#include "weather/derived.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace brisalta {
namespace {

namespace fs = std::filesystem;

const std::string kTrendHeading = "PREVISIÓN EN LAS PRÓXIMAS 2 HORAS:";

class LatestReport : public ::testing::Test {
protected:
    void SetUp() override {
        session.selection.timeOffsetHours = 0;
        GraphSeries& g = session.graph;
        for (int i = 0; i < kSlots; ++i) {
            g.temperature[i] = 11;
            g.dewPoint[i] = 1;
            g.pressure[i] = 950;
            g.windSpeed[i] = 7;
            g.windDirection[i] = "NNE";
        }
        g.day = 3;
        g.month = 2;
        g.year = 2001;
        g.lastTime = 1200;
        g.skyReport = "previous report";
        g.visibilityText = "v";
        g.variableWindText = "w";
        g.skyText = "s";
        g.trendVisibilityText = "tv";
        g.trendWindText = "tw";
        g.hasTrend = true;
        g.hasGust = true;
        g.gustSpeed = 40;
    }

    fs::path queryFile() const { return places.tempFolder() / "addsmetar.tmp"; }
    fs::path stationFile() const { return places.tempFolder() / "tempMet.txt"; }

    void readQueryFixture(const fs::path& source) {
        fs::copy_file(source, queryFile());
        loadQueryPage(session, queryFile());
    }

    void expectPiecesEmptied() const {
        const GraphSeries& g = session.graph;
        EXPECT_EQ(g.visibilityText, "");
        EXPECT_EQ(g.variableWindText, "");
        EXPECT_EQ(g.trendVisibilityText, "");
        EXPECT_EQ(g.trendWindText, "");
        EXPECT_FALSE(g.hasTrend);
        EXPECT_FALSE(g.hasGust);
    }

    test::ScratchPlaces places;
    SessionState session;
};

// A query page laid out like the real one, with `middle` between its header and the report.
std::string queryPage(const std::string& report, const std::string& header =
                          "Output produced by METARs form (0745&#160;UTC&nbsp;29 July 2017)<BR>\n",
                      const std::string& middle = "") {
    return "<HTML>\n<BODY>\n" + header + middle +
           "<FONT FACE=\"Monospace,Courier\">" + report +
           "</FONT><BR>\n</TD>\n</TR>\n</TABLE>\n</BODY>\n</HTML>\n";
}

TEST_F(LatestReport, DecodesTheRealQueryPage) {
    session.selection.icao = "KMWC";
    readQueryFixture(test::dataPath() / "samples" / "adds_metars" /
                     "adds_metars_KMWC_20090605.html");
    const GraphSeries& g = session.graph;
    EXPECT_TRUE(session.retrieval.queryPageDone);
    EXPECT_EQ(g.month, 6); // "05 June 2009"
    EXPECT_EQ(g.day, 5);
    EXPECT_EQ(g.lastTime, 1645);
    EXPECT_EQ(g.year, 2001); // the page's year is not read
    EXPECT_EQ(g.temperature[23], 24);
    EXPECT_EQ(g.dewPoint[23], 7);
    EXPECT_EQ(g.windSpeed[23], 18);
    EXPECT_EQ(g.windDirection[23], "WSW");
    EXPECT_EQ(g.pressure[23], 950); // the page gave no elevation: its own value stays
    EXPECT_EQ(g.temperature[22], 11);
    EXPECT_TRUE(g.hasGust);
    EXPECT_EQ(g.gustSpeed, 33);
    EXPECT_NE(g.skyReport, "previous report");
    EXPECT_FALSE(fs::exists(queryFile()));
}

TEST_F(LatestReport, ReducesTheReportsQnhToStationPressure) {
    session.graph.pressureIsStation = true;
    session.graph.altitudeMetres = 582;
    session.selection.timeOffsetHours = 2;
    readQueryFixture(test::dataPath() / "surface" / "query" / "LEMD.html");
    const GraphSeries& g = session.graph;
    EXPECT_TRUE(session.retrieval.queryPageDone);
    EXPECT_EQ(g.pressure[23], 949); // 1018 / 1.07197, truncated
    EXPECT_EQ(g.day, 29);
    EXPECT_EQ(g.month, 7);
    EXPECT_EQ(g.lastTime, 930);
    EXPECT_EQ(g.temperature[23], 25);
    EXPECT_EQ(g.dewPoint[23], 8);
    EXPECT_EQ(g.windDirection[23], "Variable");
    EXPECT_EQ(g.windSpeed[23], 3);
    EXPECT_FALSE(g.hasTrend);
}

TEST_F(LatestReport, KeepsTheTrendOfTheReport) {
    readQueryFixture(test::dataPath() / "surface" / "query" / "LEST.html");
    const GraphSeries& g = session.graph;
    EXPECT_TRUE(session.retrieval.queryPageDone);
    EXPECT_TRUE(g.hasTrend);
    EXPECT_NE(text::toUtf8(g.skyReport).find(kTrendHeading), std::string::npos);
    EXPECT_EQ(g.windDirection[23], "SSW");
    EXPECT_NE(g.variableWindText, "");
}

// Purpose: pages that give no report leave the slots, the date and the last report text alone.
TEST_F(LatestReport, PagesWithoutAReportDecodeNothing) {
    std::string thirtyLines;
    for (int i = 0; i < 30; ++i) {
        thirtyLines += "<P>\n";
    }
    const std::string pages[] = {
        queryPage("LEMD 290730Z NIL"),
        queryPage("LEMD 290730Z VRB02KT CAVOK 25/08 Q1018", "No METAR found, there are no data\n"),
        queryPage("LEMD 290730Z VRB02KT CAVOK 25/08 Q1018",
                  "Output produced by METARs form (July)\n", "there are no data\n"),
        queryPage("LEMD 290730Z VRB02KT CAVOK 25/08 Q1018", "<TITLE>ADDS</TITLE>\n"),
        queryPage("LEMD 290730Z VRB02KT CAVOK 25/08 Q1018",
                  "Output produced by METARs form (July)\n", thirtyLines),
        queryPage("</FONT> LEMD 290730Z VRB02KT CAVOK 25/08 Q1018"),
        queryPage("LEMD"),
        "Output produced by METARs form\n<FONT FACE=\"Monospace,Courier\">LEMD 290730Z\n",
        "<HTML>\n<BODY>\nOutput produced by METARs form (July)\n</BODY>\n</HTML>\n",
        "",
    };
    for (const std::string& page : pages) {
        SetUp();
        test::writeFile(queryFile(), page);
        loadQueryPage(session, queryFile());
        EXPECT_FALSE(session.retrieval.queryPageDone) << page;
        EXPECT_EQ(session.graph.skyReport, "previous report") << page;
        EXPECT_EQ(session.graph.temperature[23], 11) << page;
        EXPECT_EQ(session.graph.lastTime, 1200) << page;
        expectPiecesEmptied();
        EXPECT_FALSE(fs::exists(queryFile()));
    }
}

TEST_F(LatestReport, IncompleteReportGivesTheTextButNotTheNewestSlot) {
    test::writeFile(queryFile(), queryPage("LEMD 290730Z VRB02KT CAVOK 25/08"));
    loadQueryPage(session, queryFile());
    EXPECT_FALSE(session.retrieval.queryPageDone);
    EXPECT_NE(session.graph.skyReport, "previous report");
    EXPECT_EQ(session.graph.temperature[23], 11);
    EXPECT_EQ(session.graph.lastTime, 1200);
}

TEST_F(LatestReport, MissingQueryPageOnlyEmptiesThePieces) {
    session.retrieval.queryPageDone = true;
    loadQueryPage(session, queryFile());
    EXPECT_FALSE(session.retrieval.queryPageDone);
    EXPECT_EQ(session.graph.skyReport, "previous report");
    expectPiecesEmptied();
}

TEST_F(LatestReport, QueryPageWithHugeAndEndlessWordsStaysBounded) {
    std::string words;
    for (int i = 0; i < 200000; ++i) {
        words += "FEW020 ";
    }
    const std::string pages[] = {
        queryPage("LEMD 290730Z " + words + "25/08 Q1018 VRB02KT"),
        queryPage("LEMD 290730Z " + std::string(100000, 'Q')),
        queryPage("LEMD 99999999999999Z 27015KT 10/05 Q1020"),
    };
    for (const std::string& page : pages) {
        test::writeFile(queryFile(), page);
        loadQueryPage(session, queryFile());
        EXPECT_FALSE(fs::exists(queryFile()));
    }
}

TEST_F(LatestReport, StationFileChangesOnlyTheReport) {
    session.retrieval.stationFileFetched = true;
    fs::copy_file(test::dataPath() / "surface" / "stations" / "LEST.TXT", stationFile());
    loadStationFile(session, stationFile());
    const GraphSeries& g = session.graph;
    EXPECT_NE(g.skyReport, "previous report");
    EXPECT_NE(text::toUtf8(g.skyReport).find(kTrendHeading), std::string::npos);
    EXPECT_TRUE(g.hasTrend);
    EXPECT_FALSE(g.hasGust);
    EXPECT_NE(g.skyText, "s");
    // The pieces of the query page, the slots, the date and the time stay.
    EXPECT_EQ(g.visibilityText, "v");
    EXPECT_EQ(g.trendWindText, "tw");
    EXPECT_EQ(g.temperature[23], 11);
    EXPECT_EQ(g.windDirection[23], "NNE");
    EXPECT_EQ(g.day, 3);
    EXPECT_EQ(g.lastTime, 1200);
    EXPECT_FALSE(fs::exists(stationFile()));
    EXPECT_FALSE(session.retrieval.stationFileFetched);
}

TEST_F(LatestReport, StationFileIsReadOnlyAfterAFetchInThisCommand) {
    test::writeFile(stationFile(), "2017/07/29 07:30\nLEMD 290730Z VRB02KT CAVOK 25/08 Q1018\n");
    loadStationFile(session, stationFile());
    EXPECT_EQ(session.graph.skyReport, "previous report");
    EXPECT_TRUE(fs::exists(stationFile()));
}

// Purpose: files without a report line leave the last report; line ends do not matter.
TEST_F(LatestReport, StationFileWithoutAReportChangesNothing) {
    const std::string files[] = {"", "2017/07/29 07:30\n", "2017/07/29 07:30\nLEMD\n",
                                 std::string(100000, '\n')};
    for (const std::string& file : files) {
        session.retrieval.stationFileFetched = true;
        test::writeFile(stationFile(), file);
        loadStationFile(session, stationFile());
        EXPECT_EQ(session.graph.skyReport, "previous report");
        EXPECT_FALSE(fs::exists(stationFile()));
    }
    session.retrieval.stationFileFetched = true;
    test::writeFile(stationFile(),
                    "2017/07/29 07:30\r\nLEMD 290730Z VRB02KT CAVOK 25/08 Q1018 NOSIG\r\n");
    loadStationFile(session, stationFile());
    EXPECT_NE(text::toUtf8(session.graph.skyReport).find("1500 mts"), std::string::npos)
        << text::toUtf8(session.graph.skyReport);
}

} // namespace
} // namespace brisalta
