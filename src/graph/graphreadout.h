// What the 24-hour graph says at a point: the hour under the pointer and that
// hour's values, for the read-out the window shows while the pointer rests on
// the graph. Pure hit-testing on design coordinates (800 × 600 units); the
// window turns its pixels into design units first.
#pragma once

#include "session/picture.h"

#include <optional>
#include <string>

namespace brisalta {

struct GraphReadout {
    int slot = 0;               // 0 (oldest) … 23 (newest)
    int hour = 0;               // the hour the axes show for the slot, 0 … 23
    int temperature = kMissing; // °C
    int dewPoint = kMissing;    // °C
    int humidity = kMissing;    // %
    int pressure = kMissing;    // hPa (station pressure or QNH, as drawn)
    int windSpeed = kMissing;   // km/h
    std::string windDirection;  // as the series holds it ("SSW", "Calm", "No")
};

// The slot under design point (x, y): inside one of the four panels (with
// their hour axes), the nearest hour column of that panel. Nothing outside the
// panels or when the graph draws nothing.
std::optional<GraphReadout> graphReadoutAt(const GraphModel& model, double x, double y);

// "14 h\nTemperatura: 31 ºC\nPunto de rocío: 18 ºC\nHumedad relativa: 45 %\n
// Presión: 1012 mb\nViento: 19 km/h del Sureste" (Windows-1252); a missing
// value reads "sin dato", a calm hour "Viento: calma".
std::string graphReadoutText(const GraphReadout& readout);

} // namespace brisalta
