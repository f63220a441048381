// Housekeeping of the 24 hourly slots shared by the surface readers: clearing
// them before a new station is read, the plausibility check every reader ends
// with, and the hours of slots the source did not reach.
#pragma once

namespace brisalta {

struct GraphSeries;

// How many slots of each series are missing (6666).
struct MissingCounts {
    int temperature = 0;
    int dewPoint = 0;
    int pressure = 0;
    int windSpeed = 0;

    // A graph is worth drawing when at least one series has fewer than 21 gaps.
    bool enoughForGraph() const;
};

// Marks every slot as missing: 6666 in temperature, dew point, pressure and
// wind speed, "No" as direction. The hours are left alone.
void clearSlots(GraphSeries& graph);

// Marks one slot as missing, as clearSlots does for all of them.
void clearSlot(GraphSeries& graph, int slot);

// Replaces implausible values by 6666 in all 24 slots: a temperature or dew
// point above 100 or below -100 °C, a pressure above 1800 or below 100 hPa,
// and a wind speed of 0 (calm), below 0 or above 300 km/h. An hour outside
// 0..23, which only a damaged source gives, is wrapped onto the clock so that
// the hour axes stay within the day. Returns the gaps of each series.
MissingCounts validateSlots(GraphSeries& graph);

// Gives the slots older than `newestUnreached` + 1 consecutive hours counting
// back from the slot after them, so that the hour axis stays continuous when
// a source filled fewer than 24 slots. Slots 0..newestUnreached are numbered;
// nothing happens when the slot after them holds no hour of the day.
void numberEarlierHours(GraphSeries& graph, int newestUnreached);

} // namespace brisalta
