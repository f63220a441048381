// Post-processing of the automatic-station series.
#include "ema/opendataseries.h"

#include "ema/opendatavalues.h"
#include "session/sessionstate.h"

#include <algorithm>
#include <cmath>

namespace brisalta {
namespace {

constexpr const char* kCalm = "Calma";

// Dew point from relative humidity and temperature: the humidity formula of the
// graph solved for the dew point.
int dewPointFromHumidity(int humidity, double temperature) {
    const double h = humidity / 100.0;
    return opendata::nearestOrMissing(std::pow(h, 0.125) * (0.9 * temperature + 112.0) +
                                      0.1 * temperature - 112.0);
}

// Moves slots 0..n-1 to s..23 (s = 24 - n), newest last, and fills 0..s-1.
template <typename T> void alignOnNewest(Slots<T>& slots, int n, const T& fill) {
    const int s = kSlots - n;
    for (int i = n - 1; i >= 0; --i) {
        slots[s + i] = slots[i];
    }
    for (int k = 0; k < s; ++k) {
        slots[k] = fill;
    }
}

bool allEqual(const Slots<int>& slots, int value) {
    return std::all_of(slots.begin(), slots.end(), [value](int v) { return v == value; });
}

} // namespace

void finishOpenDataSeries(SessionState& session) {
    GraphSeries& g = session.graph;
    const int n = std::clamp(g.emaSlotCount, 0, kSlots);
    const int s = kSlots - n;

    for (int i = 0; i < kSlots; ++i) {
        if (g.hasDewPointSeries) {
            g.dewPoint[i] = g.dewPointSeries[i];
        } else if (g.humiditySeries[i] == kMissing || g.temperature[i] == kMissing) {
            g.dewPoint[i] = kMissing;
        } else {
            g.dewPoint[i] = dewPointFromHumidity(g.humiditySeries[i], g.rawTemperature[i]);
        }
    }

    alignOnNewest(g.temperature, n, kMissing);
    alignOnNewest(g.dewPoint, n, kMissing);
    alignOnNewest(g.humiditySeries, n, kMissing);
    alignOnNewest(g.windSpeed, n, kMissing);
    alignOnNewest(g.pressure, n, kMissing);
    // The leading hours count back from the first record, one per slot; they
    // are not wrapped, so they can be negative. Without any record there is
    // nothing to count from and the hours stay as they are.
    if (n > 0) {
        alignOnNewest(g.hour, n, 0);
        for (int k = 0; k < s; ++k) {
            g.hour[k] = s + k <= kSlots - 1 ? g.hour[s + k] - s : g.hour[s] - (s - k);
        }
    }

    for (int i = 0; i < kSlots; ++i) {
        if (g.windSpeed[i] == 0) {
            g.windSpeed[i] = kMissing;
        }
        if (g.pressure[i] == 0) {
            g.pressure[i] = kMissing;
        }
    }
    g.noWindSpeed = allEqual(g.windSpeed, kMissing);
    g.noPressure = allEqual(g.pressure, kMissing);

    alignOnNewest(g.windDirection, n, FixedText<9>(kCalm));
    for (auto& direction : g.windDirection) {
        if (direction.empty()) {
            direction = kCalm;
        }
    }
    g.allCalm = std::all_of(g.windDirection.begin(), g.windDirection.end(),
                            [](const FixedText<9>& d) { return d == kCalm; })
                    ? 1
                    : 0;
}

} // namespace brisalta
