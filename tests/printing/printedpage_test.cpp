// The printed page: what lies where on the sheet for a graph, the hourly
// table, the sounding table and the sounding diagram.
//
// The page's own texts, boxes and rules are compared with the dumps in
// tests/data/printing/. After a deliberate change of the page, check the new
// PDF pages by eye (brisalta-cli ... --imprimir) and write the dumps again with
//   BRISALTA_RECORD_PAGES=1 build/default/tests/printing/brisalta_tests_printing
#include "printing/printedpage.h"

#include "ceilinghours/ceilinghourspicture.h"
#include "diagram/soundingdiagram.h"
#include "graph/graphrenderer.h"
#include "support/recordingcanvas.h"
#include "tables/tablefixture.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace brisalta {
namespace {

// Printable width of a landscape A4 sheet less a quarter inch each side.
constexpr int kLandscapeWidth = 1119;
constexpr int kPortraitWidth = 777;

void prepareGraphPicture(SessionState& s) {
    const GraphModel model = prepareGraph(s);
    applyGraphModel(s, model);
    s.view.pictures.graph = model;
}

void prepareSoundingPicture(SessionState& s) {
    const SoundingModel model = prepareSounding(s, s.ceiling);
    applySoundingModel(s, model, s.ceiling);
    s.view.pictures.sounding = model;
}

std::string colourOf(Rgb c) {
    std::ostringstream out;
    out << c.red << ',' << c.green << ',' << c.blue;
    return out.str();
}

std::string oneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n') {
            c = '|';
        }
    }
    return text::toUtf8(text);
}

// The page's own drawing, one line per operation (texts, then text boxes,
// then rules), and for the picture drawn in its area only where it went and
// its first text: the picture itself is the renderers' to test.
std::string dump(const test::RecordingCanvas& canvas) {
    std::ostringstream out;
    const Point page{0, 0};
    std::optional<test::RecordedText> pictureText;
    for (const auto& t : canvas.texts) {
        if (t.origin != page) {
            pictureText = pictureText ? pictureText : t;
            continue;
        }
        out << "text " << t.x << ' ' << t.y << " colour " << colourOf(t.colour) << " font "
            << t.font.face << '/' << t.font.height << '/' << t.font.weight << " \""
            << oneLine(t.text) << "\"\n";
    }
    for (const auto& b : canvas.textBoxes) {
        if (b.origin != page) {
            continue;
        }
        out << "box " << b.left << ' ' << b.top << ' ' << b.right << ' ' << b.bottom << " colour "
            << colourOf(b.colour) << " \"" << oneLine(b.text) << "\"\n";
    }
    for (const auto& s : canvas.segments) {
        if (s.origin != page) {
            continue;
        }
        out << "rule " << s.from.x << ' ' << s.from.y << ' ' << s.to.x << ' ' << s.to.y
            << " width " << s.pen.width << '\n';
    }
    if (pictureText) {
        out << "picture at " << pictureText->origin.x << ' ' << pictureText->origin.y
            << ", first text at " << pictureText->x << ' ' << pictureText->y << " \""
            << oneLine(pictureText->text) << "\"\n";
    }
    return out.str();
}

std::string goldenPath(const std::string& name) {
    return (test::dataPath() / "printing" / (name + ".txt")).string();
}

void expectGolden(const std::string& name, const std::string& actual) {
    if (std::getenv("BRISALTA_RECORD_PAGES")) {
        std::ofstream(goldenPath(name), std::ios::binary) << actual;
        return;
    }
    std::ifstream in(goldenPath(name), std::ios::binary);
    ASSERT_TRUE(in) << "missing " << goldenPath(name);
    std::ostringstream expected;
    expected << in.rdbuf();
    EXPECT_EQ(actual, expected.str()) << name;
}

std::unique_ptr<SessionState> madridGraph() {
    auto s = test::airportDay10();
    s->graph.title = "Aeropuerto de Barajas - Madrid";
    s->graph.skyReport = "No hay presencia de nubes significativas.\nNo se esperan cambios.";
    s->graph.windDirection[22] = "WNW";
    prepareGraphPicture(*s);
    return s;
}

std::unique_ptr<SessionState> longSounding() {
    auto s = test::textListSounding();
    s->sounding.forecastTitle = "08001 LECO La Coruna"; // typed by hand: the page's station text
    // 80 levels, 150 m apart, crossing 0 °C at level 30.
    std::vector<SoundingRow> levels;
    for (int i = 0; i < 80; ++i) {
        levels.push_back({1000.0f - 8.0f * i, 100.0f + 150.0f * i, 15.0f - 0.5f * i,
                          5.0f - 0.6f * i, 50.0f, 200.0f + i, 10.0f + i * 0.5f});
    }
    s->sounding.levels = levels;
    s->sounding.count = 80;
    std::copy(levels.begin(), levels.end(), s->sounding.mirror.begin());
    return s;
}

// Purpose: the graph page, landscape: title and rule, the graph at its
// origin (0.30 in, 1.30 in), the statistics and the sky report beside it,
// the footer.
TEST(PrintedPage, GraphPageMatchesItsDump) {
    auto s = madridGraph();
    test::RecordingCanvas canvas;
    paintPrintedPage(canvas, *s, kLandscapeWidth);
    EXPECT_EQ(canvas.mapping(), Mapping::Print);
    EXPECT_EQ(canvas.openStates(), 0);
    expectGolden("graph", dump(canvas));
}

// Purpose: while the hourly table dialog is open the table replaces the
// graph and the two header lines join the side block in blue.
TEST(PrintedPage, HourlyTablePageMatchesItsDump) {
    auto s = madridGraph();
    s->view.tablePrint = true;
    test::RecordingCanvas canvas;
    paintPrintedPage(canvas, *s, kLandscapeWidth);
    EXPECT_EQ(printOrientation(*s), PageOrientation::Landscape);
    expectGolden("hourly-table", dump(canvas));
}

// Purpose: the sounding table on a portrait sheet, its levels stopping above
// the footer rule.
TEST(PrintedPage, SoundingTablePageMatchesItsDump) {
    auto s = longSounding();
    s->view.tablePortrait = true;
    test::RecordingCanvas canvas;
    paintPrintedPage(canvas, *s, kPortraitWidth);
    EXPECT_EQ(printOrientation(*s), PageOrientation::Portrait);
    const std::string page = dump(canvas);
    expectGolden("sounding-table", page);
    // The last level printed ends above the footer rule at 1090.
    int lowest = 0;
    for (const auto& t : canvas.texts) {
        if (t.text != printCredit()) {
            lowest = std::max(lowest, t.y + 14);
        }
    }
    EXPECT_LE(lowest, 1090);
    EXPECT_GT(lowest, 1060); // ... and the page is filled down to it
}

// Purpose: the sounding diagram is drawn in print mode from the sounding area
// (1.20 in, 1.00 in), with no side block.
TEST(PrintedPage, SoundingDiagramStartsAtTheSoundingArea) {
    auto s = test::textListSounding();
    s->selection.soundingFromCatalogue = true;
    prepareSoundingPicture(*s);
    test::RecordingCanvas canvas;
    paintPrintedPage(canvas, *s, kLandscapeWidth);
    ASSERT_TRUE(s->view.pictures.sounding.drawable);
    const auto title = canvas.findText(s->view.pictures.sounding.diagramTitle);
    ASSERT_TRUE(title);
    EXPECT_EQ(title->origin, (Point{120, 100}));
    EXPECT_FALSE(canvas.findText(text::cp1252("ESTADÍSTICAS:")));
    EXPECT_EQ(canvas.texts.front().text, "    Brisalta - " + s->view.pictures.sounding.diagramTitle);
}

// Purpose: "Techo por horas" prints in the graph's place on a landscape
// sheet, under its own title and without the graph's side block.
TEST(PrintedPage, CeilingHoursTakeTheGraphsPlace) {
    auto s = madridGraph();
    const auto sounding = test::textListSounding();
    s->sounding = sounding->sounding;
    s->selection.soundingDay = sounding->selection.soundingDay;
    s->selection.soundingMonth = sounding->selection.soundingMonth;
    s->selection.soundingYear = sounding->selection.soundingYear;
    s->selection.soundingHour = sounding->selection.soundingHour;
    s->view.graphAvailable = true;
    s->view.soundingAvailable = true;
    s->view.graphShown = false;
    s->view.ceilingHoursShown = true;
    s->view.pictures.ceilingHours = prepareCeilingHours(*s);
    ASSERT_TRUE(s->view.pictures.ceilingHours.drawable);

    test::RecordingCanvas canvas;
    paintPrintedPage(canvas, *s, kLandscapeWidth);
    EXPECT_EQ(printOrientation(*s), PageOrientation::Landscape);
    EXPECT_EQ(canvas.texts.front().text,
              "    Brisalta  -  " + s->view.pictures.ceilingHours.title);
    const auto title = canvas.findText(s->view.pictures.ceilingHours.title);
    ASSERT_TRUE(title);
    EXPECT_EQ(title->origin, kGraphArea);
    EXPECT_FALSE(canvas.findText(text::cp1252("ESTADÍSTICAS:")));
    EXPECT_TRUE(canvas.findText(printCredit()));
    EXPECT_EQ(canvas.openStates(), 0);
}

// Purpose: the title line by what is on screen.
TEST(PrintedPage, TitleLineByPicture) {
    struct Case {
        const char* name;
        std::function<std::unique_ptr<SessionState>()> make;
        const char* title; // UTF-8
    };
    const Case cases[] = {
        {"nothing shown", [] { return std::make_unique<SessionState>(); }, ""},
        {"graph", [] { return test::airportDay10(); }, "    Brisalta  -  LEMD"},
        {"forecast", [] { return test::forecastSounding(); }, "GFS 40.5N/3.5W 17-7-2026"},
        {"typed text-list station",
         [] {
             auto s = test::textListSounding();
             s->sounding.forecastTitle = "08001 LECO La Coruna";
             return s;
         },
         "Sondeo 08001 LECO La Coruna a las 12 horas UTC del día 5 de Marzo de 2024"},
        {"typed second-service station",
         [] {
             auto s = test::textListSounding();
             s->sounding.fromSecondService = true;
             return s;
         },
         "Sondeo A Coruña (España) a las 12 horas UTC del día 5 de Marzo de 2024"},
        {"month out of range",
         [] {
             auto s = test::textListSounding();
             s->sounding.fromSecondService = true;
             s->selection.soundingMonth = "13";
             return s;
         },
         "Sondeo A Coruña (España) a las 12 horas UTC del día 5 de 13 de 2024"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text::toUtf8(printTitle(*c.make())), c.title) << c.name;
    }
}

// Purpose: the statistics lines read the day's extremes, value then hour.
TEST(PrintedPage, StatisticsLines) {
    DailyExtremes e;
    e.maxTemperature = 36;
    e.maxTemperatureHour = 17;
    e.minTemperature = -2;
    e.minTemperatureHour = 6;
    e.maxWindSpeed = 25;
    e.maxWindHour = 17;
    e.maxWindDirectionName = "SurOeste";
    e.maxPressure = 1020;
    e.maxPressureHour = 9;
    e.minPressure = 1008;
    e.minPressureHour = 18;
    EXPECT_EQ(text::toUtf8(printedStatistics(e)),
              "Temperatura máxima: 36ºC a las 17 horas.\n"
              "Temperatura mínima: -2ºC a las 6 horas.\n"
              "Viento máximo: 25 km/h con dirección SurOeste a las 17 horas.\n"
              "Presión máxima: 1020 mb a las 9 horas.\n"
              "Presión mínima: 1008 mb a las 18 horas.\n");
}

} // namespace
} // namespace brisalta
