// Curves of the 24-hour graph: point mappings, bridges over missing slots,
// markers, the trailing-gap line, the humidity area and the direction trace.
#include "graph/graphcurves.h"

#include "graph/graphheader.h"
#include "graph/graphstyle.h"
#include "graphfixture.h"
#include "support/recordingcanvas.h"

#include <gtest/gtest.h>

namespace brisalta {
namespace {

using test::RecordingCanvas;
using namespace graphstyle;

// One design unit per device unit, so positions read as design units.
const GraphFactors kUnit = printFactors();

Slots<int> filled(int value) {
    Slots<int> v;
    v.fill(value);
    return v;
}

// Temperature panel, scale 0..14 in steps of 2: value v lies at 85 + (14 − v)·10.
void drawTemperature(RecordingCanvas& canvas, const Slots<int>& values) {
    DrawSeriesCurve(canvas, kUnit, 105, 85, 0, 2, values, kTemperatureSeries);
}

// Purpose: slot and value mappings, with truncation after the real division.
TEST(GraphCurves, PointMappings) {
    EXPECT_EQ(slotX(kUnit, 105, 0), 105);
    EXPECT_EQ(slotX(kUnit, 105, 23), 335);
    EXPECT_EQ(slotX(kUnit, 460, 23), 690);
    const GraphFactors screen = screenFactors(1920, 1080, 96, 0.96);
    EXPECT_EQ(slotX(screen, 105, 1), 241 + 23); // 105 → 241, 10 → 23: converted apart, then added

    struct Case {
        int minimum, step, value, y;
    };
    const Case cases[] = {
        {0, 2, 14, 85},  {0, 2, 0, 225}, {0, 2, 7, 155}, {1012, 1, 1016, 145},
        {7, 4, 20, 160}, // (35 − 20)·20 / 4 = 75
        {7, 3, 20, 138}, // (28 − 20)·20 / 3 = 53.3
        {7, 3, 30, 72},  // above the top: (28 − 30)·20 / 3 = −13.3 → −13
    };
    for (const Case& c : cases) {
        EXPECT_EQ(seriesY(kUnit, 85, ValueScale{c.minimum, c.step}, c.value), c.y) << c.value;
    }
    EXPECT_EQ(seriesY(screen, 85, ValueScale{7, 3}, 20), 146 + 92); // 160·1.728 / 3 = 92.16
    EXPECT_EQ(humidityY(kUnit, 245, 0), 245);
    EXPECT_EQ(humidityY(kUnit, 245, 100), 85);
    EXPECT_EQ(humidityY(kUnit, 245, 47), 170); // 47·1.6 = 75.2
    EXPECT_EQ(seriesY(kUnit, 85, ValueScale{0, 0}, 5), 85); // a zero step never divides
}

TEST(GraphCurves, CompleteSeriesIsOneSolidLinePerSlotPair) {
    RecordingCanvas canvas;
    Slots<int> v;
    for (int i = 0; i < kSlots; ++i) {
        v[i] = i % 8;
    }
    drawTemperature(canvas, v);
    ASSERT_EQ(canvas.segments.size(), 23u);
    for (const auto& s : canvas.segments) {
        EXPECT_EQ(s.pen, seriesPen(kTemperatureSeries));
    }
    EXPECT_TRUE(canvas.hasSegment({105, 225}, {115, 215}));
    EXPECT_TRUE(canvas.rectangles.empty());
}

// Purpose: a leading gap is bridged horizontally from x0 at the first value's
// height, without markers.
TEST(GraphCurves, LeadingGapIsBridgedHorizontallyWithoutMarkers) {
    RecordingCanvas canvas;
    Slots<int> v = filled(10);
    v[0] = v[1] = v[2] = kMissing;
    drawTemperature(canvas, v);
    ASSERT_FALSE(canvas.segments.empty());
    const auto& bridge = canvas.segments.front();
    EXPECT_EQ(bridge.from, (Point{105, 125}));
    EXPECT_EQ(bridge.to, (Point{135, 125}));
    EXPECT_EQ(bridge.pen, gapPen(seriesPen(kTemperatureSeries)));
    EXPECT_EQ(bridge.pen.style, PenStyle::Dotted);
    EXPECT_EQ(bridge.pen.width, 0);
    EXPECT_TRUE(canvas.rectangles.empty());
    EXPECT_EQ(canvas.segmentsOf(kTemperatureColour, PenStyle::Solid).size(), 20u);
}

// Purpose: one value between two gaps gets bridges on both sides and a marker
// at each end of the first bridge, drawn with the series pen.
TEST(GraphCurves, SingleValueBetweenGapsGetsTwoMarkers) {
    RecordingCanvas canvas;
    Slots<int> v = filled(10);
    v[5] = v[7] = kMissing;
    v[6] = 4;
    drawTemperature(canvas, v);
    const auto dotted = canvas.segmentsOf(kTemperatureColour, PenStyle::Dotted);
    ASSERT_EQ(dotted.size(), 2u);
    EXPECT_EQ(dotted[0].from, (Point{145, 125}));
    EXPECT_EQ(dotted[0].to, (Point{165, 185}));
    EXPECT_EQ(dotted[1].from, (Point{165, 185}));
    EXPECT_EQ(dotted[1].to, (Point{185, 125}));
    ASSERT_EQ(canvas.rectangles.size(), 2u);
    EXPECT_EQ(canvas.rectangles[0].left, 144);
    EXPECT_EQ(canvas.rectangles[0].top, 124);
    EXPECT_EQ(canvas.rectangles[0].right, 146);
    EXPECT_EQ(canvas.rectangles[0].bottom, 126);
    EXPECT_EQ(canvas.rectangles[1].left, 164);
    EXPECT_EQ(canvas.rectangles[1].top, 184);
    EXPECT_EQ(canvas.rectangles[0].pen, seriesPen(kTemperatureSeries));
}

// Purpose: the trailing-gap line ends at (x0 + 230, y0 + 120), drawn with the
// pen selected last: solid after an ordinary segment, dotted after a bridge
// without markers, and the gap pen when nothing was drawn before.
TEST(GraphCurves, TrailingGapLineUsesTheLastSelectedPen) {
    struct Case {
        const char* name;
        std::vector<int> missing;
        Point from;
        PenStyle style;
    };
    const std::vector<Case> cases = {
        {"slot 23 alone", {23}, {325, 125}, PenStyle::Solid},
        {"run from slot 20", {20, 21, 22, 23}, {295, 125}, PenStyle::Solid},
        {"after a leading bridge", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 23},
         {325, 125}, PenStyle::Dotted},
        {"every slot", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23},
         {105, 205}, PenStyle::Dotted},
    };
    for (const Case& c : cases) {
        RecordingCanvas canvas;
        Slots<int> v = filled(10);
        for (int slot : c.missing) {
            v[slot] = kMissing;
        }
        drawTemperature(canvas, v);
        ASSERT_FALSE(canvas.segments.empty()) << c.name;
        const auto& last = canvas.segments.back();
        EXPECT_EQ(last.from, c.from) << c.name;
        EXPECT_EQ(last.to, (Point{335, 205})) << c.name;
        EXPECT_EQ(last.pen.style, c.style) << c.name;
        EXPECT_EQ(last.pen.colour, kTemperatureColour) << c.name;
    }
}

TEST(GraphCurves, AllMissingDrawsOneLineAcrossThePanel) {
    RecordingCanvas canvas;
    DrawSeriesCurve(canvas, kUnit, 105, 85, 0, 2, filled(kMissing), kDewPointSeries);
    ASSERT_EQ(canvas.segments.size(), 1u);
    EXPECT_EQ(canvas.segments[0].from, (Point{105, 205}));
    EXPECT_EQ(canvas.segments[0].to, (Point{335, 205}));
    EXPECT_EQ(canvas.segments[0].pen, (Pen{PenStyle::Dotted, 0, kDewPointColour}));
}

TEST(GraphCurves, HumidityAreaIsFilledUnderACompleteCurve) {
    auto session = test::summerDaySession();
    RecordingCanvas canvas;
    DrawHumidityArea(canvas, kUnit, 105, 245, prepareGraph(*session).humidity);
    EXPECT_EQ(canvas.segmentsOf(kHumidityColour, PenStyle::Solid).size(), 23u);
    ASSERT_EQ(canvas.polygons.size(), 1u);
    ASSERT_EQ(canvas.polylines.size(), 1u);
    const auto& area = canvas.polygons[0];
    ASSERT_EQ(area.points.size(), 29u);
    const Point p0{105, humidityY(kUnit, 245, slotHumidity(*session, 0))};
    EXPECT_EQ(area.points[0], p0);
    EXPECT_EQ(area.points[1], p0);
    EXPECT_EQ(area.points[25], (Point{335, 245}));
    EXPECT_EQ(area.points[26], (Point{85, 245}));
    EXPECT_EQ(area.points[27], (Point{85, p0.y}));
    EXPECT_EQ(area.points[28], p0);
    EXPECT_EQ(area.brush, (Brush{kHumidityFillColour}));
    EXPECT_EQ(area.pen, kHumidityPen);
    EXPECT_EQ(canvas.currentPen(), kAxisPen);
}

// Purpose: a missing temperature (or a humidity that cannot be known) leaves
// a gap in the humidity curve, bridged at y0 − 120, and no area.
TEST(GraphCurves, HumidityWithMissingSlotsHasNoArea) {
    auto session = test::summerDaySession();
    session->graph.temperature[0] = kMissing;
    session->graph.dewPoint[10] = kMissing;
    RecordingCanvas canvas;
    DrawHumidityArea(canvas, kUnit, 105, 245, prepareGraph(*session).humidity);
    EXPECT_TRUE(canvas.polygons.empty());
    const auto dotted = canvas.segmentsOf(kHumidityColour, PenStyle::Dotted);
    ASSERT_EQ(dotted.size(), 2u);
    EXPECT_EQ(dotted[0].pen.width, 1);
    EXPECT_EQ(dotted[0].from.x, 105);
    EXPECT_EQ(dotted[0].from.y, dotted[0].to.y); // leading gap: level with slot 1
    EXPECT_EQ(dotted[1].from.x, 195);
    EXPECT_EQ(dotted[1].to.x, 215);
    EXPECT_EQ(canvas.currentPen(), kAxisPen);

    Slots<int> unknown;
    unknown.fill(kMissing);
    RecordingCanvas empty;
    DrawHumidityArea(empty, kUnit, 105, 245, unknown);
    ASSERT_EQ(empty.segments.size(), 1u);
    EXPECT_EQ(empty.segments[0].from, (Point{105, 125}));
    EXPECT_EQ(empty.segments[0].to, (Point{335, 125}));
}

Slots<FixedText<9>> directions(std::initializer_list<std::pair<int, const char*>> set, const char* rest) {
    Slots<FixedText<9>> d;
    for (auto& t : d) {
        t = rest;
    }
    for (const auto& [slot, text] : set) {
        d[slot] = text;
    }
    return d;
}

// Purpose: runs without a direction are bridged by a dotted line; a run through
// the last slot ends level at x = 690; a run from slot 0 is level with the
// first direction.
TEST(GraphCurves, DirectionTraceBridgesSlotsWithoutDirection) {
    for (const char* none : {"No", "Variable", "---", "Calm"}) {
        RecordingCanvas canvas;
        DrawDirectionTrace(canvas, kUnit, directions({}, none));
        ASSERT_EQ(canvas.segments.size(), 1u) << none;
        EXPECT_EQ(canvas.segments[0].from, (Point{460, 310})) << none;
        EXPECT_EQ(canvas.segments[0].to, (Point{690, 310})) << none;
        EXPECT_EQ(canvas.segments[0].pen, kDirectionGapPen) << none;
    }

    RecordingCanvas leading;
    DrawDirectionTrace(leading, kUnit, directions({{0, "No"}, {1, "No"}, {2, "No"}}, "S"));
    ASSERT_FALSE(leading.segments.empty());
    EXPECT_EQ(leading.segments[0].from, (Point{460, 390}));
    EXPECT_EQ(leading.segments[0].to, (Point{490, 390}));
    EXPECT_EQ(leading.segments[0].pen, kDirectionGapPen);
    ASSERT_EQ(leading.rectangles.size(), 1u);
    EXPECT_EQ(leading.rectangles[0].left, 489);
    EXPECT_EQ(leading.rectangles[0].pen, kDirectionPen);
    EXPECT_EQ(leading.segmentsOf(kWindDirectionColour, PenStyle::Solid).size(), 20u);

    RecordingCanvas middle;
    DrawDirectionTrace(middle, kUnit, directions({{4, "N"}, {5, "Calm"}, {6, "E"}}, "N"));
    EXPECT_TRUE(middle.hasSegment({500, 310}, {520, 350}));
    EXPECT_EQ(middle.segmentsOf(kWindDirectionColour, PenStyle::Dotted).size(), 1u);
    ASSERT_EQ(middle.rectangles.size(), 1u);
    EXPECT_EQ(middle.rectangles[0].left, 519);

    RecordingCanvas trailing;
    DrawDirectionTrace(trailing, kUnit, directions({{21, "S"}, {22, "No"}, {23, "No"}}, "N"));
    const auto dotted = trailing.segmentsOf(kWindDirectionColour, PenStyle::Dotted);
    ASSERT_EQ(dotted.size(), 1u);
    EXPECT_EQ(dotted[0].from, (Point{670, 390}));
    EXPECT_EQ(dotted[0].to, (Point{690, 390}));
    EXPECT_TRUE(trailing.rectangles.empty());
}

TEST(GraphCurves, DirectionTraceFollowsTheCompassRows) {
    RecordingCanvas canvas;
    DrawDirectionTrace(canvas, kUnit, directions({{0, "N"}, {1, "E"}, {2, "NNW"}, {3, "Calma"}}, "SW"));
    EXPECT_TRUE(canvas.hasSegment({460, 310}, {470, 350}));
    EXPECT_TRUE(canvas.hasSegment({470, 350}, {480, 460}));
    EXPECT_TRUE(canvas.hasSegment({480, 460}, {490, 310})); // "Calma" is traced at the top row
    EXPECT_TRUE(canvas.hasSegment({490, 310}, {500, 410}));
    EXPECT_EQ(canvas.segments.size(), 23u);
}

} // namespace
} // namespace brisalta
