// The Banyeres school station table as the show-graph command reads it: which
// lines fill which slots, the half-hour rule, rounding, station pressure, the
// messages, and tables that are not what the format promises.
#include "app/surfaceloading.h"

#include "session/sessionstate.h"
#include "support/scriptedui.h"
#include "support/testplaces.h"
#include "text/format.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace brisalta {
namespace {

namespace fs = std::filesystem;

const std::string kNoFile = "No se ha encontrado fichero temporal en disco duro.";
const std::string kNoData = "No se han encontrado datos en la estación.Inténtelo más tarde.";
const std::string kCredit =
    "Datos cedidos por la estación meteorológica escolar de Banyeres de Mariola (Alicante).";

struct Reading {
    double temperature = 20.0;
    int humidity = 50;
    double dewPoint = 9.0;
    double windSpeed = 10.0;
    const char* direction = "NE";
    double pressure = 1013.4;
};

// One line of the table, 38 words, as the console writes it: " 1/08/21" and
// " 9:30" are padded to the width of their columns.
std::string line(int day, int month, int hour, int minute, const Reading& r) {
    std::string out = text::format("%2d/%02d/21  %2d:%02d  %5.1f  %5.1f  %5.1f  %4d  %5.1f  "
                                   "%4.1f   %3s   0.00  %4.1f  %4s",
                                   day, month, hour, minute, r.temperature, r.temperature + 0.2,
                                   r.temperature - 0.2, r.humidity, r.dewPoint, r.windSpeed / 2,
                                   r.direction, r.windSpeed, r.direction);
    out += "   11.4   12.1   12.1    ---  " + text::format("%6.1f", r.pressure);
    for (int word = 18; word <= 38; ++word) {
        out += "   0.0";
    }
    return out + "\r\n";
}

// `count` half-hour lines ending at day/hour:minute; each line's temperature is
// its time of day in hours (13:30 reads 13.5), its humidity 40 + the hour.
std::string table(int lastDay, int month, int lastHour, int lastMinute, int count) {
    std::vector<std::string> lines;
    int day = lastDay;
    int minutes = lastHour * 60 + lastMinute;
    for (int i = 0; i < count; ++i) {
        Reading r;
        r.temperature = minutes / 60.0;
        r.humidity = 40 + minutes / 60;
        lines.insert(lines.begin(), line(day, month, minutes / 60, minutes % 60, r));
        minutes -= 30;
        if (minutes < 0) {
            minutes += 24 * 60;
            --day;
        }
    }
    std::string out = "  Date    Time     Out   Temp\r\n";
    for (const std::string& l : lines) {
        out += l;
    }
    return out;
}

class BanyeresFile : public ::testing::Test {
protected:
    void SetUp() override {
        session.retrieval.downloadOk = true;
        session.retrieval.downloadFailed = false;
        session.selection.icao = "LEMD";
        session.graph.skyReport = "previous report";
        session.graph.hasTrend = true;
        session.graph.hasGust = true;
    }

    fs::path file() const { return places.tempFolder() / "datosBanyeres.tmp"; }

    void readText(const std::string& bytes) {
        test::writeFile(file(), bytes);
        loadBanyeresFile(session, ui, file());
    }

    test::ScratchPlaces places;
    test::ScriptedUi ui;
    SessionState session;
};

TEST_F(BanyeresFile, ReadsTheConsoleExport) {
    fs::copy_file(test::dataPath() / "surface" / "banyeres" / "downld02_halfhourly.txt", file());
    loadBanyeresFile(session, ui, file());
    const GraphSeries& g = session.graph;
    EXPECT_EQ(session.selection.icao, "BANY");
    EXPECT_EQ(g.title, "Banyeres, Alicante");
    EXPECT_EQ(g.altitudeMetres, 729);
    EXPECT_TRUE(g.altitudeKnown);
    EXPECT_TRUE(g.pressureIsStation);
    EXPECT_EQ(g.skyReport, "");
    EXPECT_FALSE(g.hasTrend);
    EXPECT_FALSE(g.hasGust);
    // The file ends at 22:30 on 5/09/14: slots hold 23:00 (4 Sep) to 22:00,
    // then slot 23 takes the 22:30 line.
    EXPECT_EQ(g.day, 5);
    EXPECT_EQ(g.month, 9);
    EXPECT_EQ(g.year, 2014);
    EXPECT_EQ(g.lastTime, 2230);
    EXPECT_EQ(g.hour[0], 23);
    EXPECT_EQ(g.hour[1], 0); // "00:00"
    EXPECT_EQ(g.hour[22], 21);
    EXPECT_EQ(g.hour[23], 22);
    EXPECT_EQ(g.temperature[23], 9);  // 8.8
    EXPECT_EQ(g.dewPoint[23], 8);     // 8.2
    EXPECT_EQ(g.pressure[23], 928);   // 1013.2 -> 1013 -> 928.41 -> 928
    EXPECT_EQ(g.humidity, 96);
    EXPECT_EQ(g.windDirection[23], "---");
    EXPECT_EQ(g.windSpeed[23], kMissing); // 0.0 is calm
    EXPECT_TRUE(session.view.banyeresGraph);
    EXPECT_TRUE(session.view.graphShown);
    EXPECT_TRUE(session.view.graphAvailable);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kCredit});
    EXPECT_EQ(ui.busyDepth, 0);
    EXPECT_FALSE(fs::exists(file()));
}

TEST_F(BanyeresFile, HalfHourFileEndsWithTheHalfHourInSlot23) {
    readText(table(29, 7, 13, 30, 60));
    const GraphSeries& g = session.graph;
    EXPECT_EQ(g.day, 29);
    EXPECT_EQ(g.month, 7);
    EXPECT_EQ(g.year, 2021);
    EXPECT_EQ(g.lastTime, 1330);
    // Full hours 14:00 the day before to 12:00, then 13:30 over 13:00.
    for (int i = 0; i < 23; ++i) {
        EXPECT_EQ(g.hour[i], (14 + i) % 24) << i;
        EXPECT_EQ(g.temperature[i], (14 + i) % 24) << i;
    }
    EXPECT_EQ(g.hour[23], 13);
    EXPECT_EQ(g.temperature[23], 14); // 13.5 rounds away from zero
    EXPECT_EQ(g.humidity, 53);        // the 13:30 line
    EXPECT_EQ(g.banyeresHumiditySeries[23], 53); // the 13:00 line's, 40 + 13
    EXPECT_EQ(g.banyeresHumiditySeries[22], 52);
}

TEST_F(BanyeresFile, SingleDigitHoursAndDaysAreRead) {
    readText(table(29, 7, 9, 30, 60));
    EXPECT_EQ(session.graph.lastTime, 930);
    EXPECT_EQ(session.graph.hour[23], 9);
    EXPECT_EQ(session.graph.temperature[23], 10); // 9.5
    EXPECT_EQ(session.graph.hour[22], 8);

    readText(table(1, 8, 10, 0, 60));
    EXPECT_EQ(session.graph.day, 1);
    EXPECT_EQ(session.graph.month, 8);
    EXPECT_EQ(session.graph.lastTime, 1000);
    EXPECT_EQ(session.graph.hour[23], 10);
    EXPECT_EQ(session.graph.temperature[23], 10);
    EXPECT_EQ(session.graph.hour[0], 11);
    EXPECT_EQ(session.graph.humidity, 50);
}

// Purpose: rounding half away from zero and the station pressure at 729 m.
TEST_F(BanyeresFile, RoundsValuesAndReducesPressureToTheStation) {
    struct Case {
        Reading reading;
        int temperature, dewPoint, windSpeed, pressure;
    };
    const Case cases[] = {
        {{12.5, 60, -0.5, 10.5, "SW", 1013.4}, 13, -1, 11, 928},
        {{-2.5, 60, -3.4, 3.4, "SW", 1030.6}, -3, -3, 3, 945},
        {{0.4, 60, -0.4, 0.4, "SW", 1000.0}, 0, 0, kMissing, 916},
    };
    for (const Case& c : cases) {
        std::string bytes = table(29, 7, 12, 30, 60);
        bytes += line(29, 7, 13, 0, c.reading);
        readText(bytes);
        const GraphSeries& g = session.graph;
        EXPECT_EQ(g.temperature[23], c.temperature) << c.reading.temperature;
        EXPECT_EQ(g.dewPoint[23], c.dewPoint) << c.reading.dewPoint;
        EXPECT_EQ(g.windSpeed[23], c.windSpeed) << c.reading.windSpeed;
        EXPECT_EQ(g.pressure[23], c.pressure) << c.reading.pressure;
        EXPECT_EQ(g.windDirection[23], "SW");
    }
}

TEST_F(BanyeresFile, TenLinesAreAGraphAndNineAreNot) {
    // A heading line and eight readings: nine line breaks.
    readText(table(29, 7, 13, 0, 8));
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kNoData});
    EXPECT_FALSE(session.view.graphShown);
    EXPECT_FALSE(fs::exists(file()));
    EXPECT_EQ(ui.busyDepth, 0);

    // Ten line breaks: a graph of the few hours there are, the older slots empty.
    ui.messages.clear();
    readText(table(29, 7, 13, 0, 9));
    EXPECT_TRUE(session.view.graphShown);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kCredit});
    EXPECT_EQ(session.graph.hour[23], 13);
    EXPECT_EQ(session.graph.temperature[23], 13);
    EXPECT_EQ(session.graph.temperature[19], 9);
    EXPECT_EQ(session.graph.temperature[18], kMissing);
    EXPECT_EQ(session.graph.hour[18], 8);
    EXPECT_EQ(session.graph.hour[0], 14);
}

TEST_F(BanyeresFile, MissingFileIsToldAndFailedDownloadIsNot) {
    loadBanyeresFile(session, ui, file());
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kNoFile});
    EXPECT_EQ(session.selection.icao, "BANY");
    EXPECT_EQ(session.graph.skyReport, "");
    EXPECT_EQ(ui.busyDepth, 0);

    ui.messages.clear();
    session.selection.icao = "LEMD";
    session.view.graphShown = true;
    session.retrieval.downloadFailed = true;
    loadBanyeresFile(session, ui, file());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(session.view.graphShown);
    EXPECT_EQ(session.selection.icao, "LEMD");
}

// Purpose: tables that break the format give missing slots, never a crash or a stray read.
TEST_F(BanyeresFile, SurvivesTablesOfOtherShapes) {
    std::string shortLines;
    std::string garbage;
    for (int i = 0; i < 60; ++i) {
        shortLines += "29/07/21 13:30 12.5\n";
    }
    for (int i = 0; i < 40000; ++i) {
        garbage.push_back(static_cast<char>((i * 7919 + 13) % 256));
    }
    const std::string files[] = {
        shortLines,
        garbage,
        std::string(10000, 'x') + std::string(12, '\n'),
        std::string(100, '\n'),
        table(29, 7, 13, 30, 60) + "29/07/21 1e999 nan inf -inf 1e308 0x10 --- --- --- 1e309\n",
        "31/12/99 99:99 " + std::string(50, '\n'),
    };
    for (const std::string& bytes : files) {
        ui.messages.clear();
        readText(bytes);
        EXPECT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.busyDepth, 0);
        EXPECT_FALSE(fs::exists(file()));
        for (int i = 0; i < kSlots; ++i) {
            const GraphSeries& g = session.graph;
            EXPECT_GE(g.hour[i], 0);
            EXPECT_LE(g.hour[i], 23);
            EXPECT_TRUE(g.temperature[i] == kMissing ||
                        (g.temperature[i] >= -100 && g.temperature[i] <= 100));
            EXPECT_TRUE(g.pressure[i] == kMissing ||
                        (g.pressure[i] >= 100 && g.pressure[i] <= 1800));
        }
    }
    // Lines of three words give the hour and the temperature and nothing else.
    readText(shortLines);
    EXPECT_EQ(session.graph.temperature[5], 13);
    EXPECT_EQ(session.graph.pressure[5], kMissing);
    EXPECT_EQ(session.graph.windDirection[5], "No");
}

TEST_F(BanyeresFile, ReadsTheRealExportWithItsOwnColumnCount) {
    // The console export has 36 columns where the school's table has 38; the
    // columns read come first, so each line still gives its values.
    fs::copy_file(test::dataPath() / "samples" / "weatherlink" / "yebeere_cuentagotas_downld02.txt",
                  file());
    loadBanyeresFile(session, ui, file());
    EXPECT_TRUE(session.view.graphShown);
    EXPECT_EQ(session.graph.lastTime, 2250);
    EXPECT_EQ(session.graph.temperature[23], 9); // 8.7
    EXPECT_EQ(session.graph.pressure[23], 928);  // 1013.0
}

} // namespace
} // namespace brisalta
