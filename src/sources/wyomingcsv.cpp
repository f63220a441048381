// The new sounding interface's CSV, column by column name.
#include "sources/wyomingcsv.h"

#include "session/numeric.h"
#include "thermo/thermodynamics.h"
#include "sources/delimitedtext.h"
#include "weather/derived.h"

#include <algorithm>
#include <array>
#include <optional>

namespace brisalta::sources {
namespace {

constexpr double kKnotsPerMetrePerSecond = 3600.0 / 1852.0;
constexpr double kKnotsPerKmh = 1.0 / 1.852;
constexpr double kTopPressure = 100.0; // hPa

// The service's own answer when it has no sounding for the station and time.
constexpr std::string_view kNotFoundText = "Unable to retrieve the data";

struct Columns {
    // Index of the column of each SoundingColumn, and of the launch time.
    std::array<std::optional<std::size_t>, kLevelColumns> of;
    std::optional<std::size_t> time;
    double knotsPerSpeedUnit = kKnotsPerMetrePerSecond;
};

Columns columnsOf(const std::vector<std::string>& header) {
    Columns columns;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string field = lowerAscii(trimmed(header[i]));
        // "wind speed_m/s": the name, then the unit after the last "_".
        const std::size_t underscore = field.rfind('_');
        const std::string_view name = trimmed(std::string_view(field).substr(0, underscore));
        const std::string_view unit = underscore == std::string::npos
                                          ? std::string_view()
                                          : trimmed(std::string_view(field).substr(underscore + 1));
        std::optional<std::size_t>* slot = nullptr;
        if (name == "time") {
            slot = &columns.time;
        } else if (name == "pressure") {
            slot = &columns.of[kPressure];
        } else if (name == "geopotential height") {
            slot = &columns.of[kHeight];
        } else if (name == "temperature") {
            slot = &columns.of[kTemperature];
        } else if (name == "dew point temperature") {
            slot = &columns.of[kDewPoint];
        } else if (name == "relative humidity") {
            slot = &columns.of[kHumidity];
        } else if (name == "wind direction") {
            slot = &columns.of[kWindDirection];
        } else if (name == "wind speed") {
            slot = &columns.of[kWindSpeed];
            if (!columns.of[kWindSpeed]) {
                columns.knotsPerSpeedUnit = unit == "knot" || unit == "knots" || unit == "kt" ? 1.0
                                            : unit == "km/h" ? kKnotsPerKmh
                                                             : kKnotsPerMetrePerSecond;
            }
        }
        if (slot != nullptr && !slot->has_value()) {
            *slot = i;
        }
    }
    return columns;
}

bool hasNeededColumns(const Columns& columns) {
    return columns.of[kPressure] && columns.of[kHeight] && columns.of[kTemperature] &&
           columns.of[kDewPoint];
}

// One level as read: each value may be missing.
struct Level {
    std::array<std::optional<double>, kLevelColumns> value;
    std::string time;
};

Level levelOf(const std::vector<std::string>& fields, const Columns& columns) {
    Level level;
    for (int c = 0; c < kLevelColumns; ++c) {
        const std::optional<std::size_t> column = columns.of[c];
        if (column && *column < fields.size()) {
            level.value[c] = parseNumber(fields[*column]);
        }
    }
    if (level.value[kWindSpeed]) {
        *level.value[kWindSpeed] *= columns.knotsPerSpeedUnit;
    }
    if (columns.time && *columns.time < fields.size()) {
        level.time = std::string(trimmed(fields[*columns.time]));
    }
    return level;
}

bool complete(const Level& level) {
    return level.value[kPressure] && level.value[kHeight] && level.value[kTemperature] &&
           level.value[kDewPoint];
}

bool hasWind(const Level& level) {
    return level.value[kWindDirection] && level.value[kWindSpeed];
}

double humidityOf(double temperature, double dewPoint) {
    const double saturation = saturationVapourPressure(temperature);
    if (saturation <= 0.0) {
        return 0.0;
    }
    return roundToDecimals(100.0 * saturationVapourPressure(dewPoint) / saturation, 0);
}

// For each level, the level whose wind it shows: itself when it has one,
// else the nearest level below with a wind, else the nearest above; nothing
// when no level has one. Two passes, so a long answer stays linear.
std::vector<std::optional<std::size_t>> windSources(const std::vector<Level>& levels) {
    std::vector<std::optional<std::size_t>> source(levels.size());
    std::optional<std::size_t> below;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        if (hasWind(levels[i])) {
            below = i;
        }
        source[i] = below;
    }
    std::optional<std::size_t> above;
    for (std::size_t i = levels.size(); i-- > 0;) {
        if (hasWind(levels[i])) {
            above = i;
        }
        if (!source[i]) {
            source[i] = above;
        }
    }
    return source;
}

SoundingRow rowOf(const Level& level) {
    SoundingRow row{};
    for (int c = 0; c < kLevelColumns; ++c) {
        row[c] = static_cast<float>(level.value[c].value_or(0.0));
    }
    return row;
}

} // namespace

WyomingSounding readWyomingCsv(std::string_view body, int httpStatus) {
    WyomingSounding result;
    const std::string_view content = trimmed(body);
    if (httpStatus == 404 || content.starts_with(kNotFoundText)) {
        result.problem = SoundingProblem::NotFound;
        return result;
    }
    if (content.empty()) {
        result.problem = SoundingProblem::Empty;
        return result;
    }
    if (body.size() > kMaxSoundingBytes) {
        result.problem = SoundingProblem::TooLarge;
        return result;
    }
    if (content.front() == '<') {
        result.problem = SoundingProblem::HtmlPage;
        return result;
    }

    const std::vector<std::string_view> lines = splitLines(content);
    const Columns columns = columnsOf(splitFields(lines.front(), ','));
    if (!hasNeededColumns(columns)) {
        result.problem = SoundingProblem::UnexpectedShape;
        return result;
    }

    std::vector<Level> levels;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (isBlank(lines[i])) {
            continue;
        }
        ++result.levelsInAnswer;
        Level level = levelOf(splitFields(lines[i], ','), columns);
        if (!complete(level)) {
            ++result.droppedLevels;
            result.firstLevelDropped = result.firstLevelDropped || result.levelsInAnswer == 1;
            continue;
        }
        // The text-list table ends at the 100 hPa level, and the level limits
        // of an observed sounding stop there too (100 hPa, 30000 m): higher
        // levels would keep the whole sounding from being drawn.
        if (*level.value[kPressure] < kTopPressure) {
            ++result.levelsAboveTop;
            continue;
        }
        levels.push_back(std::move(level));
    }
    if (levels.empty()) {
        result.problem = SoundingProblem::NoLevels;
        return result;
    }

    // Lowest level first: the greatest pressure.
    std::stable_sort(levels.begin(), levels.end(), [](const Level& a, const Level& b) {
        return *a.value[kPressure] > *b.value[kPressure];
    });

    const std::vector<std::optional<std::size_t>> windFrom = windSources(levels);
    const std::size_t kept = std::min<std::size_t>(levels.size(), kMirrorRows);
    result.truncated = kept < levels.size();
    result.rows.reserve(kept);
    for (std::size_t i = 0; i < kept; ++i) {
        Level& level = levels[i];
        if (!level.value[kHumidity]) {
            level.value[kHumidity] =
                humidityOf(*level.value[kTemperature], *level.value[kDewPoint]);
            ++result.filledHumidity;
        }
        if (!hasWind(level)) {
            const std::optional<std::size_t> from = windFrom[i];
            level.value[kWindDirection] = from ? *levels[*from].value[kWindDirection] : 0.0;
            level.value[kWindSpeed] = from ? *levels[*from].value[kWindSpeed] : 0.0;
            ++result.filledWind;
        }
        result.rows.push_back(rowOf(level));
    }
    result.launchTime = levels.front().time;
    result.problem = SoundingProblem::None;
    return result;
}

std::string wyomingStationText(std::string_view stationId, std::string_view stationName) {
    std::string text(trimmed(stationId));
    text += ' ';
    const std::string_view name = trimmed(stationName);
    if (!name.empty()) {
        text += name;
        text += ' ';
    }
    return text;
}

} // namespace brisalta::sources
