// Axes, ticks and scale labels of the four panels of the 24-hour graph.
// Positions are design units; each operation converts them with the factors.
#pragma once

#include "ports/drawingcanvas.h"
#include "graph/graphgeometry.h"

namespace brisalta {

// 12 labelled ticks every 20 units from (x, y) to the right, two hours apart
// starting at startHour ("%02d"; 24 and 25 are shown as 00 and 01), with a
// short tick between each pair. Slot i of a panel lies at x + 10i.
void DrawHourAxis(DrawingCanvas& canvas, const GraphFactors& f, int x, int y, int startHour);

// 8 ticks every 20 units down from (x, y), labelled minimum + 7·step at the top
// down to minimum ("%2d"). side 0 puts the ticks right of x (a scale left of
// its axis), side 1 left of x; inset 1 moves side-1 ticks 10 units right.
void DrawValueScale(DrawingCanvas& canvas, const GraphFactors& f, int step, int minimum, int x, int y, int side,
                    int inset);

// 11 ticks every 16 units up from (x, y), labelled 0 to 100 percent.
void DrawHumidityScale(DrawingCanvas& canvas, const GraphFactors& f, int x, int y);

// The scales that the four panels show.
struct PanelScales {
    ValueScale temperature; // shared by temperature and dew point
    ValueScale pressure;
    ValueScale windSpeed;
};

// The frames, units and scales of the four panels (temperature, pressure, wind
// speed, wind direction), in the black axis pen and the current font.
void drawPanels(DrawingCanvas& canvas, const GraphFactors& f, const PanelScales& scales, int startHour);

} // namespace brisalta
