// DrawSounding: the sounding diagram, step by step in the order the picture
// is layered (humidity behind everything, curves on top) and the ceiling
// simulation expects (curve points before its first half).
#include "diagram/soundingdiagram.h"

#include "session/numeric.h"
#include "diagram/ceilingsimulation.h"
#include "diagram/designpainter.h"
#include "diagram/soundinggeometry.h"
#include "diagram/soundinggrid.h"
#include "diagram/soundinglevels.h"
#include "diagram/soundingstyle.h"
#include "diagram/soundingtitle.h"
#include "thermo/thermodynamics.h"
#include "thermo/windprofile.h"
#include "text/codepage.h"
#include "text/format.h"

#include <algorithm>
#include <array>
#include <span>

namespace brisalta {
namespace {

using namespace soundingstyle;

ViewFlags soundingCommands(const SessionState& session) {
    ViewFlags v;
    v.tableEnabled = true;
    v.cloudsEnabled = false;
    v.qnhEnabled = false;
    v.ceilingEnabled = true;
    v.swapEnabled = session.view.graphAvailable;
    v.printEnabled = true;
    v.saveAsEnabled = true;
    v.statsEnabled = false;
    v.zoomEnabled = true;
    return v;
}

// The rows there really are: count never promises more than levels holds.
std::span<const SoundingRow> drawnRows(const SoundingProfile& sounding) {
    const std::size_t count = static_cast<std::size_t>(std::max(0, sounding.count));
    return std::span<const SoundingRow>(sounding.levels.data(),
                                        std::min(count, sounding.levels.size()));
}

struct Fonts {
    Font title;
    Font axis;
    Font level;
};

void drawFrame(DesignPainter& p, int left, int right) {
    p.line(left, kPanelTop, left, kPanelBottom);
    p.line(left, kPanelTop, right, kPanelTop);
    p.line(left, kPanelBottom, right, kPanelBottom);
    p.line(right, kPanelTop, right, kPanelBottom);
}

// The relative humidity as an area from the left edge: one point a row (never
// above the top edge), then down the left edge and back to row 0.
std::vector<Point> humidityOutline(std::span<const SoundingRow> rows, const SoundingGeometry& g) {
    std::vector<Point> points;
    points.reserve(rows.size() + 3);
    for (const SoundingRow& row : rows) {
        const int y = std::max(kPanelTop, g.rowY(row[kHeight]));
        points.push_back(Point{kSkewLeft + clampDevice(3.0f * row[kHumidity]), y});
    }
    points.push_back(Point{kSkewLeft, points.back().y});
    points.push_back(Point{kSkewLeft, kPanelBottom});
    points.push_back(Point{points.front().x, kPanelBottom});
    return points;
}

void drawScales(DesignPainter& p, bool zoomed, int step) {
    DrawingCanvas& c = p.canvas();
    c.setTextColor(kHumidityScaleColour);
    p.text(376, 45, "%");
    for (int k = 0; k <= 10; ++k) {
        p.line(80 + 30 * k, 82, 80 + 30 * k, 88);
        p.text(67 + 30 * k, 60, text::format("%3d", 10 * k));
    }

    c.setTextColor(kTemperatureColour);
    p.text(343, 484, text::cp1252("ºC"));
    const int lowest = zoomed ? -10 : -30;
    for (int k = 0; k <= 9; ++k) {
        p.line(80 + 30 * k, 462, 80 + 30 * k, 468);
        p.text(67 + 30 * k, 470, text::format("%3d", lowest + 10 * k));
    }

    drawFrame(p, kWindLeft, kWindRight);

    c.setTextColor(kDirectionColour);
    static constexpr std::array<const char*, 8> kDirections = {"S", "SO", "O", "NO",
                                                               "N", "NE", "E", "SE"};
    for (int k = 0; k < 8; ++k) {
        p.text(460 + 38 * k, 60, kDirections[static_cast<std::size_t>(k)]);
        p.line(465 + 38 * k, 85, 465 + 38 * k, 468);
    }
    p.text(764, 60, "S");

    c.setTextColor(kSpeedColour);
    p.text(743, 482, "km/h");
    for (int k = 0; k <= 8; ++k) {
        p.text(465 + 36 * k, 470, text::format("%lld", static_cast<long long>(k) * step));
    }
}

void drawLevelMarks(DesignPainter& p, const std::vector<LevelMark>& marks) {
    for (const LevelMark& m : marks) {
        if (m.pressureLabels) {
            const std::string pressure = text::format("%4d", m.pressure);
            p.text(40, m.y - 7, pressure);
            p.text(775, m.y - 7, pressure);
        }
        if (m.heightLabel) {
            p.text(400, m.y - 7, text::format("%5d", m.height));
        }
        if (m.lines) {
            p.line(kSkewLeft, m.y, kSkewRight, m.y);
            p.line(kWindLeft, m.y, kWindRight, m.y);
        }
    }
}

// Mixing ratios of the grid (g/kg) and their labels; the two driest lines
// crowd the zoomed diagram and are left out there.
struct MixingRatio {
    int grams;
    const char* label;
};
constexpr std::array<MixingRatio, 7> kMixingRatios = {{
    {1, "1"},
    {2, "2"},
    {3, "3"},
    {5, "5"},
    {10, "10"},
    {20, "20"},
    {30, "30 g/kg"},
}};

void drawMixingRatioLines(DesignPainter& p, std::span<const SoundingRow> rows,
                          const SoundingGeometry& g, bool zoomed) {
    p.canvas().selectPen(kMixingPen);
    p.canvas().setTextColor(kMixingColour);
    for (const MixingRatio& w : kMixingRatios) {
        if (zoomed && w.grams <= 2) {
            continue;
        }
        const auto line = mixingRatioLine(w.grams, rows, g);
        if (!line) {
            continue;
        }
        p.line(line->from, line->to);
        p.line(line->from.x, line->from.y, line->from.x, line->from.y + 5);
        p.text(line->from.x - 4, line->from.y + 20, w.label);
    }
}

// Isotherms every 10 °C at 45°, the 0 °C one in red.
void drawIsotherms(DesignPainter& p, bool zoomed) {
    const int freezing = zoomed ? 1 : 3;
    for (int k = 0; k <= 9; ++k) {
        p.canvas().selectPen(k == freezing ? kFreezingPen : kFramePen);
        p.line(80 + 30 * k, 465, 380, 165 + 30 * k);
    }
    p.canvas().selectPen(kFramePen);
    p.line(80, 435, 380, 135);
    p.line(80, 405, 380, 105);
    for (int m = 0; m <= 9; ++m) {
        p.line(80, 375 - 30 * m, 370 - 30 * m, 85);
    }
}

bool curveSegmentInside(Point a, Point b) {
    const auto inside = [](Point q) {
        return q.x > kSkewLeft && q.x < kSkewRight && q.y > kPanelTop && q.y <= kPanelBottom;
    };
    return inside(a) && inside(b);
}

// The segments of the temperature (or dew-point) curve from row to row that lie
// inside the panel, in design units, lowest first; `visit(a, b, fromLowestRow)`
// gets each one.
template <typename Visit>
void forEachCurveSegment(std::span<const SoundingRow> rows, const SoundingGeometry& g, int column,
                         Visit visit) {
    const auto pointOf = [&](const SoundingRow& row) {
        const int y = g.rowY(row[kHeight]);
        return Point{g.curveX(row[static_cast<std::size_t>(column)], y), y};
    };
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
        const Point a = pointOf(rows[i]);
        const Point b = pointOf(rows[i + 1]);
        if (curveSegmentInside(a, b)) {
            visit(a, b, i == 0);
        }
    }
}

void drawCurve(DesignPainter& p, std::span<const SoundingRow> rows, const SoundingGeometry& g,
               int column, const Pen& pen) {
    p.canvas().selectPen(pen);
    forEachCurveSegment(rows, g, column, [&](Point a, Point b, bool) { p.line(a, b); });
}

void drawWind(DesignPainter& p, std::span<const SoundingRow> rows, const SoundingGeometry& g,
              int step, bool knots) {
    p.canvas().selectPen(kDirectionPen);
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
        const DirectionSegment d =
            directionSegment(rows[i][kWindDirection], rows[i + 1][kWindDirection]);
        const int y1 = g.rowY(rows[i][kHeight]);
        const int y2 = g.rowY(rows[i + 1][kHeight]);
        if (d.drawable && d.x1 < kWindRight && d.x2 < kWindRight && y1 > kPanelTop &&
            y2 > kPanelTop) {
            p.line(d.x1, y1, d.x2, y2);
        }
    }

    p.canvas().selectPen(kSpeedPen);
    const double factor = knots ? kKnotsToKmh : 1.0;
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
        const int x1 = speedX(rows[i][kWindSpeed] * factor, step);
        const int x2 = speedX(rows[i + 1][kWindSpeed] * factor, step);
        const int y1 = g.rowY(rows[i][kHeight]);
        const int y2 = g.rowY(rows[i + 1][kHeight]);
        if (x1 < kWindRight && x2 < kWindRight && y1 > kPanelTop && y2 > kPanelTop) {
            p.line(x1, y1, x2, y2);
        }
    }
}

// The design points of the temperature curve the parcel is compared with.
CurvePoints temperatureCurvePoints(std::span<const SoundingRow> rows, const SoundingGeometry& g) {
    CurvePoints curve;
    forEachCurveSegment(rows, g, kTemperature, [&](Point a, Point b, bool fromLowestRow) {
        collectCurvePoints(curve, a, b, fromLowestRow);
    });
    return curve;
}

void copyIntoMirror(SoundingProfile& sounding, std::span<const SoundingRow> rows) {
    const std::size_t n = std::min(rows.size(), sounding.mirror.size());
    std::copy_n(rows.begin(), n, sounding.mirror.begin());
}

struct Frame {
    SoundingGeometry geometry;
    int windStep = 1;
    double t0Kelvin = 0.0;
    double p0 = 0.0;
};

Frame frameOf(std::span<const SoundingRow> rows, bool zoomed, bool knots) {
    Frame f;
    f.geometry = soundingGeometry(rows[0][kHeight], zoomed);
    f.windStep = windSpeedStep(rows, knots);
    f.t0Kelvin = rows[0][kTemperature] + kKelvinOffset;
    f.p0 = rows[0][kPressure];
    return f;
}

} // namespace

std::string invalidSoundingMessage() {
    return text::cp1252("El sondeo elegido no contiene datos válidos");
}

SoundingModel prepareSounding(const SessionState& session, CeilingSimulation& ceiling) {
    SoundingModel m;
    m.commands = soundingCommands(session);
    const SoundingProfile& sounding = session.sounding;
    const std::span<const SoundingRow> rows = drawnRows(sounding);
    // A sounding without a single row has nothing to say either.
    if (!session.view.soundingShown || rows.empty()) {
        return m;
    }
    m.drawable = true;
    m.rows.assign(rows.begin(), rows.end());
    m.zoomed = session.view.soundingZoom;
    m.knots = speedsInKnots(sounding);
    m.source = static_cast<int>(soundingSource(sounding));
    m.partialFirstRow = sounding.partialFirstRow;
    // The title was fixed by the first drawing of these rows; the selection may
    // name another station or date since (a pick, a failed fetch).
    m.diagramTitle =
        sounding.diagramTitle.empty() ? soundingTitle(session) : sounding.diagramTitle;

    if (sounding.simulationRequested) {
        // The ceiling is worked out on the full diagram's design geometry,
        // whatever the zoom, and the zoomed diagram draws that same result.
        const Frame full = frameOf(rows, false, m.knots);
        if (full.geometry.valid()) {
            const CurvePoints curve = temperatureCurvePoints(rows, full.geometry);
            const CeilingGeometry geometry{full.geometry, rows, full.t0Kelvin, full.p0, m.knots};
            m.ceiling = simulateCeiling(ceiling, geometry, curve);
        }
        const Frame shown = frameOf(rows, m.zoomed, m.knots);
        if (m.zoomed && shown.geometry.valid()) {
            const CurvePoints curve = temperatureCurvePoints(rows, shown.geometry);
            const CeilingGeometry geometry{shown.geometry, rows, shown.t0Kelvin, shown.p0, m.knots};
            m.ceiling = placeCeiling(ceiling, m.ceiling, geometry, curve.count);
        } else if (m.zoomed) {
            m.ceiling = CeilingPicture{};
        }
    }
    return m;
}

void applySoundingModel(SessionState& session, const SoundingModel& model,
                        const CeilingSimulation& ceiling) {
    session.view.commands = model.commands;
    if (!model.drawable) {
        return;
    }
    session.sounding.diagramTitle = model.diagramTitle;
    session.ceiling = ceiling;
    copyIntoMirror(session.sounding, model.rows);
}

void paintSounding(DrawingCanvas& canvas, const SoundingModel& model, const PageMapping& mapping) {
    if (!model.drawable) {
        return;
    }
    const std::span<const SoundingRow> rows(model.rows);
    const bool zoomed = model.zoomed;
    const Frame frame = frameOf(rows, zoomed, model.knots);
    const SoundingGeometry& g = frame.geometry;

    const GraphFactors f =
        soundingFactors(canvas.deviceCaps(DeviceCap::HorizontalResolution),
                        canvas.deviceCaps(DeviceCap::VerticalResolution),
                        canvas.deviceCaps(DeviceCap::LogicalPixelsPerInch), mapping);
    const Fonts fonts{titleFont(f.fontScale()), axisFont(f.fontScale()), levelFont(f.fontScale())};
    canvas.setMapping(mapping.mapping);
    canvas.saveState();
    DesignPainter p(canvas, f);
    canvas.selectPen(kFramePen);
    canvas.selectFont(fonts.title);

    p.text(50, 30, model.diagramTitle);

    canvas.selectFont(fonts.axis);
    p.text(48, 60, "mb");
    p.text(780, 60, "mb");
    p.text(402, 46, "Altura");
    p.text(408, 60, "(m)");

    drawFrame(p, kSkewLeft, kSkewRight);

    // With the lowest row at or above the top of the scale there is no height
    // to draw on: the frames and scales stay, the data are left out.
    std::vector<Point> humidity;
    if (g.valid()) {
        humidity = humidityOutline(rows, g);
        canvas.selectBrush(kHumidityBrush);
        canvas.polygon(p.device(humidity));
    }

    drawScales(p, zoomed, frame.windStep);

    if (g.valid()) {
        canvas.selectPen(kLevelPen);
        canvas.selectFont(fonts.level);
        canvas.setTextColor(kBlack);
        drawLevelMarks(p, levelMarks(rows, g, static_cast<SoundingSource>(model.source), zoomed));
        if (!model.partialFirstRow) {
            p.text(400, 468, text::format("%5d", truncToInt(rows[0][kHeight])));
            const std::string pressure = text::format("%4d", truncToInt(rows[0][kPressure]));
            p.text(40, 464, pressure);
            p.text(775, 464, pressure);
        }

        canvas.selectPen(kFramePen);
        humidity.resize(humidity.size() - 1);
        canvas.polyline(p.device(humidity));

        canvas.selectPen(kAdiabatPen);
        for (int theta = -20; theta <= 60; theta += 10) {
            for (const DesignSegment& s : dryAdiabatSegments(theta, g, frame.t0Kelvin)) {
                p.line(s.from, s.to);
            }
        }

        drawMixingRatioLines(p, rows, g, zoomed);
    }

    drawIsotherms(p, zoomed);

    if (g.valid()) {
        drawCurve(p, rows, g, kTemperature, kTemperaturePen);
        paintCeilingLines(p, model.ceiling);
        drawCurve(p, rows, g, kDewPoint, kDewPointPen);
        paintCeilingResult(p, model.ceiling, fonts.title, mapping.mapping == Mapping::Print);
        drawWind(p, rows, g, frame.windStep, model.knots);
    }

    canvas.restoreState();
}

} // namespace brisalta
