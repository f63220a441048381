// The lines of the skew-T panel that come from the thermodynamics rather than
// from the sounding's own values: dry adiabats and lines of constant mixing
// ratio, in design units. Pure functions; the diagram draws what they return.
#pragma once

#include "ports/drawingcanvas.h"
#include "session/sessionstate.h"
#include "diagram/soundinggeometry.h"

#include <optional>
#include <span>
#include <vector>

namespace brisalta {

struct DesignSegment {
    Point from;
    Point to;
    friend bool operator==(const DesignSegment&, const DesignSegment&) = default;
};

// The dry adiabat θ (°C at 1013 hPa) over the 300 grid steps from the lowest
// row up: point j at height h0 + j · dz, its temperature
// dryAdiabatTemperature(θ, standardPressure(h, T0K)). Only the steps whose
// two ends lie strictly inside the panel (80 < X < 380, 85 < Y < 465).
std::vector<DesignSegment> dryAdiabatSegments(int thetaCelsius, const SoundingGeometry& geometry,
                                              double t0Kelvin);

// Point of the constant-mixing-ratio line w (g/kg) at row i: the dew point of
// vapourPressureOf(w, p_i) at the row's height.
Point mixingRatioPoint(double mixingRatio, const SoundingRow& row,
                       const SoundingGeometry& geometry);

// A grid line of constant mixing ratio: from row 0 up the rows but the last,
// ending at the row before the first one that leaves the panel to the right or
// (from row 1 on) above the top. Nothing when row 0 itself is out to the right.
std::optional<DesignSegment> mixingRatioLine(double mixingRatio, std::span<const SoundingRow> rows,
                                             const SoundingGeometry& geometry);

// The ceiling simulation's moisture line: the mixing ratio of the surface dew
// point, from row 0 (moved along the isotherm to the left edge when it starts
// left of it) up to the last row, or to the row before the first one out of
// the panel to the right or above the top.
std::optional<DesignSegment> moistureLine(double mixingRatio, std::span<const SoundingRow> rows,
                                          const SoundingGeometry& geometry);

} // namespace brisalta
