// The hourly and sounding tables laid out for the printed page.
#include "tables/printedtable.h"

#include "tables/hourlytable.h"
#include "tables/soundingtable.h"
#include "text/codepage.h"
#include "text/format.h"

#include <algorithm>
#include <optional>

namespace brisalta {
namespace {

constexpr Rgb kBlack{0, 0, 0};

std::string printedValue(int value, const char* missing) {
    return value == kMissing ? std::string(missing) : text::format("%2d", value);
}

Rgb printedColour(int value, int maximum, std::optional<int> minimum) {
    if (value == kMissing) {
        return kBlack;
    }
    Rgb colour = kBlack;
    if (value == maximum) {
        colour = kPrintedMaximumColour;
    }
    if (minimum && value == *minimum) {
        colour = kPrintedMinimumColour;
    }
    return colour;
}

// The printout's humidity is the one the table dialog shows (an automatic
// station's own series, the Banyeres station's measured one, else the value
// derived from temperature and dew point), and nothing without both of them.
int printedHumidity(const SessionState& session, int slot) {
    const GraphSeries& g = session.graph;
    if (g.temperature[slot] == kMissing || g.dewPoint[slot] == kMissing) {
        return kMissing;
    }
    return tableHumidity(session, slot);
}

std::string printedDirection(std::string_view direction) {
    if (direction == "No") {
        return " -";
    }
    std::string shown(direction);
    std::replace(shown.begin(), shown.end(), 'W', 'O');
    return shown;
}

} // namespace

PrintedTable printedHourlyTable(const SessionState& session) {
    PrintedTable table;
    const std::pair<int, const char*> headers[] = {
        {10, "Hora"},        {60, "TemperaturaºC"}, {190, "RocíoºC"},  {270, "Humedad %"},
        {380, "Presión mb"}, {480, "Viento km/h"},  {600, "Dirección"}};
    for (const auto& [x, header] : headers) {
        table.texts.push_back({x, -60, text::cp1252(header), kBlack});
    }
    table.rules.push_back({10, 670, -35});

    const GraphSeries& g = session.graph;
    const DailyExtremes& e = session.extremes;
    for (int slot = 0; slot < kSlots; ++slot) {
        const int y = 550 - 25 * slot;
        const int t = g.temperature[slot];
        const int p = g.pressure[slot];
        const int w = g.windSpeed[slot];
        table.texts.push_back(
            {10, y, text::format("%2d", tableHour(session, g.hour[slot])), kBlack});
        table.texts.push_back(
            {95, y, printedValue(t, " -"), printedColour(t, e.maxTemperature, e.minTemperature)});
        table.texts.push_back({210, y, printedValue(g.dewPoint[slot], " -"), kBlack});
        table.texts.push_back({295, y, printedValue(printedHumidity(session, slot), " -"), kBlack});
        table.texts.push_back(
            {410, y, printedValue(p, "  -"), printedColour(p, e.maxPressure, e.minPressure)});
        table.texts.push_back(
            {510, y, printedValue(w, " -"), printedColour(w, e.maxWindSpeed, std::nullopt)});
        table.texts.push_back({610, y, printedDirection(g.windDirection[slot].view()), kBlack});
    }
    return table;
}

PrintedTable printedSoundingTable(const SessionState& session) {
    PrintedTable table;
    const std::pair<int, const char*> headers[] = {
        {-80, "Altura(mts)"}, {28, "Presión(mb)"},   {128, "Temperatura(ºC)"}, {261, "Rocío(ºC)"},
        {352, "Humedad(%)"},  {457, "Viento(km/h)"}, {568, "Dirección(º)"}};
    for (const auto& [x, header] : headers) {
        table.texts.push_back({x, -50, text::cp1252(header), kBlack});
    }

    const SoundingProfile& sounding = session.sounding;
    const int count = std::clamp(sounding.count, 0, static_cast<int>(sounding.levels.size()));
    int rules = 0;
    for (int i = 1; i <= count; ++i) {
        if (i % 10 == 0) {
            table.rules.push_back({-80, 660, -15 + 15 * (i - 1) + 4 * rules});
            ++rules;
        }
        const int y = -15 + 15 * (i - 1) + 4 * rules;
        const SoundingRow& level = sounding.levels[static_cast<std::size_t>(i - 1)];
        table.texts.push_back({-60, y, text::format("%5.f", level[kHeight]), kBlack});
        table.texts.push_back({44, y, text::format("%4.f", level[kPressure]), kBlack});
        table.texts.push_back({150, y, text::format("%3.f", level[kTemperature]), kBlack});
        table.texts.push_back({271, y, text::format("%3.f", level[kDewPoint]), kBlack});
        table.texts.push_back({362, y, text::format("%3.f", level[kHumidity]), kBlack});
        table.texts.push_back(
            {475, y, text::format("%3.f", soundingWindKmh(sounding, level[kWindSpeed])), kBlack});
        table.texts.push_back({585, y, text::format("%3.f", level[kWindDirection]), kBlack});
    }
    return table;
}

} // namespace brisalta
