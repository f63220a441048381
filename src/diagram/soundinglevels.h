// Which levels of the sounding get their pressure and height written beside
// the panels, and a horizontal line across both: the choice depends on the
// source of the sounding, and on the zoom, where the levels are picked by
// their spacing and four marks keep the layers pilots look for.
#pragma once

#include "session/sessionstate.h"
#include "diagram/soundinggeometry.h"

#include <span>
#include <vector>

namespace brisalta {

enum class SoundingSource {
    TextList,      // the text-list service: pressures on round values
    SecondService, // 102 resampled rows
    Forecast,      // a forecast listing
};

// A forecast is a forecast whatever service was used before it.
SoundingSource soundingSource(const SoundingProfile& profile);

// One labelled level: "%4d" of the pressure at (40, y − 7) and (775, y − 7),
// "%5d" of the height at (400, y − 7), and the lines (80, y)–(380, y) and
// (465, y)–(765, y), each part only when its flag is set.
struct LevelMark {
    int row = 0;
    int y = 0;        // design Y of the line; the labels sit 7 units above it
    int pressure = 0; // hPa, truncated
    int height = 0;   // m, truncated
    bool pressureLabels = false;
    bool heightLabel = false;
    bool lines = false;
    friend bool operator==(const LevelMark&, const LevelMark&) = default;
};

// The labelled levels of a drawing, in drawing order. Not zoomed: every
// multiple of 50 hPa (text-list), every 8th row (second service) or every
// 5th row (forecast), plus the last row for the last two. Zoomed: each row
// more than 300 m below the next, then the first rows below 665, 700, 790 and
// 935 hPa, then the last row. Only rows drawn inside the panel (Y > 84) are
// labelled by those rules; row 1 sits 3 units higher so that its labels clear
// the bottom ones; a level at exactly 100 hPa gets its labels but no lines.
std::vector<LevelMark> levelMarks(std::span<const SoundingRow> rows,
                                  const SoundingGeometry& geometry, SoundingSource source,
                                  bool zoomed);

} // namespace brisalta
