// Level limits of observed and forecast soundings.
#include "sounding/soundinglimits.h"

#include <algorithm>
#include <limits>

namespace brisalta {

const LevelLimits& observedLevelLimits() {
    static const LevelLimits limits{
        {100.0f, -300.0f, -100.0f, -120.0f, 0.0f, 0.0f, 0.0f},
        {1300.0f, 30000.0f, 100.0f, 100.0f, 100.0f, 360.0f, 500.0f}};
    return limits;
}

const LevelLimits& forecastLevelLimits() {
    constexpr float kNoBound = -std::numeric_limits<float>::infinity();
    static const LevelLimits limits{
        {kNoBound, -300.0f, -100.0f, kNoBound, 0.0f, 0.0f, 0.0f},
        {1300.0f, 30000.0f, 100.0f, 100.0f, 100.0f, 360.0f, 500.0f}};
    return limits;
}

bool levelWithinLimits(const SoundingRow& row, const LevelLimits& limits) {
    for (std::size_t c = 0; c < row.size(); ++c) {
        // Written as "inside" rather than "not outside" so that NaN fails.
        if (!(row[c] >= limits.minimum[c] && row[c] <= limits.maximum[c])) {
            return false;
        }
    }
    return true;
}

bool levelsWithinLimits(const std::vector<SoundingRow>& rows, int checked,
                        const LevelLimits& limits) {
    const std::size_t n =
        checked <= 0 ? 0 : std::min(rows.size(), static_cast<std::size_t>(checked));
    for (std::size_t i = 0; i < n; ++i) {
        if (!levelWithinLimits(rows[i], limits)) {
            return false;
        }
    }
    return true;
}

} // namespace brisalta
