// Plausibility of a document's values.
#include "document/documentchecks.h"

#include "session/numeric.h"
#include "text/codepage.h"
#include "text/format.h"

#include <cmath>

namespace brisalta {
namespace {

bool within(int value, int low, int high) {
    return value >= low && value <= high;
}

// A slot value: inside its range, or the missing marker.
bool slotWithin(int value, int low, int high) {
    return value == kMissing || within(value, low, high);
}

std::string said(const char* utf8Format, int value) {
    return text::format1252(utf8Format, value);
}

struct Column {
    const char* name; // Spanish, as the table heads it
    float low;
    float high;
};

// Forecast limits of the sounding readers (the observed ones are narrower),
// with a floor where those set none: no pressure below 0 hPa, no dew point
// below absolute zero.
constexpr Column kColumns[] = {
    {"presión", 0.0f, 1300.0f},
    {"altura", -300.0f, 30000.0f},
    {"temperatura", -100.0f, 100.0f},
    {"punto de rocío", -273.0f, 100.0f},
    {"humedad", 0.0f, 100.0f},
    {"dirección del viento", 0.0f, 360.0f},
    {"velocidad del viento", 0.0f, 500.0f},
};

} // namespace

std::optional<std::string> implausibleGraph(const GraphSeries& g) {
    if (!within(g.day, 0, 32)) {
        return said("el día %d no existe", g.day);
    }
    if (!within(g.month, 0, 12)) {
        return said("el mes %d no existe", g.month);
    }
    if (!within(g.year, 0, 9999)) {
        return said("el año %d no es válido", g.year);
    }
    if (!within(g.lastTime, 0, 2399) || g.lastTime % 100 > 59) {
        return said("la hora %d no existe", g.lastTime);
    }
    if (!slotWithin(g.humidity, 0, 100)) {
        return said("una humedad del %d %% no es posible", g.humidity);
    }
    if (!within(g.altitudeMetres, -3000, 99999)) {
        return said("una altitud de %d m no es posible", g.altitudeMetres);
    }
    for (int slot = 0; slot < kSlots; ++slot) {
        if (!within(g.hour[slot], -24, 23)) {
            return said("la hora %d no existe", g.hour[slot]);
        }
        if (!slotWithin(g.temperature[slot], -100, 100)) {
            return said("una temperatura de %d ºC no es posible", g.temperature[slot]);
        }
        if (!slotWithin(g.dewPoint[slot], -100, 100)) {
            return said("un punto de rocío de %d ºC no es posible", g.dewPoint[slot]);
        }
        if (!slotWithin(g.pressure[slot], 100, 1800)) {
            return said("una presión de %d hPa no es posible", g.pressure[slot]);
        }
        if (!slotWithin(g.windSpeed[slot], 0, 300)) {
            return said("un viento de %d km/h no es posible", g.windSpeed[slot]);
        }
    }
    return std::nullopt;
}

std::optional<std::string> implausibleSounding(const std::vector<SoundingRow>& rows) {
    for (std::size_t level = 0; level < rows.size(); ++level) {
        const bool last = level + 1 == rows.size();
        for (std::size_t column = 0; column < std::size(kColumns); ++column) {
            const float value = rows[level][column];
            const Column& c = kColumns[column];
            const bool checked = !last || column == 0 || column == 2;
            if (!std::isfinite(value) || (checked && (value < c.low || value > c.high))) {
                return text::cp1252("el nivel ") + text::format("%zu", level + 1) +
                       text::cp1252(" tiene un valor de ") + text::cp1252(c.name) +
                       text::cp1252(" imposible");
            }
        }
    }
    return std::nullopt;
}

} // namespace brisalta
