// Scale ranges and daily extremes of the 24-hour graph.
#include "graph/graphextremes.h"

#include "graph/graphgeometry.h"
#include "weather/compass.h"

#include <algorithm>

namespace brisalta {
namespace {

bool present(int value) { return value != kMissing; }

int firstPresent(const Slots<int>& values) {
    for (int i = 0; i < kSlots; ++i) {
        if (present(values[i])) {
            return i;
        }
    }
    return -1;
}

std::string directionNameOf(const GraphSeries& graph, int slot) {
    return compass::spanishName(graph.windDirection[slot].view());
}

} // namespace

SeriesRanges seriesRangesOf(const GraphSeries& graph) {
    SeriesRanges r;
    for (int i = 0; i < kSlots; ++i) {
        if (const int t = graph.temperature[i]; present(t)) {
            r.maxTemperature = r.hasTemperature ? std::max(r.maxTemperature, t) : t;
            r.minTemperature = r.hasTemperature ? std::min(r.minTemperature, t) : t;
            r.hasTemperature = true;
        }
        if (const int td = graph.dewPoint[i]; present(td)) {
            r.minDewPoint = r.hasDewPoint ? std::min(r.minDewPoint, td) : td;
            r.hasDewPoint = true;
        }
        if (const int p = graph.pressure[i]; present(p)) {
            r.maxPressure = r.hasPressure ? std::max(r.maxPressure, p) : p;
            r.minPressure = r.hasPressure ? std::min(r.minPressure, p) : p;
            r.hasPressure = true;
        }
        if (const int w = graph.windSpeed[i]; present(w)) {
            r.maxWindSpeed = r.hasWindSpeed ? std::max(r.maxWindSpeed, w) : w;
            r.minWindSpeed = r.hasWindSpeed ? std::min(r.minWindSpeed, w) : w;
            r.hasWindSpeed = true;
        }
    }
    return r;
}

void startDailyExtremes(const GraphSeries& graph, DailyExtremes& e) {
    e.hasTemperature = false;
    if (const int i = firstPresent(graph.temperature); i >= 0) {
        e.maxTemperature = e.minTemperature = graph.temperature[i];
        e.maxTemperatureHour = e.minTemperatureHour = graph.hour[i];
        e.hasTemperature = true;
    }
    if (const int i = firstPresent(graph.pressure); i >= 0) {
        e.maxPressure = e.minPressure = graph.pressure[i];
        e.maxPressureHour = e.minPressureHour = graph.hour[i];
    }
    if (const int i = firstPresent(graph.windSpeed); i >= 0) {
        e.maxWindSpeed = graph.windSpeed[i];
        e.maxWindHour = graph.hour[i];
        e.maxWindDirectionName = directionNameOf(graph, i);
    }
}

void finishDailyExtremes(const GraphSeries& graph, bool shiftHours, int offsetHours, DailyExtremes& e) {
    for (int i = kSlots - 1; i >= 1; --i) {
        if (const int t = graph.temperature[i]; present(t)) {
            if (t > e.maxTemperature) {
                e.maxTemperature = t;
                e.maxTemperatureHour = graph.hour[i];
            }
            if (t < e.minTemperature) {
                e.minTemperature = t;
                e.minTemperatureHour = graph.hour[i];
            }
        }
        if (const int p = graph.pressure[i]; present(p)) {
            if (p > e.maxPressure) {
                e.maxPressure = p;
                e.maxPressureHour = graph.hour[i];
            }
            if (p < e.minPressure) {
                e.minPressure = p;
                e.minPressureHour = graph.hour[i];
            }
        }
        if (const int w = graph.windSpeed[i]; present(w) && w > e.maxWindSpeed) {
            e.maxWindSpeed = w;
            e.maxWindHour = graph.hour[i];
            e.maxWindDirectionName = directionNameOf(graph, i);
        }
    }
    if (!shiftHours) {
        return;
    }
    if (firstPresent(graph.temperature) >= 0) {
        e.maxTemperatureHour = advanceHour(e.maxTemperatureHour, offsetHours);
        e.minTemperatureHour = advanceHour(e.minTemperatureHour, offsetHours);
    }
    if (firstPresent(graph.pressure) >= 0) {
        e.maxPressureHour = advanceHour(e.maxPressureHour, offsetHours);
        e.minPressureHour = advanceHour(e.minPressureHour, offsetHours);
    }
    if (firstPresent(graph.windSpeed) >= 0) {
        e.maxWindHour = advanceHour(e.maxWindHour, offsetHours);
    }
}

} // namespace brisalta
