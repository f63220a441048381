// The table of sounding levels.
#include "tables/soundingtable.h"

#include "tables/directiontexts.h"
#include "text/codepage.h"
#include "text/format.h"
#include "text/textutil.h"

#include <algorithm>

namespace brisalta {

double soundingWindKmh(const SoundingProfile& sounding, float speed) {
    if (sounding.isForecast || sounding.fromSecondService) {
        return speed;
    }
    return speed * 1.852;
}

std::string soundingTableTitle(const SessionState& session) {
    if (session.sounding.isForecast) {
        return session.sounding.forecastTitle.str();
    }
    const StationSelection& s = session.selection;
    const auto month = tables::monthName(text::leadingInteger(s.soundingMonth));
    return text::cp1252("Sondeo de la estación ") + s.soundingStationName + " a las " +
           s.soundingHour + text::cp1252(" horas UTC del día ") + s.soundingDay + " de " +
           (month ? *month : s.soundingMonth) + " de " + s.soundingYear;
}

DataTable soundingTable(const SessionState& session) {
    const SoundingProfile& sounding = session.sounding;
    DataTable table;
    table.kind = TableKind::Sounding;
    table.caption = "Datos Detallados Sondeo";
    table.title = soundingTableTitle(session);
    table.fontName = "Arial";
    for (const char* header : {"Altura mts.", "Presión mb", "Temperatura ºC", "Pto. Rocío ºC",
                               "Humedad %", "Viento km/h", "Dir. viento º"}) {
        table.columns.push_back(text::cp1252(header));
    }
    table.columnWidthsTwips = {1020, 1080, 1460, 1280, 1150, 1200, 1140};

    const int count = std::clamp(sounding.count, 0, static_cast<int>(sounding.levels.size()));
    for (int i = 0; i < count; ++i) {
        const SoundingRow& level = sounding.levels[static_cast<std::size_t>(i)];
        table.rows.push_back(
            {text::format("%.f", level[kHeight]), text::format("%.f", level[kPressure]),
             text::format("%.f", level[kTemperature]), text::format("%.f", level[kDewPoint]),
             text::format("%.f", level[kHumidity]),
             text::format("%.f", soundingWindKmh(sounding, level[kWindSpeed])),
             text::format("%.f", level[kWindDirection])});
        if (level[kTemperature] > -0.5f && level[kTemperature] < 0.5f) {
            table.highlights.push_back({i, 2, kMinimumColour});
        }
    }
    return table;
}

} // namespace brisalta
