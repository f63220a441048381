// The read-out of the 24-hour graph.
#include "graph/graphreadout.h"

#include "graph/graphgeometry.h"
#include "text/codepage.h"
#include "text/format.h"
#include "weather/compass.h"

#include <algorithm>
#include <cmath>

namespace brisalta {
namespace {

// Columns of the panels: slot 0 lies at x0, one slot every 10 units.
struct Column {
    double left;
    double right;
    int x0;
};
constexpr Column kLeftPanels{85.0, 340.0, 105};
constexpr Column kRightPanels{440.0, 695.0, 460};
// From the top of the upper panels to the hour labels of the lower ones.
constexpr double kTop = 80.0;
constexpr double kBottom = 485.0;

std::string value(int v, const char* unit) {
    if (v == kMissing) {
        return "sin dato";
    }
    return text::format("%d %s", v, unit);
}

} // namespace

std::optional<GraphReadout> graphReadoutAt(const GraphModel& model, double x, double y) {
    if (!model.drawable || y < kTop || y > kBottom) {
        return std::nullopt;
    }
    const Column* column = nullptr;
    for (const Column* c : {&kLeftPanels, &kRightPanels}) {
        if (x >= c->left && x <= c->right) {
            column = c;
        }
    }
    if (!column) {
        return std::nullopt;
    }
    const int slot =
        std::clamp(static_cast<int>(std::lround((x - column->x0) / 10.0)), 0, kSlots - 1);
    const GraphSeries& s = model.series;
    GraphReadout r;
    r.slot = slot;
    r.hour =
        static_cast<int>(((static_cast<long long>(model.axisStartHour) + slot) % 24 + 24) % 24);
    const auto i = static_cast<std::size_t>(slot);
    r.temperature = s.temperature[i];
    r.dewPoint = s.dewPoint[i];
    r.humidity = model.humidity[i];
    r.pressure = s.pressure[i];
    r.windSpeed = s.windSpeed[i];
    r.windDirection = s.windDirection[i].str();
    return r;
}

std::string graphReadoutText(const GraphReadout& r) {
    std::string wind;
    if (r.windDirection == "Calm" || r.windDirection == "Calma") {
        wind = "calma";
    } else if (r.windSpeed == kMissing) {
        wind = "sin dato";
    } else {
        wind = text::format("%d km/h", r.windSpeed);
        if (compass::indexOf(r.windDirection)) {
            wind += " del " + compass::spanishName(r.windDirection);
        }
    }
    return text::format("%d h\n", r.hour) +
           "Temperatura: " + value(r.temperature, text::cp1252("ºC").c_str()) +
           text::cp1252("\nPunto de rocío: ") + value(r.dewPoint, text::cp1252("ºC").c_str()) +
           "\nHumedad relativa: " + value(r.humidity, "%") + text::cp1252("\nPresión: ") +
           value(r.pressure, "mb") + "\nViento: " + wind;
}

} // namespace brisalta
