// Clearing, checking and numbering the hourly slots.
#include "surface/hourlyslots.h"

#include "session/sessionstate.h"

namespace brisalta {
namespace {

bool outside(int value, int low, int high) { return value > high || value < low; }

} // namespace

bool MissingCounts::enoughForGraph() const {
    return temperature < 21 || dewPoint < 21 || pressure < 21 || windSpeed < 21;
}

void clearSlot(GraphSeries& graph, int slot) {
    if (slot < 0 || slot >= kSlots) {
        return;
    }
    graph.temperature[slot] = kMissing;
    graph.dewPoint[slot] = kMissing;
    graph.pressure[slot] = kMissing;
    graph.windSpeed[slot] = kMissing;
    graph.windDirection[slot] = "No";
}

void clearSlots(GraphSeries& graph) {
    for (int i = 0; i < kSlots; ++i) {
        clearSlot(graph, i);
    }
}

MissingCounts validateSlots(GraphSeries& graph) {
    MissingCounts missing;
    for (int i = 0; i < kSlots; ++i) {
        if (outside(graph.temperature[i], -100, 100)) {
            graph.temperature[i] = kMissing;
        }
        if (outside(graph.dewPoint[i], -100, 100)) {
            graph.dewPoint[i] = kMissing;
        }
        if (outside(graph.pressure[i], 100, 1800)) {
            graph.pressure[i] = kMissing;
        }
        // A calm hour has no speed to draw.
        if (graph.windSpeed[i] <= 0 || graph.windSpeed[i] > 300) {
            graph.windSpeed[i] = kMissing;
        }
        if (outside(graph.hour[i], 0, 23)) {
            graph.hour[i] = ((graph.hour[i] % 24) + 24) % 24;
        }
        missing.temperature += graph.temperature[i] == kMissing ? 1 : 0;
        missing.dewPoint += graph.dewPoint[i] == kMissing ? 1 : 0;
        missing.pressure += graph.pressure[i] == kMissing ? 1 : 0;
        missing.windSpeed += graph.windSpeed[i] == kMissing ? 1 : 0;
    }
    return missing;
}

void numberEarlierHours(GraphSeries& graph, int newestUnreached) {
    if (newestUnreached < 0 || newestUnreached + 1 >= kSlots) {
        return;
    }
    const int anchor = graph.hour[newestUnreached + 1];
    if (anchor < 0 || anchor > 23) {
        return;
    }
    int hour = anchor;
    for (int i = newestUnreached; i >= 0; --i) {
        hour = hour == 0 ? 23 : hour - 1;
        graph.hour[i] = hour;
    }
}

} // namespace brisalta
