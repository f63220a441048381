// DrawSounding as a whole, through a recording canvas on an 800 × 600 screen
// (one design unit per pixel): what the diagram must show, where, in which
// pen, and what it leaves behind for the other commands.
#include "diagram/soundingdiagram.h"

#include "diagramfixture.h"
#include "diagram/soundingstyle.h"
#include "support/recordingcanvas.h"
#include "support/testplaces.h"
#include "text/codepage.h"
#include "text/format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace brisalta {
namespace {

using test::level;
using test::RecordingCanvas;
using namespace soundingstyle;

// Standard pressure levels of a text-list sounding from the ground (0 m) to
// the 100 hPa level where that service's table is cut; wind from 250°,
// 10 knots at the ground and 5 more a level.
std::vector<SoundingRow> standardLevels() {
    struct Level {
        float pressure, height;
    };
    const Level levels[] = {{1013, 0},    {1000, 110},  {925, 760},   {850, 1460},
                            {700, 3010},  {500, 5570},  {400, 7190},  {300, 9160},
                            {250, 10360}, {200, 11790}, {150, 13610}, {100, 16180}};
    std::vector<SoundingRow> rows;
    float k = 0;
    for (const Level& l : levels) {
        const float t = std::max(-56.5f, 15.0f - 6.5f * l.height / 1000.0f);
        rows.push_back(
            level(l.pressure, l.height, t, t - 5.0f - k, 60.0f, 250.0f, 10.0f + 5.0f * k));
        ++k;
    }
    return rows;
}

RecordingCanvas designCanvas() {
    return RecordingCanvas(800, 600, 96);
}

RecordingCanvas drawn(SessionState& session, bool printing = false) {
    RecordingCanvas canvas = designCanvas();
    EXPECT_TRUE(test::drawSounding(canvas, session, printing));
    return canvas;
}

std::string cp(const char* utf8) {
    return text::cp1252(utf8);
}

// Every text drawn at one point, in drawing order.
std::vector<std::string> textsAt(const RecordingCanvas& canvas, int x, int y) {
    std::vector<std::string> found;
    for (const auto& t : canvas.texts) {
        if (t.x == x && t.y == y) {
            found.push_back(t.text);
        }
    }
    return found;
}

bool hasSegmentIn(const RecordingCanvas& canvas, const Pen& pen, Point a, Point b) {
    return std::any_of(
        canvas.segments.begin(), canvas.segments.end(), [&](const test::RecordedSegment& s) {
            return s.pen == pen && ((s.from == a && s.to == b) || (s.from == b && s.to == a));
        });
}

std::size_t segmentCount(const RecordingCanvas& canvas, const Pen& pen) {
    return static_cast<std::size_t>(
        std::count_if(canvas.segments.begin(), canvas.segments.end(),
                      [&](const test::RecordedSegment& s) { return s.pen == pen; }));
}

TEST(SoundingDiagram, DrawsTitleAndKeepsItForPrinting) {
    auto session = test::soundingSession(standardLevels());
    RecordingCanvas canvas = drawn(*session);
    const std::string title =
        cp("Sondeo de Madrid/Barajas (España) a las 12 horas UTC del día 17 de Julio de 2024");
    EXPECT_EQ(session->sounding.diagramTitle, title);
    const auto text = canvas.findText(title);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->x, 50);
    EXPECT_EQ(text->y, 30);
    EXPECT_EQ(text->font, (Font{"Ms Sans Serif", 14, kSemiBoldWeight}));
    for (const auto& [label, x, y] :
         {std::tuple{"mb", 48, 60}, {"mb", 780, 60}, {"Altura", 402, 46}, {"(m)", 408, 60}}) {
        EXPECT_EQ(textsAt(canvas, x, y), std::vector<std::string>{label}) << label;
    }
    EXPECT_EQ(canvas.saveCount, 1);
    EXPECT_EQ(canvas.restoreCount, 1);
    EXPECT_EQ(canvas.mappings, std::vector<Mapping>{Mapping::Screen});
}

// Purpose: the three font sets follow the screen, as on the graph.
TEST(SoundingDiagram, FontsFollowTheScreen) {
    struct Case {
        int width, height, dpi;
        Font title, level;
    };
    const Case cases[] = {
        {640, 480, 96, {"Times New Roman", 14, 400}, {"Times New Roman", 14, 400}},
        {800, 600, 120, {"Times New Roman", 14, 400}, {"Times New Roman", 14, 400}},
        {800, 600, 96, {"Ms Sans Serif", 14, 600}, {"Times New Roman", 14, 600}},
        {1920, 1080, 96, {"Times New Roman", 18, 600}, {"Times New Roman", 18, 600}},
    };
    for (const Case& c : cases) {
        auto session = test::soundingSession(standardLevels());
        RecordingCanvas canvas(c.width, c.height, c.dpi);
        test::drawSounding(canvas, *session);
        EXPECT_EQ(canvas.findText(session->sounding.diagramTitle)->font, c.title) << c.width;
        EXPECT_EQ(canvas.findTextContaining("16180")->font, c.level) << c.width;
    }
}

// Purpose: the sounding's commands are enabled by every drawing, also one
// that has nothing to draw; that one draws and says nothing.
TEST(SoundingDiagram, SetsCommandFlagsAndRefusesAHiddenSounding) {
    for (const int graphAvailable : {0, 1}) {
        for (const int shown : {0, 1}) {
            auto session = test::soundingSession(standardLevels());
            session->view.graphAvailable = graphAvailable;
            session->view.soundingShown = shown;
            session->view.commands = ViewFlags{false, true, true, false, false, false, false, true, false};
            RecordingCanvas canvas = designCanvas();
            EXPECT_EQ(test::drawSounding(canvas, *session), shown);
            const ViewFlags& v = session->view.commands;
            EXPECT_TRUE(v.tableEnabled);
            EXPECT_FALSE(v.cloudsEnabled);
            EXPECT_FALSE(v.qnhEnabled);
            EXPECT_TRUE(v.ceilingEnabled);
            EXPECT_EQ(v.swapEnabled, graphAvailable);
            EXPECT_TRUE(v.printEnabled);
            EXPECT_TRUE(v.saveAsEnabled);
            EXPECT_FALSE(v.statsEnabled);
            EXPECT_TRUE(v.zoomEnabled);
            EXPECT_EQ(canvas.empty(), shown == 0);
            EXPECT_EQ(session->sounding.mirror[0][kPressure], shown ? 1013.0f : 0.0f);
        }
    }
    EXPECT_EQ(text::toUtf8(invalidSoundingMessage()),
              "El sondeo elegido no contiene datos válidos");
}

// Purpose: the temperature scale starts at −30 °C, or −10 °C when zoomed.
TEST(SoundingDiagram, TemperatureLabelsFollowTheZoom) {
    for (const int zoom : {0, 1}) {
        auto session = test::soundingSession(standardLevels());
        session->view.soundingZoom = zoom;
        RecordingCanvas canvas = drawn(*session);
        for (int k = 0; k <= 9; ++k) {
            const int degrees = (zoom ? -10 : -30) + 10 * k;
            const auto at = textsAt(canvas, 67 + 30 * k, 470);
            ASSERT_EQ(at.size(), 1u) << k;
            EXPECT_EQ(at[0], text::format("%3d", degrees));
            EXPECT_TRUE(hasSegmentIn(canvas, kFramePen, {80 + 30 * k, 462}, {80 + 30 * k, 468}));
        }
        EXPECT_EQ(canvas.findText(cp("ºC"))->colour, kTemperatureColour);
        // The red isotherm sits on 0 °C of the bottom scale.
        const int freezing = zoom ? 110 : 170;
        EXPECT_TRUE(
            hasSegmentIn(canvas, kFreezingPen, {freezing, 465}, {380, 465 - (380 - freezing)}));
    }
}

TEST(SoundingDiagram, DrawsHumidityAndDirectionScalesAndBothFrames) {
    auto session = test::soundingSession(standardLevels());
    RecordingCanvas canvas = drawn(*session);
    for (int k = 0; k <= 10; ++k) {
        EXPECT_EQ(textsAt(canvas, 67 + 30 * k, 60),
                  std::vector<std::string>{text::format("%3d", 10 * k)});
        EXPECT_TRUE(hasSegmentIn(canvas, kFramePen, {80 + 30 * k, 82}, {80 + 30 * k, 88}));
    }
    EXPECT_EQ(canvas.findText("%")->colour, kHumidityScaleColour);
    const char* directions[] = {"S", "SO", "O", "NO", "N", "NE", "E", "SE"};
    for (int k = 0; k < 8; ++k) {
        const auto at = canvas.textsEqualTo(directions[k]);
        ASSERT_FALSE(at.empty());
        EXPECT_EQ(at[0].x, 460 + 38 * k);
        EXPECT_EQ(at[0].colour, kDirectionColour);
        EXPECT_TRUE(hasSegmentIn(canvas, kFramePen, {465 + 38 * k, 85}, {465 + 38 * k, 468}));
    }
    EXPECT_EQ(textsAt(canvas, 764, 60), std::vector<std::string>{"S"});
    for (const auto& [left, right] : {std::pair{80, 380}, {465, 765}}) {
        EXPECT_TRUE(hasSegmentIn(canvas, kFramePen, {left, 85}, {left, 465}));
        EXPECT_TRUE(hasSegmentIn(canvas, kFramePen, {left, 85}, {right, 85}));
        EXPECT_TRUE(hasSegmentIn(canvas, kFramePen, {left, 465}, {right, 465}));
        EXPECT_TRUE(hasSegmentIn(canvas, kFramePen, {right, 85}, {right, 465}));
    }
}

// Purpose: the humidity area reaches the right edge at 100 % and never rises
// above the frame; its outline is open along the left edge.
TEST(SoundingDiagram, HumidityAreaIsClampedAtTheTop) {
    std::vector<SoundingRow> rows = {level(1000, 0, 15, 15, 100, 0, 5),
                                     level(500, 5500, -20, -20, 100, 0, 5),
                                     level(50, 20000, -60, -60, 100, 0, 5)};
    auto session = test::soundingSession(rows);
    RecordingCanvas canvas = drawn(*session);
    ASSERT_EQ(canvas.polygons.size(), 1u);
    const std::vector<Point> area = {{380, 465}, {380, 338}, {380, 85},
                                     {80, 85},   {80, 465},  {380, 465}};
    EXPECT_EQ(canvas.polygons[0].points, area);
    EXPECT_EQ(canvas.polygons[0].brush, kHumidityBrush);
    EXPECT_EQ(canvas.polygons[0].pen, kFramePen);
    ASSERT_EQ(canvas.polylines.size(), 1u);
    EXPECT_EQ(canvas.polylines[0].points, std::vector<Point>(area.begin(), area.end() - 1));
}

// Purpose: the driest mixing-ratio lines are left out of the zoomed diagram;
// each line is labelled under its foot.
TEST(SoundingDiagram, MixingRatioLinesOneAndTwoOnlyWhenNotZoomed) {
    for (const int zoom : {0, 1}) {
        auto session = test::soundingSession(standardLevels());
        session->view.soundingZoom = zoom;
        RecordingCanvas canvas = drawn(*session);
        std::vector<std::string> labels;
        for (const auto& t : canvas.texts) {
            if (t.colour == kMixingColour) {
                labels.push_back(t.text);
            }
        }
        const std::vector<std::string> expected =
            zoom ? std::vector<std::string>{"3", "5", "10", "20", "30 g/kg"}
                 : std::vector<std::string>{"1", "2", "3", "5", "10", "20", "30 g/kg"};
        EXPECT_EQ(labels, expected);
        // 10 g/kg at 1013 hPa: e = 10 · 1013 / 631.97, its dew point by Magnus.
        const double x = std::log(10.0 * 1013.0 / 631.97 / 6.1078);
        const int foot = static_cast<int>(3.0 * 237.3 * x / (17.2693882 - x) + (zoom ? 110 : 170));
        const auto label = canvas.findText("10");
        ASSERT_TRUE(label);
        EXPECT_EQ(label->x, foot - 4);
        EXPECT_EQ(label->y, 485);
        EXPECT_TRUE(hasSegmentIn(canvas, kMixingPen, {foot, 465}, {foot, 470}));
    }
}

// Purpose: the second row's labels and line sit 3 units above its height, so
// that they clear the labels of the ground level.
TEST(SoundingDiagram, SecondRowIsLabelledThreeUnitsHigher) {
    auto session = test::soundingSession(standardLevels());
    RecordingCanvas canvas = drawn(*session);
    // 110 m: 85 + 380 · 16390 / 16500 = 462.47.
    EXPECT_EQ(textsAt(canvas, 40, 452), std::vector<std::string>{"1000"});
    EXPECT_EQ(textsAt(canvas, 775, 452), std::vector<std::string>{"1000"});
    EXPECT_EQ(textsAt(canvas, 400, 452), std::vector<std::string>{"  110"});
    EXPECT_TRUE(hasSegmentIn(canvas, kLevelPen, {80, 459}, {380, 459}));
    EXPECT_TRUE(hasSegmentIn(canvas, kLevelPen, {465, 459}, {765, 459}));
    // A row on a round pressure further up keeps its true height: 850 hPa at 1460 m.
    EXPECT_EQ(textsAt(canvas, 40, 424), std::vector<std::string>{" 850"}); // Y = 431.37
    EXPECT_TRUE(hasSegmentIn(canvas, kLevelPen, {80, 431}, {380, 431}));
}

// Purpose: the 100 hPa level that ends a text-list table is labelled but gets
// no line across the panels.
TEST(SoundingDiagram, TopLevelIsLabelledWithoutLines) {
    auto session = test::soundingSession(standardLevels());
    RecordingCanvas canvas = drawn(*session);
    // 16180 m: 85 + 380 · 320 / 16500 = 92.37.
    EXPECT_EQ(textsAt(canvas, 40, 85), std::vector<std::string>{" 100"});
    EXPECT_EQ(textsAt(canvas, 775, 85), std::vector<std::string>{" 100"});
    EXPECT_EQ(textsAt(canvas, 400, 85), std::vector<std::string>{"16180"});
    for (const auto& s : canvas.segmentsOf(kLevelPen.colour)) {
        EXPECT_NE(s.from.y, 92);
    }
    EXPECT_TRUE(
        hasSegmentIn(canvas, kLevelPen, {80, 193}, {380, 193})); // 200 hPa at 11790 m: 193.47
}

// Purpose: the ground level is labelled at the bottom edge unless the table
// began with a row the reader had to skip.
TEST(SoundingDiagram, GroundLabelsOnlyAfterACompleteFirstRow) {
    for (const int partial : {0, 1}) {
        auto session = test::soundingSession(standardLevels());
        session->sounding.partialFirstRow = partial;
        RecordingCanvas canvas = drawn(*session);
        const auto expected =
            partial ? std::vector<std::string>{} : std::vector<std::string>{"1013"};
        EXPECT_EQ(textsAt(canvas, 40, 464), expected);
        EXPECT_EQ(textsAt(canvas, 775, 464), expected);
        EXPECT_EQ(textsAt(canvas, 400, 468),
                  partial ? std::vector<std::string>{} : std::vector<std::string>{"    0"});
    }
}

// Purpose: which rows are labelled for each source when not zoomed.
TEST(SoundingDiagram, LabelledRowsDependOnTheSource) {
    std::vector<SoundingRow> rows;
    for (int i = 0; i < 20; ++i) {
        rows.push_back(level(1000.0f - 30.0f * i, 100.0f + 400.0f * i, 10, 0, 50, 90, 10));
    }
    struct Case {
        int secondService, forecast;
        std::vector<int> labelledPressures; // at x = 40 above the bottom labels
    };
    const Case cases[] = {
        {0, 0, {1000, 850, 700, 550}},      // text-list: multiples of 50 hPa
        {1, 0, {1000, 760, 520, 430}},      // every 8th row and the last
        {0, 1, {1000, 850, 700, 550, 430}}, // every 5th row and the last
    };
    for (const Case& c : cases) {
        auto session = test::soundingSession(rows);
        session->sounding.fromSecondService = c.secondService;
        session->sounding.isForecast = c.forecast;
        session->sounding.partialFirstRow = true;
        RecordingCanvas canvas = drawn(*session);
        std::vector<int> labelled;
        for (const auto& t : canvas.texts) {
            if (t.x == 40) {
                labelled.push_back(std::stoi(t.text));
            }
        }
        EXPECT_EQ(labelled, c.labelledPressures) << c.secondService << c.forecast;
    }
}

// Purpose: zoomed, levels closer than 300 m get no label of their own; the
// first rows below 665, 700, 790 and 935 hPa are marked instead.
TEST(SoundingDiagram, ZoomedDiagramMarksFourPressures) {
    std::vector<SoundingRow> rows;
    for (int i = 0; i <= 32; ++i) {
        const float h = 250.0f * i;
        rows.push_back(level(1000.0f * std::exp(-h / 8000.0f), h, 15, 5, 50, 90, 10));
    }
    auto session = test::soundingSession(rows);
    session->view.soundingZoom = true;
    session->sounding.partialFirstRow = true;
    RecordingCanvas canvas = drawn(*session);
    std::vector<std::string> labels;
    for (const auto& t : canvas.texts) {
        if (t.x == 40) {
            labels.push_back(t.text);
        }
    }
    // Rows every 250 m: 934 hPa at 2nd row (500 m)… listed from the bottom.
    std::vector<std::string> expected;
    for (const int bound : {665, 700, 790, 935}) {
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const SoundingRow& r) {
            return static_cast<int>(r[kPressure]) < bound;
        });
        expected.push_back(text::format("%4d", static_cast<int>((*row)[kPressure])));
        const int y = static_cast<int>(85 + 380.0f * (6000.0f - (*row)[kHeight]) / 6000.0f);
        EXPECT_TRUE(hasSegmentIn(canvas, kLevelPen, {80, y}, {380, y})) << bound;
        EXPECT_EQ(textsAt(canvas, 400, y - 7),
                  std::vector<std::string>{text::format("%5d", static_cast<int>((*row)[kHeight]))});
    }
    std::sort(expected.begin(), expected.end());
    std::sort(labels.begin(), labels.end());
    EXPECT_EQ(labels, expected);
}

// Purpose: the speed labels stand every 36 units, the step taken from every
// row but the last; a faster last row runs off the panel and is not drawn.
TEST(SoundingDiagram, WindSpeedScaleLeavesTheLastRowOut) {
    std::vector<SoundingRow> rows = standardLevels();
    rows.back()[kWindSpeed] = 200.0f; // knots
    auto session = test::soundingSession(rows);
    RecordingCanvas canvas = drawn(*session);
    // 60 knots on the row before the last: 111.12 km/h, step 111 / 8 + 1 = 14.
    for (int k = 0; k <= 8; ++k) {
        const auto at = textsAt(canvas, 465 + 36 * k, 470);
        ASSERT_EQ(at.size(), 1u) << k;
        EXPECT_EQ(at[0], std::to_string(14 * k));
    }
    EXPECT_EQ(canvas.findText("km/h")->colour, kSpeedColour);
    const auto speed = canvas.segmentsOf(kSpeedPen.colour, PenStyle::Solid);
    std::size_t curve = 0;
    for (const auto& s : speed) {
        if (s.pen == kSpeedPen) {
            ++curve;
            EXPECT_LT(std::max(s.from.x, s.to.x), 765);
        }
    }
    EXPECT_EQ(curve, rows.size() - 2);
    // 10 knots at the ground (18.52 km/h) to 15 knots at 110 m (27.78 km/h), 300 / 112 units a
    // km/h.
    EXPECT_TRUE(hasSegmentIn(canvas, kSpeedPen, {514, 465}, {539, 462}));
}

// Purpose: a wind veering across south draws from one side of the direction
// panel to the other.
TEST(SoundingDiagram, DirectionAcrossSouthDrawsAcrossThePanel) {
    std::vector<SoundingRow> rows = standardLevels();
    rows[3][kWindDirection] = 170.0f; // 850 hPa, Y 431
    rows[4][kWindDirection] = 190.0f; // 700 hPa, 3010 m: Y = 85 + 380 · 13490 / 16500 = 395.7
    auto session = test::soundingSession(rows);
    RecordingCanvas canvas = drawn(*session);
    EXPECT_TRUE(hasSegmentIn(canvas, kDirectionPen, {760, 431}, {473, 395}));
    EXPECT_TRUE(
        hasSegmentIn(canvas, kDirectionPen, {473, 395}, {524, 336})); // 190° → 250° at 5570 m
}

TEST(SoundingDiagram, DrawsEachLayerInItsPen) {
    auto session = test::soundingSession(standardLevels());
    RecordingCanvas canvas = drawn(*session);
    // Temperature from 15 °C at the ground (215, 465) to 14.285 °C at 110 m (213 + 3 = 215, 462).
    EXPECT_TRUE(hasSegmentIn(canvas, kTemperaturePen, {215, 465}, {215, 462}));
    EXPECT_TRUE(hasSegmentIn(canvas, kDewPointPen, {200, 465}, {197, 462}));
    EXPECT_GT(segmentCount(canvas, kAdiabatPen), 1000u);
    EXPECT_EQ(segmentCount(canvas, kMixingPen), 14u); // seven lines with their ticks
    EXPECT_EQ(segmentCount(canvas, kFreezingPen), 1u);
    EXPECT_TRUE(hasSegmentIn(canvas, kFramePen, {80, 375}, {370, 85}));
    EXPECT_TRUE(hasSegmentIn(canvas, kFramePen, {80, 435}, {380, 135}));
    // Nothing of the simulation without a request.
    EXPECT_EQ(segmentCount(canvas, kParcelPen), 0u);
    EXPECT_EQ(segmentCount(canvas, kMoisturePen), 0u);
    EXPECT_TRUE(canvas.images.empty());
}

// Purpose: on paper every position is 1.07³ times its design value in
// hundredths of an inch.
TEST(SoundingDiagram, PrintingScalesTheDesignByOnePointZeroSevenCubed) {
    auto session = test::soundingSession(standardLevels());
    RecordingCanvas canvas = drawn(*session, true);
    EXPECT_EQ(canvas.mappings, std::vector<Mapping>{Mapping::Print});
    const auto scaled = [](int design) { return static_cast<int>(design * 1.07 * 1.07 * 1.07); };
    EXPECT_TRUE(
        hasSegmentIn(canvas, kFramePen, {scaled(80), scaled(85)}, {scaled(80), scaled(465)}));
    EXPECT_TRUE(
        hasSegmentIn(canvas, kFramePen, {scaled(465), scaled(85)}, {scaled(765), scaled(85)}));
    const auto title = canvas.findText(session->sounding.diagramTitle);
    ASSERT_TRUE(title);
    EXPECT_EQ(title->x, 61);
    EXPECT_EQ(title->y, 36);
    EXPECT_EQ(title->font, (Font{"Times New Roman", 18, kSemiBoldWeight}));
    EXPECT_EQ(textsAt(canvas, scaled(40), scaled(452)), std::vector<std::string>{"1000"});
}

TEST(SoundingDiagram, CopiesTheRowsIntoTheMirror) {
    auto session = test::soundingSession(standardLevels());
    drawn(*session);
    for (std::size_t i = 0; i < session->sounding.levels.size(); ++i) {
        EXPECT_EQ(session->sounding.mirror[i], session->sounding.levels[i]) << i;
    }
    EXPECT_EQ(session->sounding.mirror[12], SoundingRow{});
}

// Purpose: a count that promises more rows than there are, or more than the
// mirror holds, draws and copies only what exists.
TEST(SoundingDiagram, CountBeyondTheRowsIsNeverRead) {
    auto short_ = test::soundingSession(standardLevels());
    short_->sounding.count = 100;
    drawn(*short_);
    EXPECT_EQ(short_->sounding.mirror[11], short_->sounding.levels[11]);
    EXPECT_EQ(short_->sounding.mirror[12], SoundingRow{});

    std::vector<SoundingRow> many;
    for (int i = 0; i < 260; ++i) {
        many.push_back(level(1000.0f - 3.5f * i, 60.0f * i, 15, 5, 50, 90, 10));
    }
    auto tall = test::soundingSession(many);
    drawn(*tall);
    EXPECT_EQ(tall->sounding.mirror[249], many[249]);

    auto none = test::soundingSession({});
    none->sounding.count = 5;
    RecordingCanvas canvas = designCanvas();
    EXPECT_FALSE(test::drawSounding(canvas, *none));
    EXPECT_TRUE(canvas.empty());
}

// Purpose: a lowest row at or above the top of the scale (zoomed above
// 6000 m) draws the frames and scales and leaves the data out.
TEST(SoundingDiagram, NoRoomBelowTheTopDrawsOnlyFramesAndScales) {
    for (const float h0 : {6000.0f, 7500.0f}) {
        std::vector<SoundingRow> rows = {level(470, h0, -20, -30, 40, 270, 30),
                                         level(400, h0 + 1500, -30, -40, 40, 270, 40)};
        auto session = test::soundingSession(rows);
        session->view.soundingZoom = true;
        RecordingCanvas canvas = drawn(*session);
        EXPECT_TRUE(hasSegmentIn(canvas, kFramePen, {80, 85}, {80, 465}));
        EXPECT_TRUE(canvas.findText("-10"));
        EXPECT_EQ(segmentCount(canvas, kTemperaturePen), 0u);
        EXPECT_EQ(segmentCount(canvas, kAdiabatPen), 0u);
        EXPECT_TRUE(canvas.polygons.empty());
        EXPECT_EQ(session->sounding.mirror[1], rows[1]);
    }
}

// Purpose: nonsense values (NaN, infinities, huge numbers) in hand-edited
// documents draw without undefined behaviour.
TEST(SoundingDiagram, HostileRowsNeverBreakTheDrawing) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const std::vector<std::vector<SoundingRow>> soundings = {
        {level(nan, nan, nan, nan, nan, nan, nan), level(nan, nan, nan, nan, nan, nan, nan)},
        {level(1000, 0, 15, 5, 50, 90, 10), level(inf, inf, -inf, inf, inf, -inf, inf),
         level(1e30f, -1e30f, 1e30f, -1e30f, 1e30f, 1e30f, 1e30f)},
        {level(1000, -3e38f, 15, 5, 50, 90, 10), level(-5, 3e38f, -300, -300, -50, 720, -10)},
        {level(0, 0, -273.16f, -300, 0, 0, 0)},
    };
    for (const auto& rows : soundings) {
        for (const int zoom : {0, 1}) {
            for (const bool printing : {false, true}) {
                auto session = test::soundingSession(rows);
                session->view.soundingZoom = zoom;
                session->sounding.simulationRequested = true;
                RecordingCanvas canvas = designCanvas();
                EXPECT_TRUE(test::drawSounding(canvas, *session, printing));
                EXPECT_EQ(canvas.openStates(), 0);
            }
        }
    }
}

// Purpose: a real page of the text-list service, read by the sounding reader,
// is drawn end to end with its title, levels and curves.
TEST(SoundingDiagram, DrawsARealTextListPage) {
    auto session = test::wyomingSession(test::dataPath() / "samples" / "uwyo" /
                                        "siphon_wyoming_sounding.html");
    ASSERT_TRUE(session->view.soundingShown);
    const SoundingProfile& s = session->sounding;
    ASSERT_TRUE(s.partialFirstRow); // the 1000 hPa row below the ground holds only its height
    RecordingCanvas canvas = drawn(*session);
    EXPECT_EQ(text::toUtf8(s.diagramTitle), "Sondeo " + std::string(s.forecastTitle.str()) +
                                                " a las 00 horas UTC del día 4 de Mayo de 1999");
    EXPECT_TRUE(textsAt(canvas, 40, 464).empty());
    for (const char* pressure : {" 850", " 700", " 550", " 500", " 400", " 300"}) {
        EXPECT_EQ(canvas.textsEqualTo(pressure).size(), 2u) << pressure;
    }
    EXPECT_FALSE(canvas.findText(" 925"));
    EXPECT_EQ(segmentCount(canvas, kTemperaturePen), static_cast<std::size_t>(s.count - 1));
    EXPECT_EQ(segmentCount(canvas, kDewPointPen), static_cast<std::size_t>(s.count - 1));
    for (int i = 0; i < s.count; ++i) {
        EXPECT_EQ(s.mirror[static_cast<std::size_t>(i)], s.levels[static_cast<std::size_t>(i)]);
    }
}

} // namespace
} // namespace brisalta
