// The 24-hour graph's rules: what the picture must say (header lines, legends,
// scale labels, hour axes, title), drawn through a recording canvas, and what
// its preparation leaves for the other commands. The picture's geometry as a
// whole is checked by the golden dumps of graphpictures_test.cpp.
#include "graph/graphrenderer.h"

#include "catalogues/airportcatalogue.h"
#include "graph/graphgeometry.h"
#include "graph/graphstyle.h"
#include "graphfixture.h"
#include "support/recordingcanvas.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

namespace brisalta {
namespace {

using test::RecordingCanvas;
using namespace graphstyle;

// An 800 × 600 screen at 96 dpi: with drawScale 1.0 one design unit per pixel.
RecordingCanvas designCanvas() { return RecordingCanvas(800, 600, 96); }

std::string cp(const char* utf8) { return text::cp1252(utf8); }

void expectTextAt(const RecordingCanvas& canvas, const std::string& text, int x, int y) {
    const auto found = canvas.findText(text);
    ASSERT_TRUE(found) << text::toUtf8(text);
    EXPECT_EQ(found->x, x) << text::toUtf8(text);
    EXPECT_EQ(found->y, y) << text::toUtf8(text);
}

// The texts drawn at one x, top to bottom.
std::vector<std::string> labelsAt(const RecordingCanvas& canvas, int x, int fromY, int toY) {
    std::vector<std::string> labels;
    for (const auto& t : canvas.texts) {
        if (t.x == x && t.y >= fromY && t.y <= toY) {
            labels.push_back(t.text);
        }
    }
    return labels;
}

TEST(GraphRenderer, DrawsHeaderLinesAndKeepsCopies) {
    auto session = test::summerDaySession();
    RecordingCanvas canvas = designCanvas();
    ASSERT_TRUE(test::drawGraph(canvas, *session));
    const std::string line1 = cp(" Últimos datos del día 17/07/2026 a las 22.30 horas:      SAEZ");
    const std::string line2 = cp(" Temperatura: 19ºC. Punto de rocío: 9ºC. Humedad rel.: 52 %. Presión: 1015 mb. "
                                 "Viento: 6 km/h. Dirección: Noreste.");
    expectTextAt(canvas, line1, 0, 2);
    expectTextAt(canvas, line2, 0, 16);
    EXPECT_EQ(canvas.findText(line1)->font, fontA());
    EXPECT_EQ(canvas.findText(line1)->colour, kBlackColour);
    EXPECT_EQ(session->view.headerLine1, line1);
    EXPECT_EQ(session->view.headerLine2, line2);
    EXPECT_EQ(session->view.headerTitle, "SAEZ");
    EXPECT_EQ(canvas.saveCount, 1);
    EXPECT_EQ(canvas.restoreCount, 1);
    ASSERT_EQ(canvas.mappings.size(), 1u);
    EXPECT_EQ(canvas.mappings[0], Mapping::Screen);
}

// Purpose: every legend in its series colour, in the header font; the
// pressure legend says which pressure the curve shows.
TEST(GraphRenderer, DrawsLegendsInSeriesColours) {
    struct Case {
        const char* text;
        Rgb colour;
    };
    const Case cases[] = {
        {"Temperatura", kTemperatureColour},
        {"Punto de rocío", kDewPointColour},
        {"Humedad", kHumidityColour},
        {"Relativa", kHumidityColour},
        {"Presión", kPressureColour},
        {"reducida a nivel del mar (QNH)", kPressureColour},
        {"Velocidad viento", kWindSpeedColour},
        {"Dirección viento", kWindDirectionColour},
    };
    auto session = test::summerDaySession();
    RecordingCanvas canvas = designCanvas();
    test::drawGraph(canvas, *session);
    for (const Case& c : cases) {
        const auto found = canvas.findText(cp(c.text));
        ASSERT_TRUE(found) << c.text;
        EXPECT_EQ(found->colour, c.colour) << c.text;
        EXPECT_EQ(found->font, fontA()) << c.text;
    }

    session->graph.pressureIsStation = true;
    session->graph.altitudeMetres = 667;
    RecordingCanvas station = designCanvas();
    test::drawGraph(station, *session);
    EXPECT_TRUE(station.findText("(real)-Altitud: 667 mts."));
    EXPECT_FALSE(station.findText("reducida a nivel del mar (QNH)"));
}

// Purpose: the labels of the four scales: "%2d", their x by label length, and
// the fixed scales of a series without pressure or wind.
TEST(GraphRenderer, ScaleLabels) {
    struct Case {
        const char* name;
        int noPressure, noWindSpeed;
        int x, fromY, toY;
        std::vector<std::string> labels;
    };
    const std::vector<Case> cases = {
        {"temperature", 0, 0, 65, 80, 220, {"35", "31", "27", "23", "19", "15", "11", " 7"}},
        {"pressure, left", 0, 0, 405, 80, 220, {"1019", "1018", "1017", "1016", "1015", "1014", "1013", "1012"}},
        {"pressure, right", 0, 0, 695, 80, 220, {"1019", "1018", "1017", "1016", "1015", "1014", "1013", "1012"}},
        {"wind, left", 0, 0, 65, 305, 445, {"30", "26", "22", "18", "14", "10", " 6", " 2"}},
        {"wind, right", 0, 0, 345, 305, 445, {"30", "26", "22", "18", "14", "10", " 6", " 2"}},
        {"no pressure, left", 1, 0, 412, 80, 220, {"977", "966", "955", "944", "933", "922", "911", "900"}},
        {"no pressure, right", 1, 0, 702, 80, 220, {"977", "966", "955", "944", "933", "922", "911", "900"}},
        {"no wind, left", 0, 1, 65, 305, 445, {"78", "67", "56", "45", "34", "23", "12", " 1"}},
        {"no wind, right", 0, 1, 345, 305, 445, {"78", "67", "56", "45", "34", "23", "12", " 1"}},
    };
    for (const Case& c : cases) {
        auto session = test::summerDaySession();
        session->graph.noPressure = c.noPressure;
        session->graph.noWindSpeed = c.noWindSpeed;
        RecordingCanvas canvas = designCanvas();
        test::drawGraph(canvas, *session);
        EXPECT_EQ(labelsAt(canvas, c.x, c.fromY, c.toY), c.labels) << c.name;
        if (c.noPressure) {
            EXPECT_TRUE(canvas.segmentsOf(kPressureColour).empty()) << c.name;
        }
        if (c.noWindSpeed) {
            EXPECT_TRUE(canvas.segmentsOf(kWindSpeedColour).empty()) << c.name;
        }
    }
}

// Purpose: the hour axes start at slot 0's hour moved by the time offset and
// label every second hour, wrapping after 23.
TEST(GraphRenderer, HourAxesWrapAfterMidnight) {
    struct Case {
        const char* name;
        int firstHour, offset, fromFile;
        int axisStart;
        std::vector<std::string> labels;
    };
    const std::vector<Case> cases = {
        {"start 23", 23, 0, 0, 23, {"23", "01", "03", "05", "07", "09", "11", "13", "15", "17", "19", "21"}},
        {"offset -1 from hour 0", 0, -1, 0, 23, {"23", "01", "03", "05", "07", "09", "11", "13", "15", "17", "19", "21"}},
        {"offset 2", 8, 2, 0, 10, {"10", "12", "14", "16", "18", "20", "22", "00", "02", "04", "06", "08"}},
        {"document hours are local", 8, 2, 1, 8, {"08", "10", "12", "14", "16", "18", "20", "22", "00", "02", "04", "06"}},
    };
    for (const Case& c : cases) {
        auto session = test::summerDaySession();
        session->graph.hour[0] = c.firstHour;
        session->selection.timeOffsetHours = c.offset;
        session->view.graphFromFile = c.fromFile;
        RecordingCanvas canvas = designCanvas();
        test::drawGraph(canvas, *session);
        EXPECT_EQ(session->view.axisStartHour, c.axisStart) << c.name;
        std::vector<std::string> labels;
        for (int k = 0; k < 12; ++k) {
            const auto texts = labelsAt(canvas, 100 + 20 * k, 255, 255);
            ASSERT_EQ(texts.size(), 1u) << c.name << " label " << k;
            labels.push_back(texts[0]);
        }
        EXPECT_EQ(labels, c.labels) << c.name;
        EXPECT_EQ(labelsAt(canvas, 455, 255, 480).size(), 2u) << c.name; // both right-hand axes too
    }
}

// Purpose: an airport graph takes the catalogue's display name as its title;
// automatic-station and document graphs keep their own.
TEST(GraphRenderer, TitleTakesTheCatalogueDisplayName) {
    const std::string original = "Alicante";
    const auto expected = airports::displayNameOf("LEAL").value_or(original);
    for (int ema : {0, 1}) {
        auto session = test::summerDaySession();
        session->selection.icao = "LEAL";
        session->graph.title = original;
        session->view.emaGraphShown = ema;
        RecordingCanvas canvas = designCanvas();
        test::drawGraph(canvas, *session);
        EXPECT_EQ(session->graph.title, ema ? original : expected);
        EXPECT_EQ(session->view.headerTitle, session->graph.title);
    }
}

TEST(GraphRenderer, SetsCommandFlagsAndClearsTheSoundingDisplay) {
    for (int soundingAvailable : {0, 1}) {
        auto session = test::summerDaySession();
        session->view.soundingAvailable = soundingAvailable;
        session->view.soundingShown = true;
        session->sounding.rowsAllocated = true;
        session->view.commands.ceilingEnabled = true;
        session->view.commands.zoomEnabled = true;
        RecordingCanvas canvas = designCanvas();
        test::drawGraph(canvas, *session);
        const ViewFlags& v = session->view.commands;
        EXPECT_TRUE(v.tableEnabled);
        EXPECT_TRUE(v.cloudsEnabled);
        EXPECT_TRUE(v.qnhEnabled);
        EXPECT_FALSE(v.ceilingEnabled);
        EXPECT_EQ(v.swapEnabled, soundingAvailable);
        EXPECT_TRUE(v.printEnabled);
        EXPECT_TRUE(v.saveAsEnabled);
        EXPECT_TRUE(v.statsEnabled);
        EXPECT_FALSE(v.zoomEnabled);
        EXPECT_FALSE(session->view.soundingShown);
        EXPECT_FALSE(session->sounding.rowsAllocated);
    }
}

// Purpose: a series without any temperature draws nothing and reports it to
// the caller instead of opening a message box from the drawing.
TEST(GraphRenderer, NoTemperatureDrawsNothingAndReportsNoData) {
    auto session = test::summerDaySession();
    session->graph.temperature.fill(kMissing);
    session->extremes.hasTemperature = true;
    RecordingCanvas canvas = designCanvas();
    EXPECT_FALSE(test::drawGraph(canvas, *session));
    EXPECT_TRUE(canvas.empty());
    EXPECT_TRUE(canvas.mappings.empty());
    EXPECT_FALSE(session->extremes.hasTemperature);
    EXPECT_TRUE(session->view.commands.statsEnabled);
    EXPECT_EQ(session->view.headerLine1, "");
    EXPECT_EQ(text::toUtf8(noGraphDataMessage()), "La estación seleccionada no posee ningún dato actualmente");
}

// Purpose: validation runs after the header: a calm last hour shows "0" on the
// first drawing and "-" from the next one on, and leaves a gap in the curve.
TEST(GraphRenderer, CalmLastHourIsShownOnceThenMissing) {
    auto session = test::summerDaySession();
    session->graph.windSpeed[23] = 0;
    session->graph.temperature[3] = 150;
    RecordingCanvas first = designCanvas();
    test::drawGraph(first, *session);
    EXPECT_NE(session->view.headerLine2.find("Viento: 0 km/h."), std::string::npos);
    EXPECT_EQ(session->graph.windSpeed[23], kMissing);
    EXPECT_EQ(session->graph.temperature[3], kMissing);
    const auto windGaps = first.segmentsOf(kWindSpeedColour, PenStyle::Solid);
    ASSERT_FALSE(windGaps.empty());
    EXPECT_EQ(windGaps.back().to, (Point{335, 430})); // trailing gap down to y0 + 120

    RecordingCanvas second = designCanvas();
    test::drawGraph(second, *session);
    EXPECT_NE(session->view.headerLine2.find("Viento: - km/h."), std::string::npos);
}

// Purpose: a document graph gets noPressure and allCalm from its own slots;
// "Calma" is traced like any other word when not every slot holds it.
TEST(GraphRenderer, GraphFromFileSetsNoPressureAndAllCalm) {
    auto session = test::summerDaySession();
    session->view.graphFromFile = true;
    session->graph.pressure.fill(kMissing);
    for (auto& d : session->graph.windDirection) {
        d = "Calma";
    }
    RecordingCanvas canvas = designCanvas();
    test::drawGraph(canvas, *session);
    EXPECT_TRUE(session->graph.noPressure);
    EXPECT_TRUE(session->graph.allCalm);
    EXPECT_TRUE(canvas.segmentsOf(kWindDirectionColour).empty());
    EXPECT_TRUE(canvas.segmentsOf(kPressureColour).empty());
    EXPECT_TRUE(canvas.findText("977"));

    auto live = test::summerDaySession();
    for (auto& d : live->graph.windDirection) {
        d = "Calma";
    }
    RecordingCanvas traced = designCanvas();
    test::drawGraph(traced, *live);
    EXPECT_FALSE(live->graph.allCalm);
    EXPECT_TRUE(traced.hasSegment({460, 310}, {470, 310}));
}

// Purpose: on a 1920 × 1080 screen at 96 dpi with drawScale 0.96 everything
// is stretched by 2.304 × 1.728 and uses the large fonts; printing keeps design
// units in the print mapping.
TEST(GraphRenderer, ScreenAndPrintMappings) {
    auto session = test::summerDaySession();
    session->view.drawScale = kScreenScale;
    RecordingCanvas screen(1920, 1080, 96);
    test::drawGraph(screen, *session);
    EXPECT_EQ(screen.mappings.at(0), Mapping::Screen);
    const auto line2 = screen.findText(session->view.headerLine2);
    ASSERT_TRUE(line2);
    EXPECT_EQ(line2->y, 27); // 16 · 1.8 · 0.96 = 27.6
    EXPECT_EQ(line2->font, fontE());
    EXPECT_EQ(screen.findText("mb")->font, fontA());
    RecordingCanvas printer(4960, 7015, 600);
    test::drawGraph(printer, *session, true);
    EXPECT_EQ(printer.mappings.at(0), Mapping::Print);
    EXPECT_EQ(printer.findText(session->view.headerLine2)->y, 16);
    EXPECT_EQ(printer.findText(session->view.headerLine2)->font, fontA());
    EXPECT_EQ(printer.findText("mb")->font, fontB());

    RecordingCanvas smallFonts(1920, 1080, 120);
    test::drawGraph(smallFonts, *session);
    EXPECT_EQ(smallFonts.findText(session->view.headerLine2)->font, fontB());
    EXPECT_EQ(smallFonts.findText("mb")->font, fontD());
}

// Every position stays far inside the int range: each converted coordinate is
// clamped, and a position adds at most a few of them.
bool withinDevice(const RecordingCanvas& canvas) {
    constexpr int kBound = 8 * kDeviceLimit;
    const auto ok = [](Point p) { return std::abs(p.x) <= kBound && std::abs(p.y) <= kBound; };
    for (const auto& s : canvas.segments) {
        if (!ok(s.from) || !ok(s.to)) {
            return false;
        }
    }
    for (const auto& t : canvas.texts) {
        if (!ok(Point{t.x, t.y})) {
            return false;
        }
    }
    return true;
}

// Purpose: a series without dew points, dew points above every temperature
// (a zero step) and nonsense values still give a usable scale and finite,
// bounded positions.
TEST(GraphRenderer, DegenerateSeriesGiveSaneScales) {
    auto noDewPoint = test::summerDaySession();
    noDewPoint->graph.dewPoint.fill(kMissing);
    RecordingCanvas a = designCanvas();
    ASSERT_TRUE(test::drawGraph(a, *noDewPoint));
    EXPECT_EQ(labelsAt(a, 65, 80, 220),
              (std::vector<std::string>{"35", "32", "29", "26", "23", "20", "17", "14"}));
    EXPECT_TRUE(withinDevice(a));

    auto wetterThanAir = test::summerDaySession();
    wetterThanAir->graph.temperature.fill(10);
    wetterThanAir->graph.dewPoint.fill(20);
    RecordingCanvas b = designCanvas();
    test::drawGraph(b, *wetterThanAir);
    EXPECT_EQ(labelsAt(b, 65, 80, 220),
              (std::vector<std::string>{"24", "22", "20", "18", "16", "14", "12", "10"}));
    EXPECT_TRUE(withinDevice(b));

    auto hostile = test::summerDaySession();
    GraphSeries& g = hostile->graph;
    g.temperature[0] = INT_MAX;
    g.temperature[1] = INT_MIN;
    g.dewPoint[2] = INT_MIN;
    g.pressure[3] = INT_MAX;
    g.pressure[4] = INT_MIN;
    g.windSpeed[5] = INT_MIN;
    g.windSpeed[6] = INT_MAX;
    g.hour[0] = INT_MAX;
    g.hour[7] = INT_MIN;
    g.lastTime = INT_MIN;
    g.altitudeMetres = INT_MIN;
    g.gustSpeed = INT_MAX;
    g.hasGust = true;
    hostile->selection.timeOffsetHours = INT_MIN;
    hostile->view.drawScale = 1e300;
    RecordingCanvas c(INT_MAX, INT_MAX, 1);
    ASSERT_TRUE(test::drawGraph(c, *hostile));
    EXPECT_TRUE(withinDevice(c));
    RecordingCanvas again = designCanvas();
    hostile->view.drawScale = 1.0;
    test::drawGraph(again, *hostile);
    EXPECT_TRUE(withinDevice(again));
}

} // namespace
} // namespace brisalta
