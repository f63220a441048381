// The plausibility limits a sounding level must meet before the diagram is
// drawn: one set for observed soundings, a looser one for forecast listings,
// whose tables climb to 50 hPa and carry very dry upper levels.
#pragma once

#include "session/sessionstate.h"

#include <cstddef>
#include <vector>

namespace brisalta {

// Closed range [minimum, maximum] per column, in the column order of SoundingRow.
struct LevelLimits {
    SoundingRow minimum;
    SoundingRow maximum;
};

// Observed soundings: pressure 100…1300 hPa, height −300…30000 m, temperature
// −100…100 °C, dew point −120…100 °C, humidity 0…100 %, direction 0…360°,
// speed 0…500.
const LevelLimits& observedLevelLimits();

// Forecast listings: no lower bound for pressure and dew point.
const LevelLimits& forecastLevelLimits();

// True when every value lies inside its range. NaN lies inside no range.
bool levelWithinLimits(const SoundingRow& row, const LevelLimits& limits);

// True when the first `checked` rows (clamped to the rows there are) are all
// within the limits.
bool levelsWithinLimits(const std::vector<SoundingRow>& rows, int checked,
                        const LevelLimits& limits);

} // namespace brisalta
