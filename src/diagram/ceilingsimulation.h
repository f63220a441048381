// The thermal-ceiling simulation on the sounding diagram: for a surface
// temperature and dew point typed by the user, the parcel's dry adiabat rises
// until it meets the temperature curve (the top of a blue thermal) or the
// line of the surface mixing ratio (the cumulus base), and the ceiling is
// marked with the wind interpolated at its height. The search always runs on
// the design points of the temperature curve of the full (unzoomed) diagram,
// so the ceiling is the same whatever the zoom, the window or the output; the
// zoomed diagram draws that result at its own positions. Nothing here draws
// except the two paint functions at the end.
#pragma once

#include "diagram/designpainter.h"
#include "diagram/soundinggeometry.h"
#include "ports/drawingcanvas.h"
#include "session/picture.h"
#include "session/sessionstate.h"

#include <array>
#include <span>
#include <string>

namespace brisalta {

inline constexpr int kMaxCurvePoints = 300;

// The picture drawn beside a cumulus base: 38 × 28 pixels, a white cloud
// with an orange sun, shipped as the Qt resource ":/pictures/nube.png".
inline constexpr const char* kCloudPictureName = "nube.png";
inline constexpr int kCloudPictureWidth = 38;
inline constexpr int kCloudPictureHeight = 28;

// Design points collected along the drawn temperature curve, about one per
// grid step of height; the parcel is compared with them.
struct CurvePoints {
    std::array<Point, kMaxCurvePoints> points{};
    int count = 0;
    void add(Point p) {
        if (count < kMaxCurvePoints) {
            points[static_cast<std::size_t>(count++)] = p;
        }
    }
};

// Adds the points of one drawn temperature segment (design units). The
// segment from row 0 gives only its start; a longer one is cut into
// d = max(dx, rise / 1.2666…) parts (rounded to two decimals), each part
// giving the point k / d of the way, with X rounded and Y truncated; a segment
// shorter than one part gives its end.
void collectCurvePoints(CurvePoints& curve, Point from, Point to, bool fromLowestRow);

// What the simulation needs of the diagram.
struct CeilingGeometry {
    SoundingGeometry geometry;
    std::span<const SoundingRow> rows; // the drawn rows, lowest first
    double t0Kelvin = 0.0;             // lowest row's temperature + 273.16
    double p0 = 0.0;                   // lowest row's pressure, hPa
    bool knots = false;                // wind speeds in knots (text-list service)
};

// One preparation of the diagram while a simulation is requested: the
// moisture line and the parcel's path, the search for the thermal top and the
// cumulus base and, once per request, the ceiling and its wind; then which
// result is marked and its sentence. `state` is the request's state: its found
// flags last for the request, its positions are this geometry's (0 when not
// found), and its drawn flags keep one kind of result once one was shown.
CeilingPicture simulateCeiling(CeilingSimulation& state, const CeilingGeometry& frame,
                               const CurvePoints& curve);

// The same result drawn on another geometry of the same rows (the zoomed
// diagram): the moisture line and the parcel's path over `curveCount` grid
// steps of that geometry, and the mark at the ceiling's height, which is left
// out (the sentence stays) when it lies above the top of that diagram. `full`
// is what simulateCeiling gave for the full diagram.
CeilingPicture placeCeiling(const CeilingSimulation& state, const CeilingPicture& full,
                            const CeilingGeometry& frame, int curveCount);

// The command's part once the user has typed the values: stores them, resets
// the results and asks for the simulation on the next preparations, until a
// new sounding clears simulationRequested.
void startCeilingSimulation(SessionState& session, int temperature, int dewPoint);

// The sentence of the result the last preparation marked (Windows-1252), or ""
// when neither a thermal top nor a cumulus base was marked.
std::string ceilingResultSentence(const SessionState& session);

// Paints the moisture line and the parcel's path (after the temperature curve).
void paintCeilingLines(DesignPainter& painter, const CeilingPicture& ceiling);

// Paints the mark on the ceiling, the arrowheads between the panels, the cloud
// picture of a cumulus base and the red sentence at the top (after the
// dew-point curve). `titleFont` is the diagram's title font; on the printed
// page the cloud picture sits on the base instead of beside it.
void paintCeilingResult(DesignPainter& painter, const CeilingPicture& ceiling,
                        const Font& titleFont, bool printing);

} // namespace brisalta
