// The thermal ceiling hour by hour: each hour of the 24-hour graph run through
// the ceiling simulation of the current sounding, and the picture "Techo por
// horas" prepared from it. Plain records; ceilinghours/ fills and paints them.
#pragma once

#include "session/records.h"

#include <optional>
#include <string>
#include <vector>

namespace brisalta {

// One hour of the graph. Nothing in a field means "no value": an hour without
// a temperature or a dew point is a gap, never a zero.
struct CeilingHour {
    int hour = 0;                   // hour of day as the graph's hour axis shows it, 0..23
    std::optional<int> temperature; // °C at the airport
    std::optional<int> dewPoint;    // °C at the airport
    // m above sea level: the top of the blue thermal, or the cumulus base when
    // cumulus form, or the sounding's lowest level when the air there is warmer
    // than the parcel (no thermal). Nothing when the hour is missing or the
    // simulation found no ceiling.
    std::optional<double> thermalTop;
    std::optional<double> cloudBase;     // m above sea level, only when cumulus form
    std::optional<int> topWindSpeed;     // km/h at the thermal top
    std::optional<int> topWindDirection; // degrees at the thermal top
    std::optional<double> lowerBand;     // thermalTop for a surface 1 °C colder
    std::optional<double> upperBand;     // thermalTop for a surface 1 °C warmer
    friend bool operator==(const CeilingHour&, const CeilingHour&) = default;
};

// The graph's 24 hours with their ceilings, oldest first like the graph's slots.
struct CeilingHours {
    bool simulated = false;      // there was a graph with a temperature and a drawable sounding
    Slots<CeilingHour> hours{};  // slot i is the graph's slot i
    int axisStartHour = 0;       // first hour of the graph's hour axis
    double soundingGround = 0.0; // m, the sounding's lowest level, where every parcel starts
    std::optional<int> airportElevation; // m, when the graph knows it
};

// A height axis: labelled ticks from bottom to top every step metres.
struct HeightScale {
    int bottom = 0; // m at the bottom of the panel
    int top = 1000; // m at the top of the panel
    int step = 500; // m between labelled ticks
};

// "Techo por horas" as it is drawn.
struct CeilingHoursModel {
    bool drawable = false;
    CeilingHours ceilings;
    HeightScale scale;
    double ground = 0.0; // m: the higher of the airport and the sounding's lowest level
    std::optional<int>
        firstStrongSlot;      // first slot whose thermal top is more than 1000 m over the ground
    std::string title;        // the airport (Windows-1252)
    std::string soundingLine; // the sounding's station, date and hour
    std::vector<std::string> notes; // the footnote, one line each
    std::string warning;            // the sounding is of another day than the graph, or empty
    ViewFlags commands;             // the commands the picture makes available
};

} // namespace brisalta
