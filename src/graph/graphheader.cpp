// Header lines and series validation of the 24-hour graph.
#include "graph/graphheader.h"

#include "session/numeric.h"
#include "weather/compass.h"
#include "weather/derived.h"
#include "text/codepage.h"
#include "text/format.h"

#include <algorithm>
#include <cmath>

namespace brisalta {
namespace {

constexpr int kLatest = kSlots - 1;

std::string valueOrDash(int value) { return value == kMissing ? std::string("-") : text::format("%d", value); }

void replaceOutside(Slots<int>& values, int lowest, int highest) {
    for (int& v : values) {
        if (v < lowest || v > highest) {
            v = kMissing;
        }
    }
}

} // namespace

std::string graphHeaderLine1(const GraphSeries& graph) {
    return text::format1252(" Últimos datos del día %02d/%02d/%d a las %.2f horas: %9s", graph.day, graph.month,
                            graph.year, graph.lastTime / 100.0, graph.title.c_str());
}

int feelsLikeTemperature(int temperature, int windSpeed) {
    if (temperature == kMissing || windSpeed == kMissing) {
        return temperature;
    }
    const double tf = 1.8 * temperature + 32.0;
    const double v = std::max(0.0, windSpeed / 1.609);
    if ((tf <= 63.0 && v > 3.0) || tf >= 77.0) {
        const double v16 = std::pow(v, 0.16);
        return truncToInt((35.74 + 0.6215 * tf - 35.75 * v16 + 0.4275 * tf * v16 - 32.0) * 0.555555);
    }
    return temperature;
}

int slotHumidity(const SessionState& session, int slot) {
    if (slot < 0 || slot >= kSlots) {
        return kMissing;
    }
    const GraphSeries& g = session.graph;
    if (session.view.banyeresGraph) {
        return g.banyeresHumiditySeries[slot];
    }
    if (g.hasHumiditySeries) {
        return g.humiditySeries[slot];
    }
    if (g.temperature[slot] == kMissing || g.dewPoint[slot] == kMissing) {
        return kMissing;
    }
    return relativeHumidity(g.temperature[slot], g.dewPoint[slot]);
}

std::string graphHeaderLine2(const SessionState& session) {
    const GraphSeries& g = session.graph;
    const int t = g.temperature[kLatest];
    const int td = g.dewPoint[kLatest];
    const int p = g.pressure[kLatest];
    const int w = g.windSpeed[kLatest];
    if (t == kMissing && td == kMissing && w == kMissing && !session.view.emaGraphShown) {
        return text::cp1252(" No hay datos actualizados en la última hora");
    }
    const int st = feelsLikeTemperature(t, w);
    const std::string h = valueOrDash(slotHumidity(session, kLatest));
    const std::string direction = compass::spanishName(g.windDirection[kLatest].view());
    const std::string ts = valueOrDash(t), tds = valueOrDash(td), ps = valueOrDash(p), ws = valueOrDash(w);
    if (g.hasGust) {
        if (st != t) {
            return text::format1252(" Temp: %sºC (ST=%dº), Pto de rocío: %sºC, Humedad rel.: %s %%, Presión: %s mb., "
                                    "Viento: %s km/h (ráfagas de %d km/h), dirección: %s.",
                                    ts.c_str(), st, tds.c_str(), h.c_str(), ps.c_str(), ws.c_str(), g.gustSpeed,
                                    direction.c_str());
        }
        return text::format1252(" Temp: %sºC, Pto de rocío: %sºC, Humedad rel.: %s %%, Presión: %s mb., "
                                "Viento: %s km/h (ráfagas de %d km/h), dirección: %s.",
                                ts.c_str(), tds.c_str(), h.c_str(), ps.c_str(), ws.c_str(), g.gustSpeed,
                                direction.c_str());
    }
    if (st != t) {
        return text::format1252(" Temperatura: %sºC (ST=%dº). Punto de rocío: %sºC. Humedad rel.: %s %%. "
                                "Presión: %s mb. Viento: %s km/h. Dirección: %s.",
                                ts.c_str(), st, tds.c_str(), h.c_str(), ps.c_str(), ws.c_str(), direction.c_str());
    }
    return text::format1252(" Temperatura: %sºC. Punto de rocío: %sºC. Humedad rel.: %s %%. Presión: %s mb. "
                            "Viento: %s km/h. Dirección: %s.",
                            ts.c_str(), tds.c_str(), h.c_str(), ps.c_str(), ws.c_str(), direction.c_str());
}

void validateSeries(GraphSeries& graph) {
    replaceOutside(graph.temperature, -100, 100);
    replaceOutside(graph.dewPoint, -100, 100);
    replaceOutside(graph.pressure, 700, 1200);
    replaceOutside(graph.windSpeed, 1, 300);
}

} // namespace brisalta
