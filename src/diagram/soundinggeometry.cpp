// Height scale, skew-T abscissa and wind abscissae of the sounding diagram.
#include "diagram/soundinggeometry.h"

#include "session/numeric.h"
#include "thermo/thermodynamics.h"

#include <algorithm>
#include <cmath>

namespace brisalta {

GraphFactors soundingFactors(int horizontal, int vertical, int pixelsPerInch,
                             const PageMapping& mapping) {
    if (mapping.mapping == Mapping::Print) {
        GraphFactors f;
        f.sx = f.sy = f.d = f.s = kSoundingPrintFactor;
        return f;
    }
    return screenFactors(horizontal, vertical, pixelsPerInch, mapping.drawScale);
}

SoundingGeometry soundingGeometry(float lowestHeight, bool zoomed) {
    SoundingGeometry g;
    g.h0 = truncToInt(lowestHeight);
    g.top = zoomed ? kZoomedTopHeight : kFullTopHeight;
    g.span = static_cast<long long>(g.top) - g.h0;
    g.dz = g.span / kGridSteps;
    g.off = zoomed ? kZoomedSkewOffset : kFullSkewOffset;
    return g;
}

int SoundingGeometry::rowY(float heightMetres) const {
    if (!valid()) {
        return kPanelBottom;
    }
    const float y =
        85.0f + 380.0f * (static_cast<float>(top) - heightMetres) / static_cast<float>(span);
    return clampDevice(y);
}

double SoundingGeometry::stepHeight(int j) const {
    return static_cast<double>(h0) + static_cast<double>(j) * dz;
}

int SoundingGeometry::stepY(double heightMetres) const {
    if (!valid()) {
        return kPanelBottom;
    }
    return clampDevice(85.0 + 380.0 * (top - heightMetres) / static_cast<double>(span));
}

int SoundingGeometry::curveX(float celsius, int y) const {
    const float z = static_cast<float>(kFullSkewOffset - off);
    return clampDevice(3.0f * celsius + 170.0f + static_cast<float>(kPanelBottom - y) - z);
}

int SoundingGeometry::lineX(double celsius, int y) const {
    return clampDevice((kPanelBottom - y) + 3.0 * celsius + off);
}

int SoundingGeometry::adiabatX(double celsius, int y) const {
    return clampDevice(clampDevice(3.0 * celsius + off) + static_cast<double>(kPanelBottom - y));
}

int directionX(float degrees, bool eastern) {
    const float x = eastern ? 617.0f + degrees * 152.0f / 180.0f
                            : 465.0f + (degrees - 180.0f) * 152.0f / 180.0f;
    return clampDevice(x);
}

DirectionSegment directionSegment(float d1, float d2) {
    DirectionSegment s;
    bool firstEastern = false;
    bool secondEastern = false;
    if (d1 >= 0.0f && d1 <= 180.0f) {
        firstEastern = true;
        secondEastern = d2 <= 180.0f;
    } else if (d1 > 180.0f) {
        firstEastern = false;
        secondEastern = !(d2 >= 180.0f);
    } else {
        return s;
    }
    s.drawable = !std::isnan(d2);
    s.x1 = directionX(d1, firstEastern);
    s.x2 = directionX(d2, secondEastern);
    return s;
}

int windSpeedStep(std::span<const SoundingRow> rows, bool knots) {
    int vmax = 0;
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
        vmax = std::max(vmax, truncToInt(rows[i][kWindSpeed]));
    }
    if (knots) {
        vmax = truncToInt(vmax * kKnotsToKmh);
    }
    return std::max(1, vmax / 8 + 1);
}

int speedX(double kmh, int step) {
    const double units = 8.0 * std::max(1, step);
    return clampDevice(kmh * 300.0 / units + 465.0);
}

} // namespace brisalta
