// Graph and sounding sessions for the "Techo por horas" tests.
#include "ceilinghoursfixture.h"

#include "../diagram/diagramfixture.h"
#include "support/testplaces.h"

#include <stdexcept>

namespace brisalta::test {

std::unique_ptr<SessionState> demoSoundingSession(const std::string& station) {
    const std::filesystem::path demo = demoPath();
    if (station == "08579" || station == "60018") {
        const std::string region = station == "08579" ? "europe" : "africa";
        auto session =
            wyomingSession(demo / "weather.uwyo.edu" / "cgi-bin" /
                               ("sounding@region=" + region +
                                "_TYPE=TEXT_LIST_YEAR=__MONTH=__FROM=__TO=__STNM=" + station),
                           "17", "7", "2024", "12");
        return session;
    }
    if (station != "08430") {
        throw std::invalid_argument("no demo sounding for " + station);
    }
    return secondServiceSession(demo / "www.meteociel.fr" / "cartes_obs" /
                                "sondage_display.php@id=08430_map=4_date=__map2=4");
}

void addGraph(SessionState& session, const std::vector<GraphHour>& hours, int firstHour,
              std::optional<int> elevation) {
    GraphSeries& g = session.graph;
    for (int i = 0; i < kSlots; ++i) {
        const std::size_t s = static_cast<std::size_t>(i);
        g.hour[s] = (firstHour + i) % 24;
        g.temperature[s] = s < hours.size() ? hours[s].temperature : kMissing;
        g.dewPoint[s] = s < hours.size() ? hours[s].dewPoint : kMissing;
        g.pressure[s] = 1015;
        g.windSpeed[s] = 10;
        g.windDirection[s] = "S";
    }
    g.day = 17;
    g.month = 7;
    g.year = 2024;
    g.lastTime = 730;
    g.title = "Aeropuerto de Pruebas";
    g.altitudeKnown = elevation.has_value();
    g.altitudeMetres = elevation.value_or(0);
    session.view.headerTitle = g.title;
    session.view.graphAvailable = true;
    session.selection.timeOffsetHours = 1;
}

std::vector<GraphHour> sameEveryHour(int temperature, int dewPoint) {
    return std::vector<GraphHour>(kSlots, GraphHour{temperature, dewPoint});
}

} // namespace brisalta::test
