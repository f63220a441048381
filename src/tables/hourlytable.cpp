// The hourly table of the surface graph.
#include "tables/hourlytable.h"

#include "graph/graphheader.h"
#include "tables/directiontexts.h"
#include "text/codepage.h"
#include "text/format.h"

#include <optional>

namespace brisalta {
namespace {

enum Column : int {
    kHourColumn = 0,
    kTemperatureColumn = 1,
    kDewPointColumn = 2,
    kHumidityColumn = 3,
    kPressureColumn = 4,
    kWindSpeedColumn = 5,
    kDirectionColumn = 6,
};

std::string valueText(int value) {
    return value == kMissing ? std::string("-") : text::format("%d", value);
}

// The colour of a value against the day's maximum and minimum; the minimum
// is tested last, so a day whose two extremes are equal shows the minimum.
std::optional<Rgb> extremeColour(int value, int maximum, std::optional<int> minimum) {
    if (value == kMissing) {
        return std::nullopt;
    }
    std::optional<Rgb> colour;
    if (value == maximum) {
        colour = kMaximumColour;
    }
    if (minimum && value == *minimum) {
        colour = kMinimumColour;
    }
    return colour;
}

} // namespace

int tableHour(const SessionState& session, int hour) {
    if (session.view.graphFromFile || session.view.banyeresGraph) {
        return hour;
    }
    const long long shifted = static_cast<long long>(hour) + session.selection.timeOffsetHours;
    long long shown = shifted;
    if (shifted > 23) {
        shown = shifted - 24;
    } else if (shifted < 0) {
        shown = shifted + 24;
    }
    return static_cast<int>(shown);
}

int tableHumidity(const SessionState& session, int slot) {
    if (slot < 0 || slot >= kSlots) {
        return kMissing;
    }
    const GraphSeries& g = session.graph;
    if (!session.view.banyeresGraph &&
        (g.temperature[slot] == kMissing || g.dewPoint[slot] == kMissing)) {
        return kMissing;
    }
    return slotHumidity(session, slot);
}

std::array<HourlyRow, kSlots> hourlyTableRows(const SessionState& session) {
    const GraphSeries& g = session.graph;
    std::array<HourlyRow, kSlots> rows{};
    for (int row = 0; row < kSlots; ++row) {
        const int slot = kSlots - 1 - row;
        HourlyRow& r = rows[row];
        r.slot = slot;
        r.hour = tableHour(session, g.hour[slot]);
        r.temperature = g.temperature[slot];
        r.dewPoint = g.dewPoint[slot];
        r.humidity = tableHumidity(session, slot);
        r.pressure = g.pressure[slot];
        r.windSpeed = g.windSpeed[slot];
        r.direction = tables::spanishAbbreviation(g.windDirection[slot].view());
    }
    return rows;
}

DataTable hourlyTable(const SessionState& session) {
    DataTable table;
    table.kind = TableKind::Hourly;
    table.caption = text::cp1252("Datos Horarios Gráfica");
    table.title = session.view.headerTitle;
    table.headerLine1 = session.view.headerLine1;
    table.headerLine2 = session.view.headerLine2;
    table.fontName = "MS Sans Serif";
    for (const char* header : {"Hora", "Temperatura ºC", "Punto Rocío ºC", "Humedad %",
                               "Presión mb", "Viento km/h", "Dir. viento"}) {
        table.columns.push_back(text::cp1252(header));
    }
    table.columnWidthsTwips = {550, 1450, 1440, 1100, 1100, 1140, 1200};

    const DailyExtremes& e = session.extremes;
    const auto rows = hourlyTableRows(session);
    for (int i = 0; i < kSlots; ++i) {
        const HourlyRow& r = rows[i];
        table.rows.push_back({text::format("%d", r.hour), valueText(r.temperature),
                              valueText(r.dewPoint), valueText(r.humidity), valueText(r.pressure),
                              valueText(r.windSpeed), r.direction.empty() ? "-" : r.direction});
        const std::pair<int, std::optional<Rgb>> colours[] = {
            {kTemperatureColumn, extremeColour(r.temperature, e.maxTemperature, e.minTemperature)},
            {kPressureColumn, extremeColour(r.pressure, e.maxPressure, e.minPressure)},
            {kWindSpeedColumn, extremeColour(r.windSpeed, e.maxWindSpeed, std::nullopt)},
        };
        for (const auto& [column, colour] : colours) {
            if (colour) {
                table.highlights.push_back({i, column, *colour});
            }
        }
    }
    return table;
}

std::string tableNeedsPictureMessage() {
    return text::cp1252("Es necesario disponer de una gráfica o un sondeo previamente.");
}

} // namespace brisalta
