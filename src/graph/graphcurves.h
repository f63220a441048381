// The curves of the 24-hour graph: the four value series, the humidity curve
// with its filled area, and the wind-direction trace. Missing slots (6666) are
// bridged by dotted lines; positions are design units converted with the factors.
#pragma once

#include "ports/drawingcanvas.h"
#include "graph/graphgeometry.h"
#include "session/sessionstate.h"

namespace brisalta {

// Device position of slot i of a panel whose slot 0 lies at design x0.
int slotX(const GraphFactors& f, int x0, int slot);

// Device Y of a value on a value scale whose bottom tick lies at design y0:
// y0 + (top − value)·20 / step, top = minimum + 7·step, 20 units per step.
int seriesY(const GraphFactors& f, int y0, const ValueScale& scale, int value);

// Device Y of a relative humidity whose 0 % lies at design y0: y0 − h·160/100.
int humidityY(const GraphFactors& f, int y0, int humidity);

// One series (1 temperature, 2 dew point, 3 pressure, 4 wind speed) on the
// panel whose slot 0 is at design (x0, ·) and whose lowest tick is at y0.
// Present neighbours are joined by the series pen; a run of missing slots is
// bridged by a dotted line from the last point before it to the next value (a
// leading run horizontally from x0, without markers); a single value between
// two runs gets a marker at each end of its bridge; a trailing run ends at
// (x0 + 230, y0 + 120).
void DrawSeriesCurve(DrawingCanvas& canvas, const GraphFactors& f, int x0, int y0, int minimum, int step,
                     const Slots<int>& values, int series);

// The relative-humidity curve of the temperature panel with 0 % on y0, bridged
// like a series over the slots that are kMissing (runs level at y0 − 120),
// and, when no slot is missing, the area between the curve and the panel's
// bottom edge filled. Leaves the black axis pen selected.
void DrawHumidityArea(DrawingCanvas& canvas, const GraphFactors& f, int x0, int y0, const Slots<int>& humidity);

// The wind-direction trace of the bottom-right panel: each direction at its
// compass row, runs of slots without a direction bridged by a dotted line.
void DrawDirectionTrace(DrawingCanvas& canvas, const GraphFactors& f, const Slots<FixedText<9>>& directions);

} // namespace brisalta
