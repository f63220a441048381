// The picture in the session as JSON, for scripts: the graph's series with its
// daily extremes and header copies, or the sounding's levels.
#pragma once

#include "session/sessionstate.h"
#include "tables/datatable.h"

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

// A data table as its dialog shows it: title, headerLine1, headerLine2,
// columns, rows (the cell texts) and highlights ({row, column, colour
// "#RRGGBB"}, rows and columns counted from 0 over the data cells).
QJsonObject tableJson(const DataTable& table);

// Windows-1252 texts as a JSON array of strings.
QJsonArray textArray(const std::vector<std::string>& texts);

} // namespace brisalta::cli
