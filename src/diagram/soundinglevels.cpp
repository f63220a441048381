// The labelled levels of the sounding diagram.
#include "diagram/soundinglevels.h"

#include "session/numeric.h"

#include <array>
#include <optional>

namespace brisalta {
namespace {

// The zoomed diagram marks the first row below each of these pressures (hPa),
// tested in this order.
constexpr std::array<int, 4> kZoomMarkBounds = {665, 700, 790, 935};
constexpr int kLowestMarkBound = 935;
constexpr float kTopLevelPressure = 100.0f; // the text-list table's cut: labelled, no lines

bool chosenByRule(std::span<const SoundingRow> rows, std::size_t i, SoundingSource source,
                  bool zoomed) {
    const bool last = i + 1 == rows.size();
    if (zoomed) {
        return !last && rows[i][kHeight] < rows[i + 1][kHeight] - 300.0f;
    }
    switch (source) {
    case SoundingSource::TextList:
        return truncToInt(rows[i][kPressure]) % 50 == 0;
    case SoundingSource::SecondService:
        return i % 8 == 0 || last;
    case SoundingSource::Forecast:
        return i % 5 == 0 || last;
    }
    return false;
}

LevelMark labelledRow(std::span<const SoundingRow> rows, std::size_t i, int y) {
    LevelMark m;
    m.row = static_cast<int>(i);
    m.y = i == 1 ? y - 3 : y;
    m.pressure = truncToInt(rows[i][kPressure]);
    m.height = truncToInt(rows[i][kHeight]);
    m.pressureLabels = true;
    m.heightLabel = true;
    m.lines = rows[i][kPressure] != kTopLevelPressure;
    return m;
}

// One of the zoom marks at row i, or nothing to draw.
std::optional<LevelMark> zoomMark(std::span<const SoundingRow> rows, std::size_t i, int y,
                                  int bound) {
    LevelMark m;
    m.row = static_cast<int>(i);
    m.y = y;
    m.pressure = truncToInt(rows[i][kPressure]);
    m.height = truncToInt(rows[i][kHeight]);
    // The lowest mark alone checks that it is inside the panel.
    const bool inside = bound != kLowestMarkBound || y >= kPanelTop;
    if (i == 0) {
        // The bottom labels belong to the lowest row already.
        m.lines = inside;
    } else {
        m.heightLabel = true;
        m.pressureLabels = inside;
        m.lines = inside;
    }
    if (!m.lines && !m.heightLabel && !m.pressureLabels) {
        return std::nullopt;
    }
    return m;
}

} // namespace

SoundingSource soundingSource(const SoundingProfile& profile) {
    if (profile.isForecast) {
        return SoundingSource::Forecast;
    }
    return profile.fromSecondService ? SoundingSource::SecondService
                                          : SoundingSource::TextList;
}

std::vector<LevelMark> levelMarks(std::span<const SoundingRow> rows,
                                  const SoundingGeometry& geometry, SoundingSource source,
                                  bool zoomed) {
    std::vector<LevelMark> marks;
    if (!geometry.valid()) {
        return marks;
    }
    std::array<bool, kZoomMarkBounds.size()> made{};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int y = geometry.rowY(rows[i][kHeight]);
        if (chosenByRule(rows, i, source, zoomed) && y > kPanelTop - 1) {
            marks.push_back(labelledRow(rows, i, y));
        }
        if (!zoomed) {
            continue;
        }
        const int pressure = truncToInt(rows[i][kPressure]);
        for (std::size_t b = 0; b < kZoomMarkBounds.size(); ++b) {
            if (made[b] || pressure >= kZoomMarkBounds[b]) {
                continue;
            }
            made[b] = true;
            if (const auto mark = zoomMark(rows, i, y, kZoomMarkBounds[b])) {
                marks.push_back(*mark);
            }
        }
    }
    if (zoomed && !rows.empty()) {
        const std::size_t last = rows.size() - 1;
        const int y = geometry.rowY(rows[last][kHeight]);
        if (y > kPanelTop - 1) {
            marks.push_back(labelledRow(rows, last, y));
        }
    }
    return marks;
}

} // namespace brisalta
