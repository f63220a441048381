// What the view draws, prepared once per command: the 24-hour graph and the
// sounding diagram as plain records. The view, the picture files and the
// printout paint these and change nothing; a command prepares them again when
// the data or the way of showing them changes.
#pragma once

#include "session/ceilinghours.h"
#include "session/records.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <string>
#include <vector>

namespace brisalta {

// A value scale of the graph: 8 labels from minimum + 7·step at the top down
// to minimum.
struct ValueScale {
    int minimum = 0;
    int step = 1;
    // minimum + 7·step, clamped to the int range.
    int top() const {
        const long long value = static_cast<long long>(minimum) + 7LL * step;
        return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
    }
};

// The 24-hour graph as it is drawn.
struct GraphModel {
    // Some slot has a temperature. Without one nothing is drawn, and only the
    // command permissions, the axis start and the extremes were worked out.
    bool drawable = false;

    GraphSeries series;      // validated (implausible values are kMissing), with the title shown
    Slots<int> humidity{};   // relative humidity of each slot, kMissing where the curve has a gap
    DailyExtremes extremes;  // hours already shifted to local time where the data are UTC
    int axisStartHour = 0;   // first hour of the hour axes
    std::string headerLine1; // " Últimos datos del día ..." (Windows-1252)
    std::string headerLine2; // the values of the latest hour
    ValueScale temperatureScale; // shared by temperature and dew point
    ValueScale pressureScale;
    ValueScale windScale;
    ViewFlags commands; // the commands the graph makes available
};

// A design point of the sounding diagram (800 × 600 units).
struct DesignPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const DesignPoint&, const DesignPoint&) = default;
};

// What the ceiling simulation leaves on the diagram: the moisture line of the
// surface mixing ratio, the parcel's dry adiabat, and the mark and sentence of
// the thermal top or the cumulus base.
struct CeilingPicture {
    bool simulated = false;                    // a simulation was requested and run
    std::optional<std::pair<DesignPoint, DesignPoint>> moistureLine;
    std::vector<std::pair<DesignPoint, DesignPoint>> parcelSegments; // only those inside the panel
    enum class Mark { None, ThermalTop, CloudBase };
    Mark mark = Mark::None;
    DesignPoint markAt;         // the ceiling on the diagram
    bool markShown = true;      // false when the ceiling lies above the top of the diagram drawn
    bool cloudPicture = false;  // the cumulus picture beside a base found in this preparation
    std::string sentence;       // the red sentence at the top (Windows-1252)
};

// The sounding diagram as it is drawn.
struct SoundingModel {
    bool drawable = false;            // soundingShown and at least one row
    std::vector<SoundingRow> rows;    // the drawn rows, lowest first
    bool zoomed = false;              // the lowest 6000 m only
    bool knots = false;               // wind speeds in knots (text-list service)
    int source = 0;                   // SoundingSource of the rows (diagram/soundinglevels.h)
    bool partialFirstRow = false;     // the lowest level is labelled only when false
    std::string diagramTitle;         // the title line (Windows-1252)
    CeilingPicture ceiling;
    ViewFlags commands;               // the commands the sounding makes available
};

// The pictures as the last command prepared them.
struct PreparedPictures {
    GraphModel graph;
    SoundingModel sounding;
    CeilingHoursModel ceilingHours; // "Techo por horas"
};

} // namespace brisalta
