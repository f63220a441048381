// What the sounding diagram says at the pointer's level: pressure, height,
// temperature, dew point and wind interpolated between the levels around the
// height under the pointer, for the read-out the window shows while the
// pointer rests on the diagram. Pure hit-testing on design coordinates
// (800 × 600 units) with the geometry of the diagram as it is drawn (full or
// zoomed).
#pragma once

#include "session/picture.h"

#include <optional>
#include <string>

namespace brisalta {

struct SoundingReadout {
    double height = 0.0;        // m
    double pressure = 0.0;      // hPa
    double temperature = 0.0;   // °C
    double dewPoint = 0.0;      // °C
    double windDirection = 0.0; // degrees, 0 … 360
    double windSpeed = 0.0;     // km/h
};

// The level under design point (x, y): inside either panel (skew-T or wind),
// the height of that Y on the diagram's scale, and the values of the two rows
// around it, interpolated in height (the direction the short way round).
// Nothing outside the panels, below the lowest row, above the highest or when
// the diagram draws nothing.
std::optional<SoundingReadout> soundingReadoutAt(const SoundingModel& model, double x, double y);

// "1550 m · 852 hPa\nTemperatura: 19,7 ºC\nPunto de rocío: 8,4 ºC\nViento: 11
// km/h del SurSureste (158º)" (Windows-1252, decimal comma).
std::string soundingReadoutText(const SoundingReadout& readout);

} // namespace brisalta
