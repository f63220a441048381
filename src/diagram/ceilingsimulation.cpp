// The thermal-ceiling simulation: parcel, moisture line, thermal top, cumulus
// base, the wind at the ceiling and the result drawn on the diagram.
#include "diagram/ceilingsimulation.h"

#include "session/numeric.h"
#include "diagram/soundinggrid.h"
#include "diagram/soundingstyle.h"
#include "thermo/thermodynamics.h"
#include "thermo/windprofile.h"
#include "weather/derived.h"
#include "text/format.h"

#include <cstdlib>
#include <utility>
#include <vector>

namespace brisalta {
namespace {

// A steep segment gets one point per 1.2666… units of rise: 380 units of
// height over 300 grid steps.
constexpr double kRisePerPoint = 1.2666666666666666;

std::string heightAndTemperature(double heightMetres, double celsius) {
    return text::format1252("%.0f mts. %.0fºC", heightMetres, celsius);
}

// The dry adiabat of the parcel at grid step j.
struct ParcelPoint {
    Point at;
    double height = 0.0;      // m
    double temperature = 0.0; // °C
};

std::vector<ParcelPoint> parcelPath(int theta, int count, const CeilingGeometry& frame) {
    std::vector<ParcelPoint> path;
    path.reserve(static_cast<std::size_t>(count));
    const SoundingGeometry& g = frame.geometry;
    for (int j = 0; j < count; ++j) {
        ParcelPoint p;
        p.height = g.stepHeight(j);
        const int y = g.stepY(p.height);
        p.temperature = dryAdiabatTemperature(theta, standardPressure(p.height, frame.t0Kelvin)) -
                        kKelvinOffset;
        p.at = Point{g.adiabatX(p.temperature, y), y};
        path.push_back(p);
    }
    return path;
}

bool parcelSegmentInside(Point a, Point b) {
    const auto inside = [](Point p) {
        return p.x > kSkewLeft && p.x < kSkewRight && p.y > kPanelTop && p.y <= kPanelBottom;
    };
    return inside(a) && inside(b);
}

void recordThermalTop(CeilingSimulation& c, const ParcelPoint& p) {
    c.thermalTopText = heightAndTemperature(p.height, p.temperature);
    c.thermalTopFound = true;
    c.thermalTopHeight = p.height;
    c.thermalTopX = p.at.x;
    c.thermalTopY = p.at.y;
}

// Where the parcel meets the temperature curve: the first exact meeting wins;
// until there is one, the first point one unit beside the curve stands in.
void searchThermalTop(CeilingSimulation& c, const std::vector<ParcelPoint>& path,
                      const CurvePoints& curve) {
    bool exact = false;
    bool near = false;
    const int last = curve.count - 1;
    for (int j = 0; j < last; ++j) {
        const Point p = path[static_cast<std::size_t>(j)].at;
        for (int k = 0; k < last; ++k) {
            const Point q = curve.points[static_cast<std::size_t>(k)];
            if (p.x == q.x && !exact && p.y == q.y) {
                recordThermalTop(c, path[static_cast<std::size_t>(j)]);
                exact = true;
            } else if (std::abs(p.x - q.x) == 1 && std::abs(p.y - q.y) <= 2 && !near && !exact) {
                recordThermalTop(c, path[static_cast<std::size_t>(j)]);
                near = true;
            }
        }
    }
}

// Where the parcel reaches the surface mixing ratio: the dry adiabat comes
// within two units of the moisture line. Approaching from the warm side the
// cases two and one unit away are taken once each, an exact meeting ends the
// search, and the cases past the line only count while nothing nearer did.
bool searchCloudBase(CeilingSimulation& c, const std::vector<ParcelPoint>& path, int count,
                     double mixingRatio, const CeilingGeometry& frame) {
    const SoundingGeometry& g = frame.geometry;
    bool recorded = false;
    bool caseA = false;
    bool caseB = false;
    bool exact = false;
    for (int j = 0; j + 1 < count; ++j) {
        const ParcelPoint& p = path[static_cast<std::size_t>(j)];
        const int y = p.at.y;
        const double dewPoint =
            dewPointOf(vapourPressureOf(mixingRatio, standardPressure(p.height, frame.t0Kelvin)));
        const int xm = g.lineX(dewPoint, y);
        const int xd = p.at.x;
        if (xm < kSkewLeft || xm > kSkewRight || y < kPanelTop + 1 || y > kPanelBottom ||
            xm < xd - 2 || xm > xd + 2 || exact) {
            continue;
        }
        c.cloudBaseFound = true;
        bool record = false;
        if (xm == xd - 2) {
            record = !caseA;
            caseA = true;
        } else if (xm == xd - 1) {
            record = !caseB;
            caseB = true;
        } else if (xm == xd) {
            record = true;
            exact = true;
        } else if (xm == xd + 1) {
            record = !caseB;
        } else {
            record = !caseA && !caseB;
        }
        if (record) {
            c.cloudBaseX = xm;
            c.cloudBaseY = y;
            c.cloudBaseText = heightAndTemperature(p.height, p.temperature);
            c.cloudBaseHeight = p.height;
            recorded = true;
        }
    }
    return recorded;
}

bool thermalTopBelowBase(const CeilingSimulation& c) {
    return c.thermalTopY > c.cloudBaseY && c.thermalTopFound;
}

// The wind at the ceiling, computed once per request.
void chooseCeiling(CeilingSimulation& c, const CeilingGeometry& frame) {
    if (thermalTopBelowBase(c)) {
        c.ceilingHeight = c.thermalTopHeight;
    } else if (c.cloudBaseFound) {
        c.ceilingHeight = c.cloudBaseHeight;
    } else {
        return;
    }
    const WindAtHeight wind =
        windAtHeight(c.ceilingHeight, frame.rows, frame.knots,
                     WindAtHeight{c.ceilingWindSpeed, c.ceilingWindDirection});
    c.ceilingWindSpeed = wind.speed;
    c.ceilingWindDirection = wind.direction;
    c.ceilingWindDirectionName = std::string(directionName(wind.direction));
}

// The marker on the ceiling and two arrowheads pointing at the panels.
void drawCeilingMarks(DesignPainter& painter, int x, int y, int halfWidth) {
    painter.line(x - halfWidth, y, x + halfWidth, y);
    painter.line(kSkewRight, y, kSkewRight + 12, y);
    painter.line(kSkewRight, y, kSkewRight + 5, y - 3);
    painter.line(kSkewRight, y, kSkewRight + 5, y + 3);
    painter.line(kWindLeft, y, kWindLeft - 12, y);
    painter.line(kWindLeft, y, kWindLeft - 5, y - 3);
    painter.line(kWindLeft, y, kWindLeft - 5, y + 3);
}

// The picture sits against the right edge of the left panel at the base: on
// screen its top-left corner at (342, base − 23) in pixels of its own size;
// on paper its bottom-left corner at (345, base), 38 × 28 hundredths of an inch.
void drawCloudPicture(DesignPainter& painter, int cloudBaseY, bool printing) {
    int left = 0;
    int top = 0;
    if (printing) {
        left = painter.factors().x(345);
        top = painter.factors().y(cloudBaseY) - kCloudPictureHeight;
    } else {
        left = painter.factors().x(342);
        top = painter.factors().y(cloudBaseY - 23);
    }
    painter.canvas().drawImage(left, top, left + kCloudPictureWidth, top + kCloudPictureHeight,
                               kCloudPictureName);
}

std::string thermalSentence(const CeilingSimulation& c) {
    return text::format1252("Simulación de techo para %dºC y %dºC de punto de rocío. Térmica azul: "
                            "%s. Viento: %d km/h. de %s",
                            c.surfaceTemperature, c.surfaceDewPoint, c.thermalTopText.c_str(),
                            c.ceilingWindSpeed, c.ceilingWindDirectionName.c_str());
}

std::string cumulusSentence(const CeilingSimulation& c) {
    return text::format1252("Simulación de techo para %dºC y %dºC de punto de rocío. Base de los "
                            "cúmulos: %s. Viento: %d km/h de %s",
                            c.surfaceTemperature, c.surfaceDewPoint, c.cloudBaseText.c_str(),
                            c.ceilingWindSpeed, c.ceilingWindDirectionName.c_str());
}

std::string tooColdSentence(const CeilingSimulation& c) {
    return text::format1252("Simulación de techo para %dºC y %dºC de punto de rocío: el aire del "
                            "suelo está más frío que el nivel más bajo del sondeo; no hay "
                            "térmicas.",
                            c.surfaceTemperature, c.surfaceDewPoint);
}

void writeSentence(DesignPainter& painter, const std::string& sentence) {
    painter.canvas().setTextColor(soundingstyle::kSentenceColour);
    painter.text(50, 10, sentence);
    painter.canvas().setTextColor(soundingstyle::kBlack);
}

DesignPoint designPoint(Point p) { return DesignPoint{p.x, p.y}; }
Point pointOf(DesignPoint p) { return Point{p.x, p.y}; }

} // namespace

void collectCurvePoints(CurvePoints& curve, Point from, Point to, bool fromLowestRow) {
    if (curve.count >= kMaxCurvePoints) {
        return;
    }
    if (fromLowestRow) {
        curve.add(from);
        return;
    }
    const double dx = static_cast<double>(to.x) - from.x;
    const double rise = static_cast<double>(from.y) - to.y;
    const double d = dx < rise ? rise / kRisePerPoint : dx;
    const double n = roundToDecimals(d, 2);
    if (n >= 1.0) {
        const int parts = truncToInt(n);
        for (int k = 0; k <= parts && curve.count < kMaxCurvePoints; ++k) {
            if (k == 0) {
                curve.add(from);
            } else {
                const int x = truncToInt(roundToDecimals(from.x + dx * k / n, 0));
                const int y = truncToInt(from.y - rise * k / n);
                curve.add(Point{x, y});
            }
        }
    } else {
        curve.add(to);
    }
}

CeilingPicture simulateCeiling(CeilingSimulation& c, const CeilingGeometry& frame,
                               const CurvePoints& curve) {
    CeilingPicture picture;
    if (!frame.geometry.valid()) {
        return picture;
    }
    picture.simulated = true;
    // Positions belong to this preparation's geometry: a thermal top found on
    // the zoomed diagram must not be compared with a base found on the full one.
    c.thermalTopX = c.thermalTopY = 0;
    c.cloudBaseX = c.cloudBaseY = 0;

    const double mixingRatio = mixingRatioOf(saturationVapourPressure(c.surfaceDewPoint), frame.p0);
    if (const auto line = moistureLine(mixingRatio, frame.rows, frame.geometry)) {
        picture.moistureLine = std::make_pair(designPoint(line->from), designPoint(line->to));
    }

    const int theta =
        surfacePotentialTemperature(c.surfaceTemperature, frame.geometry.h0, frame.t0Kelvin);
    const int count = curve.count;
    const std::vector<ParcelPoint> path = parcelPath(theta, count, frame);
    for (int j = 0; j + 1 < count; ++j) {
        const Point a = path[static_cast<std::size_t>(j)].at;
        const Point b = path[static_cast<std::size_t>(j + 1)].at;
        if (parcelSegmentInside(a, b)) {
            picture.parcelSegments.emplace_back(designPoint(a), designPoint(b));
        }
    }
    // A parcel that leaves the ground colder than the lowest level's air does
    // not rise: whatever the dry adiabat would meet if it were lifted is no
    // thermal and no cumulus, and is not shown as one.
    c.parcelTooCold = !path.empty() && path.front().temperature < frame.t0Kelvin - kKelvinOffset;
    if (c.parcelTooCold) {
        c.thermalTopFound = false;
        c.cloudBaseFound = false;
        picture.sentence = tooColdSentence(c);
        return picture;
    }
    searchThermalTop(c, path, curve);

    const bool baseRecorded = searchCloudBase(c, path, count, mixingRatio, frame);
    if (!c.sentenceDone) {
        chooseCeiling(c, frame);
    }

    // Once one kind of result has been shown, the other is not shown for the
    // same request.
    if (thermalTopBelowBase(c) && !c.cloudBaseDrawn) {
        picture.mark = CeilingPicture::Mark::ThermalTop;
        picture.markAt = DesignPoint{c.thermalTopX, c.thermalTopY};
        picture.sentence = thermalSentence(c);
        c.sentenceDone = true;
        c.blueThermalDrawn = true;
    } else if (c.cloudBaseFound && !c.blueThermalDrawn) {
        picture.mark = CeilingPicture::Mark::CloudBase;
        picture.markAt = DesignPoint{c.cloudBaseX, c.cloudBaseY};
        picture.cloudPicture = baseRecorded;
        picture.sentence = cumulusSentence(c);
        c.sentenceDone = true;
        c.cloudBaseDrawn = true;
    }
    return picture;
}

CeilingPicture placeCeiling(const CeilingSimulation& c, const CeilingPicture& full,
                            const CeilingGeometry& frame, int curveCount) {
    CeilingPicture picture;
    if (!full.simulated || !frame.geometry.valid()) {
        return picture;
    }
    picture.simulated = true;
    picture.mark = full.mark;
    picture.sentence = full.sentence;
    picture.cloudPicture = full.cloudPicture;

    const SoundingGeometry& g = frame.geometry;
    const double mixingRatio = mixingRatioOf(saturationVapourPressure(c.surfaceDewPoint), frame.p0);
    if (const auto line = moistureLine(mixingRatio, frame.rows, g)) {
        picture.moistureLine = std::make_pair(designPoint(line->from), designPoint(line->to));
    }
    const int theta = surfacePotentialTemperature(c.surfaceTemperature, g.h0, frame.t0Kelvin);
    const std::vector<ParcelPoint> path = parcelPath(theta, curveCount, frame);
    for (int j = 0; j + 1 < curveCount; ++j) {
        const Point a = path[static_cast<std::size_t>(j)].at;
        const Point b = path[static_cast<std::size_t>(j + 1)].at;
        if (parcelSegmentInside(a, b)) {
            picture.parcelSegments.emplace_back(designPoint(a), designPoint(b));
        }
    }

    // The ceiling found on the full diagram, at this diagram's height scale.
    const auto placeAt = [&](double height, int x) {
        const int y = g.stepY(height);
        picture.markAt = DesignPoint{x, y};
        picture.markShown = y >= kPanelTop;
    };
    const auto yAt = [&](double height) { return g.stepY(height); };
    switch (full.mark) {
    case CeilingPicture::Mark::ThermalTop: {
        const double t =
            dryAdiabatTemperature(theta, standardPressure(c.thermalTopHeight, frame.t0Kelvin)) -
            kKelvinOffset;
        placeAt(c.thermalTopHeight, g.adiabatX(t, yAt(c.thermalTopHeight)));
        break;
    }
    case CeilingPicture::Mark::CloudBase: {
        const double dewPoint = dewPointOf(
            vapourPressureOf(mixingRatio, standardPressure(c.cloudBaseHeight, frame.t0Kelvin)));
        placeAt(c.cloudBaseHeight, g.lineX(dewPoint, yAt(c.cloudBaseHeight)));
        break;
    }
    case CeilingPicture::Mark::None:
        break;
    }
    return picture;
}

void paintCeilingLines(DesignPainter& painter, const CeilingPicture& ceiling) {
    if (!ceiling.simulated) {
        return;
    }
    if (ceiling.moistureLine) {
        painter.canvas().selectPen(soundingstyle::kMoisturePen);
        painter.line(pointOf(ceiling.moistureLine->first), pointOf(ceiling.moistureLine->second));
    }
    painter.canvas().selectPen(soundingstyle::kParcelPen);
    for (const auto& [a, b] : ceiling.parcelSegments) {
        painter.line(pointOf(a), pointOf(b));
    }
}

void paintCeilingResult(DesignPainter& painter, const CeilingPicture& ceiling,
                        const Font& titleFont, bool printing) {
    if (!ceiling.simulated) {
        return;
    }
    DrawingCanvas& canvas = painter.canvas();
    canvas.selectPen(soundingstyle::kMoisturePen);
    canvas.selectFont(titleFont);
    canvas.setTextColor(soundingstyle::kBlack);
    switch (ceiling.mark) {
    case CeilingPicture::Mark::ThermalTop:
        if (ceiling.markShown) {
            drawCeilingMarks(painter, ceiling.markAt.x, ceiling.markAt.y, 5);
        }
        writeSentence(painter, ceiling.sentence);
        break;
    case CeilingPicture::Mark::CloudBase:
        if (ceiling.markShown) {
            if (ceiling.cloudPicture) {
                drawCloudPicture(painter, ceiling.markAt.y, printing);
            }
            drawCeilingMarks(painter, ceiling.markAt.x, ceiling.markAt.y, 6);
        }
        writeSentence(painter, ceiling.sentence);
        break;
    case CeilingPicture::Mark::None:
        // Only the sentence of a parcel too cold to rise.
        if (!ceiling.sentence.empty()) {
            writeSentence(painter, ceiling.sentence);
        }
        break;
    }
}

void startCeilingSimulation(SessionState& session, int temperature, int dewPoint) {
    CeilingSimulation& c = session.ceiling;
    c.surfaceTemperature = temperature;
    c.surfaceDewPoint = dewPoint;
    session.sounding.simulationRequested = true;
    c.thermalTopFound = false;
    c.cloudBaseFound = false;
    c.sentenceDone = false;
    c.blueThermalDrawn = false;
    c.cloudBaseDrawn = false;
    c.parcelTooCold = false;
    c.cloudBaseX = 0;
    c.cloudBaseY = 0;
    c.thermalTopX = 0;
    c.thermalTopY = 0;
}

std::string ceilingResultSentence(const SessionState& session) {
    const CeilingSimulation& c = session.ceiling;
    if (!session.sounding.simulationRequested) {
        return {};
    }
    if (c.blueThermalDrawn) {
        return thermalSentence(c);
    }
    if (c.cloudBaseDrawn) {
        return cumulusSentence(c);
    }
    if (c.parcelTooCold) {
        return tooColdSentence(c);
    }
    return {};
}

} // namespace brisalta
