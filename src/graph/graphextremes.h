// The numbers the 24-hour graph derives from its series before drawing: the
// ranges its value scales are built from and the daily extremes that the
// statistics box, the hourly table and the printout show afterwards.
#pragma once

#include "session/sessionstate.h"

namespace brisalta {

// Highest and lowest present value of each series over the 24 slots (6666
// skipped). A series without any value has its `has...` flag false and its
// two ends at kMissing.
struct SeriesRanges {
    bool hasTemperature = false;
    int maxTemperature = kMissing;
    int minTemperature = kMissing;
    bool hasDewPoint = false;
    int minDewPoint = kMissing;
    bool hasPressure = false;
    int maxPressure = kMissing;
    int minPressure = kMissing;
    bool hasWindSpeed = false;
    int maxWindSpeed = kMissing;
    int minWindSpeed = kMissing;
};

SeriesRanges seriesRangesOf(const GraphSeries& graph);

// Starting values of the daily extremes from the first slot that has each
// quantity: clears hasTemperature, then sets the temperature maximum and minimum
// (and hasTemperature), the pressure maximum and minimum, and the wind maximum
// with its direction name, each with the slot's hour. A quantity that no slot
// has leaves its fields as they were.
void startDailyExtremes(const GraphSeries& graph, DailyExtremes& extremes);

// Completes the extremes started by startDailyExtremes: slots 23 down to 1
// replace a maximum only when strictly greater and a minimum only when
// strictly less, so the latest slot wins a tie unless the first present slot
// holds the value. Then, when shiftHours is true, the hours found in this
// series are advanced by offsetHours (advanceHour). Hours left over from an
// earlier series are not shifted again.
void finishDailyExtremes(const GraphSeries& graph, bool shiftHours, int offsetHours,
                         DailyExtremes& extremes);

} // namespace brisalta
