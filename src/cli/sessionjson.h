// The picture in the session as JSON, for scripts: the graph's series with its
// daily extremes and header copies, or the sounding's levels.
#pragma once

#include "session/sessionstate.h"

#include <QJsonArray>
#include <QJsonObject>

#include <string>
#include <vector>

namespace brisalta::cli {

// The GraphSeries fields (day ... gustSpeed), "extremes" with the DailyExtremes
// fields, headerLine1, headerLine2, headerTitle and axisStartHour.
QJsonObject graphJson(const SessionState& session);

// count, levels (count rows of seven numbers), soundingStationName,
// soundingHour, soundingDay, soundingMonth, soundingYear, isForecast, title,
// partialFirstRow, fromSecondService, forecastTitle, diagramTitle and the
// ceiling simulation's results under "ceiling".
QJsonObject soundingJson(const SessionState& session);

// Windows-1252 texts as a JSON array of strings.
QJsonArray textArray(const std::vector<std::string>& texts);

} // namespace brisalta::cli
