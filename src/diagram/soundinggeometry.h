// Where things go on the sounding diagram: the height scale shared by both
// panels, the skew-T abscissa of a temperature at a height, and the abscissae
// of wind direction and speed. Everything is in the 800 × 600 design units;
// pure functions, nothing here draws.
#pragma once

#include "graph/graphgeometry.h"
#include "session/sessionstate.h"

#include <span>

namespace brisalta {

// Panel edges (design units).
inline constexpr int kPanelTop = 85;     // Y of the top height (Htop)
inline constexpr int kPanelBottom = 465; // Y of the lowest row
inline constexpr int kSkewLeft = 80;     // left panel: skew-T diagram
inline constexpr int kSkewRight = 380;
inline constexpr int kWindLeft = 465; // right panel: wind direction and speed
inline constexpr int kWindRight = 765;

inline constexpr int kFullTopHeight = 16500;  // m at the top edge
inline constexpr int kZoomedTopHeight = 6000; // m at the top edge when zoomed
inline constexpr int kGridSteps = 300;        // height steps of the grid lines and the parcel
inline constexpr int kFullSkewOffset = 170;   // X of 0 °C at the bottom edge
inline constexpr int kZoomedSkewOffset = 110;

// Design to device units of the diagram: X · fx · ff · s and Y · fy · ff · s.
// On screen from the device (fx = H/800, fy = V/600, ff = 96/P, s = the
// mapping's drawScale); on the printed page 1.07 for every factor.
GraphFactors soundingFactors(int horizontal, int vertical, int pixelsPerInch,
                             const PageMapping& mapping);
inline constexpr double kSoundingPrintFactor = 1.07;

// The height scale and the skew of the left panel for one drawing.
struct SoundingGeometry {
    int h0 = 0;                // lowest row's height, m, truncated
    int top = kFullTopHeight;  // Htop, m
    long long span = 0;        // Htop − h0, m
    long long dz = 0;          // span / 300 (integer division): the grid's height step
    int off = kFullSkewOffset; // X of 0 °C at the bottom edge

    // A lowest row at or above Htop leaves no height to draw on.
    bool valid() const { return span > 0; }

    // Y of a sounding row's height, in single precision as the rows are held:
    // truncate(85 + 380 · (Htop − h) / span). The lowest row lies on 465.
    int rowY(float heightMetres) const;
    // Absolute height of grid step j: h0 + j · dz.
    double stepHeight(int j) const;
    // Y of a grid height, the same scale in double precision.
    int stepY(double heightMetres) const;

    // X of a row's temperature (the temperature and dew-point curves), single
    // precision: truncate(3 · T + 170 + (465 − Y) − z), z = 170 − off.
    int curveX(float celsius, int y) const;
    // X of a point of a constant-mixing-ratio line: truncate((465 − Y) + 3 · T + off).
    int lineX(double celsius, int y) const;
    // X of a dry-adiabat point (grid and parcel): truncate(3 · T + off) + (465 − Y).
    int adiabatX(double celsius, int y) const;
};

// Geometry for a sounding whose lowest row is at `lowestHeight` metres.
SoundingGeometry soundingGeometry(float lowestHeight, bool zoomed);

// The right panel's direction abscissa: the eastern half (N at 617 … S at
// 769) is 617 + d · 152 / 180, the western half (S at 465 … N at 617) is
// 465 + (d − 180) · 152 / 180; single precision, truncated.
int directionX(float degrees, bool eastern);

// Ends of one wind-direction segment from d1 to d2 (degrees). A row at 0…180
// lies on the eastern half, above 180 on the western one; the next row stays
// on the same half unless it crosses south, so 170° → 190° runs across the
// whole panel. A direction that is neither (negative, NaN) draws nothing.
struct DirectionSegment {
    bool drawable = false;
    int x1 = 0;
    int x2 = 0;
};
DirectionSegment directionSegment(float d1, float d2);

// The wind-speed label step: vmax / 8 + 1, vmax being the largest speed of
// every row but the last, each truncated to whole units first, and converted
// to km/h (truncated) when the speeds are knots. Always at least 1.
int windSpeedStep(std::span<const SoundingRow> rows, bool knots);

// X of a wind speed in km/h: truncate(v · 300 / (8 · step) + 465).
int speedX(double kmh, int step);

} // namespace brisalta
