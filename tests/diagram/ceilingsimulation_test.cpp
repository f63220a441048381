// The thermal-ceiling simulation drawn with the diagram: the curve points it
// compares the parcel with, the blue thermal of a dry afternoon, the cumulus
// base of a moist morning, and how the result lives through zoom and a new
// sounding. Expected heights come from the thermodynamic formulas written out
// here, not from the simulation's own code.
#include "diagram/ceilingsimulation.h"

#include "diagramfixture.h"
#include "diagram/soundingdiagram.h"
#include "diagram/soundinggeometry.h"
#include "diagram/soundingstyle.h"
#include "support/recordingcanvas.h"
#include "text/codepage.h"
#include "text/format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace brisalta {
namespace {

using test::RecordingCanvas;
using namespace soundingstyle;

// The formulas of the diagram, written out independently.
namespace physics {

double standardPressure(double h, double t0K) {
    return std::pow(std::pow(1013.0, 0.19035) * (t0K - 0.0065 * h) / t0K, 5.2534);
}
const double kC0 = std::pow(1013.0, static_cast<double>(-0.286f));

int parcelTheta(int surfaceTemperature, int h0, double t0K) {
    const int thetaK = static_cast<int>((surfaceTemperature + 273.16) *
                                        std::pow(standardPressure(h0, t0K) - 10.0, -0.286) / kC0);
    return static_cast<int>(thetaK - 273.16);
}

double parcelTemperature(int theta, double h, double t0K) {
    return (theta + 273.16) * kC0 / std::pow(standardPressure(h, t0K), -0.286) - 273.16;
}

double saturation(double t) {
    return 6.1078 * std::exp(17.2693882 * t / (t + 237.3));
}

double dewPoint(double e) {
    const double x = std::log(e / 6.1078);
    return 237.3 * x / (17.2693882 - x);
}

// Column c of the sounding at height h, linear between the rows.
double interpolated(const std::vector<SoundingRow>& rows, double h, int c) {
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
        const double h1 = rows[i][kHeight], h2 = rows[i + 1][kHeight];
        if (h1 <= h && h <= h2) {
            return rows[i][static_cast<std::size_t>(c)] +
                   (h - h1) / (h2 - h1) *
                       (rows[i + 1][static_cast<std::size_t>(c)] -
                        rows[i][static_cast<std::size_t>(c)]);
        }
    }
    return NAN;
}

// The wind quoted at height h: speeds in knots turned into km/h, then
// interpolated by the percentage of the way up, truncated.
int windSpeedAt(const std::vector<SoundingRow>& rows, double h) {
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
        const double h1 = rows[i][kHeight], h2 = rows[i + 1][kHeight];
        if (h1 <= h && h <= h2) {
            const double f = (h - h1) * 100.0 / (h2 - h1);
            const double s1 = rows[i][kWindSpeed] * 1.852, s2 = rows[i + 1][kWindSpeed] * 1.852;
            return static_cast<int>(f * ((s2 - s1) / 100.0) + s1);
        }
    }
    return -1;
}

// Design Y of a height on the stepped scale.
int stepY(double h, double h0, double top) {
    return static_cast<int>(85 + 380.0 * (top - h) / (top - h0));
}

} // namespace physics

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

void expectArrowheadsAt(const RecordingCanvas& canvas, int y) {
    EXPECT_TRUE(hasSegmentIn(canvas, kMoisturePen, {380, y}, {392, y})) << y;
    EXPECT_TRUE(hasSegmentIn(canvas, kMoisturePen, {380, y}, {385, y - 3})) << y;
    EXPECT_TRUE(hasSegmentIn(canvas, kMoisturePen, {380, y}, {385, y + 3})) << y;
    EXPECT_TRUE(hasSegmentIn(canvas, kMoisturePen, {465, y}, {453, y})) << y;
    EXPECT_TRUE(hasSegmentIn(canvas, kMoisturePen, {465, y}, {460, y - 3})) << y;
    EXPECT_TRUE(hasSegmentIn(canvas, kMoisturePen, {465, y}, {460, y + 3})) << y;
}

// A horizontal moisture-pen segment `width` long at y (the marker on the ceiling).
bool hasMarker(const RecordingCanvas& canvas, int y, int width) {
    return std::any_of(
        canvas.segments.begin(), canvas.segments.end(), [&](const test::RecordedSegment& s) {
            return s.pen == kMoisturePen && s.from.y == y && s.to.y == y &&
                   std::abs(s.to.x - s.from.x) == width && std::max(s.from.x, s.to.x) < 380;
        });
}

RecordingCanvas draw(SessionState& session, bool printing = false) {
    RecordingCanvas canvas(800, 600, 96);
    EXPECT_TRUE(test::drawSounding(canvas, session, printing));
    return canvas;
}

std::vector<Point> collected(std::initializer_list<std::pair<Point, Point>> segments,
                             bool firstFromGround) {
    CurvePoints curve;
    bool first = firstFromGround;
    for (const auto& [from, to] : segments) {
        collectCurvePoints(curve, from, to, first);
        first = false;
    }
    return std::vector<Point>(curve.points.begin(), curve.points.begin() + curve.count);
}

// Purpose: the temperature curve is sampled about once per grid step of
// height; the segment from the ground gives only its start.
TEST(CeilingSimulation, CollectsCurvePointsAlongTheDrawnSegments) {
    EXPECT_EQ(collected({{{215, 465}, {215, 462}}}, true), (std::vector<Point>{{215, 465}}));

    // Steep: 19 units of rise are 15 parts of 1.2666…; X rounded, Y truncated.
    const auto steep = collected({{{200, 400}, {202, 381}}}, false);
    ASSERT_EQ(steep.size(), 16u);
    EXPECT_EQ(steep[0], (Point{200, 400}));
    EXPECT_EQ(steep[1], (Point{200, 398})); // 200.13, 398.73
    EXPECT_EQ(steep[8], (Point{201, 389})); // 201.07, 389.87
    EXPECT_EQ(steep[15], (Point{202, 381}));

    // Flat: one part per unit across.
    const auto flat = collected({{{200, 400}, {230, 395}}}, false);
    ASSERT_EQ(flat.size(), 31u);
    EXPECT_EQ(flat[1], (Point{201, 399}));
    EXPECT_EQ(flat[30], (Point{230, 395}));

    // Shorter than one part: the end alone.
    EXPECT_EQ(collected({{{200, 400}, {190, 399}}}, false), (std::vector<Point>{{190, 399}}));
    EXPECT_EQ(collected({{{200, 400}, {200, 400}}}, false), (std::vector<Point>{{200, 400}}));
}

TEST(CeilingSimulation, KeepsAtMostThreeHundredCurvePoints) {
    CurvePoints curve;
    for (int i = 0; i < 40; ++i) {
        collectCurvePoints(curve, {100, 465 - 10 * i}, {101, 455 - 10 * i}, i == 0);
    }
    EXPECT_EQ(curve.count, kMaxCurvePoints);
    collectCurvePoints(curve, {100, 100}, {300, 90}, false);
    EXPECT_EQ(curve.count, kMaxCurvePoints);
}

TEST(CeilingSimulation, StartingResetsTheResults) {
    SessionState session;
    CeilingSimulation& c = session.ceiling;
    c.thermalTopFound = c.cloudBaseFound = c.sentenceDone = c.blueThermalDrawn = c.cloudBaseDrawn =
        1;
    c.cloudBaseX = c.cloudBaseY = 300;
    startCeilingSimulation(session, 31, -4);
    EXPECT_TRUE(session.sounding.simulationRequested);
    EXPECT_EQ(c.surfaceTemperature, 31);
    EXPECT_EQ(c.surfaceDewPoint, -4);
    EXPECT_EQ(c.thermalTopFound + c.cloudBaseFound + c.sentenceDone + c.blueThermalDrawn +
                  c.cloudBaseDrawn,
              0);
    EXPECT_EQ(c.cloudBaseX, 0);
    EXPECT_EQ(c.cloudBaseY, 0);
    EXPECT_EQ(ceilingResultSentence(session), "");
}

// Purpose: on a dry afternoon the thermal stops under the inversion, well
// below the condensation level: a blue thermal with its arrowheads and
// the sentence with "km/h." and the wind up there.
TEST(CeilingSimulation, DryAfternoonGivesABlueThermal) {
    const std::vector<SoundingRow> rows = test::dryAfternoonRows();
    auto session = test::soundingSession(rows);
    startCeilingSimulation(*session, 34, 5);
    RecordingCanvas canvas = draw(*session);
    const CeilingSimulation& c = session->ceiling;

    // Where the parcel's dry adiabat reaches the sounding's temperature.
    const double t0K = 30.0 + 273.16;
    const int theta = physics::parcelTheta(34, 600, t0K);
    double crossing = 0.0;
    for (double h = 650.0; h < 16000.0; h += 1.0) {
        if (physics::parcelTemperature(theta, h, t0K) <=
            physics::interpolated(rows, h, kTemperature)) {
            crossing = h;
            break;
        }
    }
    ASSERT_GT(crossing, 1600.0); // in the inversion
    ASSERT_LT(crossing, 2100.0);
    ASSERT_TRUE(c.thermalTopFound);
    EXPECT_NEAR(c.thermalTopHeight, crossing, 2 * 53.0);
    const std::string top =
        text::format1252("%.0f mts. %.0fºC", c.thermalTopHeight,
                         physics::parcelTemperature(theta, c.thermalTopHeight, t0K));
    EXPECT_EQ(c.thermalTopText, top);

    const int y = physics::stepY(c.thermalTopHeight, 600, 16500);
    expectArrowheadsAt(canvas, y);
    EXPECT_TRUE(hasMarker(canvas, y, 10));
    EXPECT_TRUE(c.blueThermalDrawn);
    EXPECT_FALSE(c.cloudBaseDrawn);
    EXPECT_TRUE(c.sentenceDone);
    EXPECT_TRUE(canvas.images.empty());

    const int speed = physics::windSpeedAt(rows, c.thermalTopHeight);
    const std::string sentence =
        text::cp1252("Simulación de techo para 34ºC y 5ºC de punto de rocío. Térmica azul: ") +
        top + text::format(". Viento: %d km/h. de Oeste", speed);
    const auto written = canvas.findText(sentence);
    ASSERT_TRUE(written) << text::toUtf8(sentence);
    EXPECT_EQ(written->x, 50);
    EXPECT_EQ(written->y, 10);
    EXPECT_EQ(written->colour, kSentenceColour);
    EXPECT_EQ(written->font, (Font{"Ms Sans Serif", 14, kSemiBoldWeight}));
    EXPECT_EQ(ceilingResultSentence(*session), sentence);
    EXPECT_EQ(c.ceilingWindDirection, 270);
    EXPECT_GT(segmentCount(canvas, kParcelPen), 100u);
    EXPECT_EQ(segmentCount(canvas, kMoisturePen),
              1u + 7u); // the moisture line, the marker and six arrow lines
}

// Purpose: a moist surface condenses low: the cumulus base with the cloud
// picture against the left panel's edge and the sentence with "km/h".
TEST(CeilingSimulation, MoistSurfaceGivesACumulusBaseWithThePicture) {
    const std::vector<SoundingRow> rows = test::moistMorningRows();
    auto session = test::soundingSession(rows);
    startCeilingSimulation(*session, 25, 20);
    RecordingCanvas canvas = draw(*session);
    const CeilingSimulation& c = session->ceiling;

    // The condensation level: the parcel cools to the dew point of the
    // surface's mixing ratio.
    const double t0K = 24.0 + 273.16;
    const int theta = physics::parcelTheta(25, 10, t0K);
    const double e = physics::saturation(20.0);
    const double w = 621.97 * e / (1012.0 - e);
    double lcl = 0.0;
    for (double h = 10.0; h < 5000.0; h += 1.0) {
        const double p = physics::standardPressure(h, t0K);
        if (physics::parcelTemperature(theta, h, t0K) <= physics::dewPoint(w * p / (621.97 + w))) {
            lcl = h;
            break;
        }
    }
    ASSERT_GT(lcl, 400.0);
    ASSERT_TRUE(c.cloudBaseFound);
    EXPECT_NEAR(c.cloudBaseHeight, lcl, 2 * 54.0);
    EXPECT_EQ(c.cloudBaseText,
              text::format1252("%.0f mts. %.0fºC", c.cloudBaseHeight,
                               physics::parcelTemperature(theta, c.cloudBaseHeight, t0K)));

    const int y = physics::stepY(c.cloudBaseHeight, 10, 16500);
    EXPECT_EQ(c.cloudBaseY, y);
    ASSERT_EQ(canvas.images.size(), 1u);
    EXPECT_EQ(canvas.images[0].name, "nube.png");
    EXPECT_EQ(canvas.images[0].left, 342);
    EXPECT_EQ(canvas.images[0].top, y - 23);
    EXPECT_EQ(canvas.images[0].right, 342 + 38);
    EXPECT_EQ(canvas.images[0].bottom, y - 23 + 28);
    expectArrowheadsAt(canvas, y);
    EXPECT_TRUE(hasMarker(canvas, y, 12));
    EXPECT_TRUE(c.cloudBaseDrawn);
    EXPECT_FALSE(c.blueThermalDrawn);

    const std::string sentence =
        text::cp1252(
            "Simulación de techo para 25ºC y 20ºC de punto de rocío. Base de los cúmulos: ") +
        c.cloudBaseText +
        text::format(". Viento: %d km/h de Sureste", physics::windSpeedAt(rows, c.cloudBaseHeight));
    ASSERT_TRUE(canvas.findText(sentence)) << text::toUtf8(sentence);
    EXPECT_EQ(canvas.findText(sentence)->colour, kSentenceColour);
    // The sentence is red; the text colour goes back to black after it.
    EXPECT_EQ(canvas.texts.back().text, sentence);
}

// Purpose: when printing, the picture's bottom-left corner sits on the base.
TEST(CeilingSimulation, PrintedPictureStandsOnTheBase) {
    auto session = test::soundingSession(test::moistMorningRows());
    startCeilingSimulation(*session, 25, 20);
    RecordingCanvas canvas = draw(*session, true);
    ASSERT_EQ(canvas.images.size(), 1u);
    const int bottom = static_cast<int>(session->ceiling.cloudBaseY * 1.07 * 1.07 * 1.07);
    EXPECT_EQ(canvas.images[0].left, 422); // 345 · 1.07³ = 422.6
    EXPECT_EQ(canvas.images[0].bottom, bottom);
    EXPECT_EQ(canvas.images[0].top, bottom - 28);
    EXPECT_EQ(canvas.images[0].right, 422 + 38);
}

// Purpose: zooming redraws the lines and markers in the new geometry, while
// the sentence keeps the wind computed for the request.
TEST(CeilingSimulation, ZoomKeepsTheSentencesWind) {
    for (const bool moist : {false, true}) {
        std::vector<SoundingRow> rows = moist ? test::moistMorningRows() : test::dryAfternoonRows();
        auto session = test::soundingSession(rows);
        startCeilingSimulation(*session, moist ? 25 : 34, moist ? 20 : 5);
        draw(*session);
        const std::string first = ceilingResultSentence(*session);
        const int speed = session->ceiling.ceilingWindSpeed;
        ASSERT_NE(first, "");

        // Winds that would change the sentence if it were computed again.
        for (SoundingRow& row : session->sounding.levels) {
            row[kWindSpeed] = 99.0f;
            row[kWindDirection] = 10.0f;
        }
        session->view.soundingZoom = true;
        RecordingCanvas zoomed = draw(*session);
        const CeilingSimulation& c = session->ceiling;
        EXPECT_EQ(c.ceilingWindSpeed, speed);
        const std::string again = ceilingResultSentence(*session);
        ASSERT_NE(again, "") << moist;
        EXPECT_TRUE(zoomed.findText(again)) << moist;
        EXPECT_NE(again.find(text::format("Viento: %d km/h", speed)), std::string::npos)
            << text::toUtf8(again);
        EXPECT_EQ(again.find("Norte"), std::string::npos);

        const double h0 = rows[0][kHeight];
        const double height = moist ? c.cloudBaseHeight : c.thermalTopHeight;
        const int y = physics::stepY(height, h0, 6000);
        expectArrowheadsAt(zoomed, y);
        if (moist) {
            ASSERT_EQ(zoomed.images.size(), 1u);
            EXPECT_EQ(zoomed.images[0].top, y - 23);
        }
    }
}

// Purpose: a new sounding ends the simulation; nothing of it is drawn again.
TEST(CeilingSimulation, NewSoundingClearsTheResult) {
    auto session = test::soundingSession(test::moistMorningRows());
    startCeilingSimulation(*session, 25, 20);
    draw(*session);
    ASSERT_NE(ceilingResultSentence(*session), "");

    session->releaseSoundingRows();
    const std::vector<SoundingRow> rows = test::dryAfternoonRows();
    session->sounding.levels = rows;
    session->sounding.count = static_cast<int>(rows.size());
    session->sounding.rowsAllocated = true;
    RecordingCanvas canvas = draw(*session);
    EXPECT_FALSE(session->sounding.simulationRequested);
    EXPECT_EQ(segmentCount(canvas, kMoisturePen), 0u);
    EXPECT_EQ(segmentCount(canvas, kParcelPen), 0u);
    EXPECT_TRUE(canvas.images.empty());
    EXPECT_FALSE(canvas.findTextContaining(text::cp1252("Simulación")));
    EXPECT_EQ(ceilingResultSentence(*session), "");
}

// Purpose: without a temperature curve inside the panel there is nothing to
// compare the parcel with: no marker, no sentence, the moisture line stays.
TEST(CeilingSimulation, NoCurvePointsFindNothing) {
    std::vector<SoundingRow> rows = test::moistMorningRows();
    for (SoundingRow& row : rows) {
        row[kTemperature] = 90.0f; // off the right edge everywhere
    }
    for (const int extraRows : {0, 1}) {
        if (extraRows) {
            rows[1][kTemperature] = 24.0f; // only the segment from the ground: one point
            rows[0][kTemperature] = 24.0f;
        }
        auto session = test::soundingSession(rows);
        startCeilingSimulation(*session, 25, 20);
        RecordingCanvas canvas = draw(*session);
        const CeilingSimulation& c = session->ceiling;
        EXPECT_FALSE(c.thermalTopFound);
        EXPECT_FALSE(c.cloudBaseFound);
        EXPECT_FALSE(c.sentenceDone);
        EXPECT_EQ(segmentCount(canvas, kMoisturePen), 1u);
        EXPECT_EQ(segmentCount(canvas, kParcelPen), 0u);
        EXPECT_FALSE(canvas.findTextContaining(text::cp1252("Simulación")));
    }
}

// Purpose: the ceiling does not depend on the screen. The simulation runs on
// the full diagram's design geometry whatever the zoom, the window's screen or
// the output, so every way of showing a sounding quotes one result.
TEST(CeilingSimulation, SameResultWhateverTheZoomAndTheScreen) {
    struct Inputs {
        const char* name;
        std::unique_ptr<SessionState> (*make)();
        int temperature, dewPoint;
    };
    const Inputs inputs[] = {
        {"dry", [] { return test::soundingSession(test::dryAfternoonRows()); }, 34, 5},
        {"moist", [] { return test::soundingSession(test::moistMorningRows()); }, 25, 20},
        {"Murcia blue", [] { return test::secondServiceSession(); }, 36, 12},
        {"Murcia cumulus", [] { return test::secondServiceSession(); }, 36, 18},
    };
    struct Screen {
        int width, height, dpi;
        double drawScale;
    };
    const Screen screens[] = {{800, 600, 96, 1.0}, {1280, 720, 96, 0.96}, {1920, 1080, 120, 0.96}};
    for (const Inputs& in : inputs) {
        std::string first;
        double firstHeight = -1.0;
        for (const bool zoom : {false, true}) {
            for (const Screen& screen : screens) {
                auto session = in.make();
                session->view.soundingZoom = zoom;
                session->view.drawScale = screen.drawScale;
                startCeilingSimulation(*session, in.temperature, in.dewPoint);
                RecordingCanvas canvas(screen.width, screen.height, screen.dpi);
                ASSERT_TRUE(test::drawSounding(canvas, *session));
                const std::string sentence = ceilingResultSentence(*session);
                const CeilingSimulation& c = session->ceiling;
                ASSERT_NE(sentence, "") << in.name;
                EXPECT_TRUE(canvas.findText(sentence)) << in.name << " zoom " << zoom;
                if (firstHeight < 0.0) {
                    first = sentence;
                    firstHeight = c.ceilingHeight;
                }
                EXPECT_EQ(sentence, first) << in.name << " zoom " << zoom << " " << screen.width;
                EXPECT_EQ(c.ceilingHeight, firstHeight) << in.name << " zoom " << zoom;
            }
        }
    }
}

// Purpose: on the zoomed diagram a ceiling above its 6000 m top keeps its
// sentence, but no mark is drawn outside the panel.
TEST(CeilingSimulation, ZoomedCeilingAboveTheTopKeepsOnlyTheSentence) {
    const std::vector<SoundingRow> rows = test::moistMorningRows();
    CeilingSimulation state;
    state.surfaceTemperature = 25;
    state.surfaceDewPoint = 20;
    CeilingPicture full;
    full.simulated = true;
    full.sentence = "frase";
    const double t0K = rows[0][kTemperature] + 273.16;
    const CeilingGeometry zoomed{soundingGeometry(rows[0][kHeight], true), rows, t0K,
                                 rows[0][kPressure], true};
    for (const double height : {2000.0, 7000.0}) {
        for (const auto mark : {CeilingPicture::Mark::ThermalTop, CeilingPicture::Mark::CloudBase}) {
            full.mark = mark;
            state.thermalTopHeight = state.cloudBaseHeight = height;
            const CeilingPicture placed = placeCeiling(state, full, zoomed, 200);
            EXPECT_EQ(placed.sentence, "frase");
            EXPECT_EQ(placed.mark, mark);
            EXPECT_EQ(placed.markShown, height < 6000.0) << height;
            EXPECT_EQ(placed.markAt.y, physics::stepY(height, rows[0][kHeight], 6000)) << height;
        }
    }
}

} // namespace
} // namespace brisalta
