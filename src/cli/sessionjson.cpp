// Graph and sounding as JSON.
#include "cli/sessionjson.h"

#include "cli/output.h"
#include "diagram/ceilingsimulation.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace brisalta::cli {
namespace {

// Yes/no fields are written as 0 and 1, as scripts have always read them.
int flag(bool value) { return value ? 1 : 0; }

QJsonArray intArray(const Slots<int>& values) {
    QJsonArray array;
    for (int value : values) {
        array.append(value);
    }
    return array;
}

// A sounding value as the shortest decimal that reads back as the same float
// (1013.2, not 1013.2000122070312).
double shortestDecimal(float value) {
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer - 1, value);
    if (ec != std::errc()) {
        return static_cast<double>(value);
    }
    double parsed = 0.0;
    const auto [parsedEnd, parseEc] = std::from_chars(buffer, end, parsed);
    return parseEc == std::errc() ? parsed : static_cast<double>(value);
}

QJsonObject extremesJson(const DailyExtremes& e) {
    QJsonObject o;
    o.insert("maxTemperature", e.maxTemperature);
    o.insert("minTemperature", e.minTemperature);
    o.insert("maxTemperatureHour", e.maxTemperatureHour);
    o.insert("minTemperatureHour", e.minTemperatureHour);
    o.insert("maxPressure", e.maxPressure);
    o.insert("minPressure", e.minPressure);
    o.insert("maxPressureHour", e.maxPressureHour);
    o.insert("minPressureHour", e.minPressureHour);
    o.insert("maxWindSpeed", e.maxWindSpeed);
    o.insert("maxWindHour", e.maxWindHour);
    o.insert("maxWindDirectionName", toQString(e.maxWindDirectionName));
    o.insert("hasTemperature", flag(e.hasTemperature));
    return o;
}

// The ceiling simulation's results (all zero and empty when none was run).
QJsonObject ceilingJson(const SessionState& session) {
    const CeilingSimulation& c = session.ceiling;
    QJsonObject o;
    o.insert("simulationRequested", flag(session.sounding.simulationRequested));
    o.insert("surfaceTemperature", c.surfaceTemperature);
    o.insert("surfaceDewPoint", c.surfaceDewPoint);
    o.insert("thermalTopFound", flag(c.thermalTopFound));
    o.insert("thermalTopHeight", c.thermalTopHeight);
    o.insert("thermalTopText", toQString(c.thermalTopText));
    o.insert("cloudBaseFound", flag(c.cloudBaseFound));
    o.insert("cloudBaseHeight", c.cloudBaseHeight);
    o.insert("cloudBaseText", toQString(c.cloudBaseText));
    o.insert("ceilingHeight", c.ceilingHeight);
    o.insert("ceilingWindSpeed", c.ceilingWindSpeed);
    o.insert("ceilingWindDirection", c.ceilingWindDirection);
    o.insert("ceilingWindDirectionName", toQString(c.ceilingWindDirectionName));
    o.insert("sentence", toQString(ceilingResultSentence(session)));
    return o;
}

// Where the data came from; left out when it is not known (the classic
// chain, a document), so those outputs read as they always have.
void insertSource(QJsonObject& o, const DataSource& source) {
    if (source.name.empty()) {
        return;
    }
    QJsonObject s;
    s.insert("name", toQString(source.name));
    s.insert("address", toQString(source.address));
    s.insert("reports", source.reports);
    o.insert("source", s);
}

} // namespace

QJsonArray textArray(const std::vector<std::string>& texts) {
    QJsonArray array;
    for (const std::string& text : texts) {
        array.append(toQString(text));
    }
    return array;
}

QJsonObject graphJson(const SessionState& session) {
    const GraphSeries& g = session.graph;
    QJsonObject o;
    o.insert("day", g.day);
    o.insert("month", g.month);
    o.insert("year", g.year);
    o.insert("lastTime", g.lastTime);
    o.insert("humidity", g.humidity);
    o.insert("title", toQString(g.title));
    o.insert("hour", intArray(g.hour));
    o.insert("temperature", intArray(g.temperature));
    o.insert("dewPoint", intArray(g.dewPoint));
    o.insert("pressure", intArray(g.pressure));
    o.insert("windSpeed", intArray(g.windSpeed));
    QJsonArray directions;
    for (const auto& direction : g.windDirection) {
        directions.append(toQString(direction.str()));
    }
    o.insert("windDirection", directions);
    o.insert("pressureIsStation", flag(g.pressureIsStation));
    o.insert("altitudeKnown", flag(g.altitudeKnown));
    o.insert("altitudeMetres", g.altitudeMetres);
    o.insert("skyReport", toQString(g.skyReport));
    o.insert("hasTrend", flag(g.hasTrend));
    o.insert("hasGust", flag(g.hasGust));
    o.insert("gustSpeed", g.gustSpeed);
    o.insert("extremes", extremesJson(session.extremes));
    o.insert("headerLine1", toQString(session.view.headerLine1));
    o.insert("headerLine2", toQString(session.view.headerLine2));
    o.insert("headerTitle", toQString(session.view.headerTitle));
    o.insert("axisStartHour", session.view.axisStartHour);
    insertSource(o, session.view.graphSource);
    return o;
}

QJsonObject soundingJson(const SessionState& session) {
    const SoundingProfile& p = session.sounding;
    const StationSelection& s = session.selection;
    QJsonArray levels;
    const int count = std::min<int>(p.count, static_cast<int>(p.levels.size()));
    for (int i = 0; i < count; ++i) {
        QJsonArray row;
        for (float value : p.levels[static_cast<std::size_t>(i)]) {
            row.append(shortestDecimal(value));
        }
        levels.append(row);
    }
    QJsonObject o;
    o.insert("count", p.count);
    o.insert("levels", levels);
    o.insert("soundingStationName", toQString(s.soundingStationName));
    o.insert("soundingHour", toQString(s.soundingHour));
    o.insert("soundingDay", toQString(s.soundingDay));
    o.insert("soundingMonth", toQString(s.soundingMonth));
    o.insert("soundingYear", toQString(s.soundingYear));
    o.insert("isForecast", flag(p.isForecast));
    o.insert("title", toQString(p.title));
    o.insert("partialFirstRow", flag(p.partialFirstRow));
    o.insert("fromSecondService", flag(p.fromSecondService));
    o.insert("forecastTitle", toQString(p.forecastTitle.str()));
    o.insert("diagramTitle", toQString(p.diagramTitle));
    o.insert("ceiling", ceilingJson(session));
    insertSource(o, session.view.soundingSource);
    return o;
}

QJsonObject tableJson(const DataTable& table) {
    QJsonObject o;
    o.insert("title", toQString(table.title));
    o.insert("headerLine1", toQString(table.headerLine1));
    o.insert("headerLine2", toQString(table.headerLine2));
    o.insert("columns", textArray(table.columns));
    QJsonArray rows;
    for (const auto& row : table.rows) {
        rows.append(textArray(row));
    }
    o.insert("rows", rows);
    QJsonArray highlights;
    for (const CellHighlight& h : table.highlights) {
        QJsonObject cell;
        cell.insert("row", h.row);
        cell.insert("column", h.column);
        cell.insert("colour", QString::fromStdString(hexColour(h.colour)));
        highlights.append(cell);
    }
    o.insert("highlights", highlights);
    return o;
}

} // namespace brisalta::cli
