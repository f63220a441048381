// Dry adiabats and mixing-ratio lines of the skew-T panel.
#include "diagram/soundinggrid.h"

#include "thermo/thermodynamics.h"

namespace brisalta {
namespace {

bool strictlyInside(Point p) {
    return p.x > kSkewLeft && p.x < kSkewRight && p.y > kPanelTop && p.y < kPanelBottom;
}

} // namespace

std::vector<DesignSegment> dryAdiabatSegments(int thetaCelsius, const SoundingGeometry& geometry,
                                              double t0Kelvin) {
    std::vector<DesignSegment> segments;
    if (!geometry.valid()) {
        return segments;
    }
    const auto pointAt = [&](int j) {
        const double h = geometry.stepHeight(j);
        const int y = geometry.stepY(h);
        const double t =
            dryAdiabatTemperature(thetaCelsius, standardPressure(h, t0Kelvin)) - kKelvinOffset;
        return Point{geometry.adiabatX(t, y), y};
    };
    Point from = pointAt(0);
    for (int j = 0; j < kGridSteps; ++j) {
        const Point to = pointAt(j + 1);
        if (strictlyInside(from) && strictlyInside(to)) {
            segments.push_back({from, to});
        }
        from = to;
    }
    return segments;
}

Point mixingRatioPoint(double mixingRatio, const SoundingRow& row,
                       const SoundingGeometry& geometry) {
    const int y = geometry.rowY(row[kHeight]);
    const double dewPoint = dewPointOf(vapourPressureOf(mixingRatio, row[kPressure]));
    return Point{geometry.lineX(dewPoint, y), y};
}

std::optional<DesignSegment> mixingRatioLine(double mixingRatio, std::span<const SoundingRow> rows,
                                             const SoundingGeometry& geometry) {
    if (rows.empty() || !geometry.valid()) {
        return std::nullopt;
    }
    const Point first = mixingRatioPoint(mixingRatio, rows[0], geometry);
    Point end = first;
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
        const Point p = mixingRatioPoint(mixingRatio, rows[i], geometry);
        const bool outRight = first.x > kSkewRight || p.x > kSkewRight;
        const bool outTop = i >= 1 && (first.y < kPanelTop || p.y < kPanelTop);
        if (outRight || outTop) {
            if (i == 0) {
                return std::nullopt;
            }
            end = mixingRatioPoint(mixingRatio, rows[i - 1], geometry);
            break;
        }
        end = p;
    }
    return DesignSegment{first, end};
}

std::optional<DesignSegment> moistureLine(double mixingRatio, std::span<const SoundingRow> rows,
                                          const SoundingGeometry& geometry) {
    if (rows.empty() || !geometry.valid()) {
        return std::nullopt;
    }
    Point start = mixingRatioPoint(mixingRatio, rows[0], geometry);
    if (start.x < kSkewLeft) {
        // Along the isotherm up to the left edge.
        start = Point{kSkewLeft, start.y - (kSkewLeft - start.x)};
    }
    Point end = mixingRatioPoint(mixingRatio, rows.back(), geometry);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const Point p = mixingRatioPoint(mixingRatio, rows[i], geometry);
        if (p.x > kSkewRight || p.y < kPanelTop || start.x > kSkewRight || start.y < kPanelTop) {
            end = mixingRatioPoint(mixingRatio, rows[i - 1], geometry);
            break;
        }
    }
    return DesignSegment{start, end};
}

} // namespace brisalta
