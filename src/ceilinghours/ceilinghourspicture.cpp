// Preparing "Techo por horas": the simulations, the scale and the texts.
#include "ceilinghours/ceilinghourspicture.h"

#include "ceilinghours/ceilingbyhour.h"
#include "ceilinghours/ceilinghoursgeometry.h"
#include "diagram/soundingtitle.h"
#include "text/codepage.h"
#include "text/format.h"
#include "text/textutil.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace brisalta {
namespace {

// The airport and the sounding's lowest level are told apart in the footnote
// when they are this far apart (m).
constexpr int kGroundNoteMetres = 50;

ViewFlags ceilingHoursCommands(const SessionState& session) {
    ViewFlags v;
    v.swapEnabled = session.view.graphAvailable && session.view.soundingAvailable;
    v.printEnabled = true;
    return v;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Days since 1970-01-01 of a civil date (proleptic Gregorian).
long long daysFromCivil(long long y, long long m, long long d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

bool plausibleDate(int y, int m, int d) {
    return y >= 1900 && y <= 2200 && m >= 1 && m <= 12 && d >= 1 && d <= 31;
}

std::string title(const SessionState& session) {
    std::string place = trimmed(session.view.headerTitle);
    if (place.empty()) {
        place = trimmed(session.graph.title);
    }
    const GraphSeries& g = session.graph;
    std::string line = "Techo por horas: " + place;
    if (plausibleDate(g.year, g.month, g.day)) {
        line += text::format(", datos del %02d/%02d/%d", g.day, g.month, g.year);
    }
    return line;
}

std::vector<std::string> notes(const SessionState& session, const CeilingHours& c) {
    std::vector<std::string> lines;
    const StationSelection& s = session.selection;
    if (session.sounding.isForecast) {
        lines.push_back(text::cp1252("Un solo sondeo previsto para todo el día: se supone que la "
                                     "masa de aire no cambia."));
    } else {
        lines.push_back(text::format1252("Un solo sondeo, el de las %s UTC del %s/%s/%s "
                                         "(normalmente el de la mañana), para todo "
                                         "el día: se supone que la masa de aire no cambia.",
                                         s.soundingHour.c_str(), s.soundingDay.c_str(),
                                         s.soundingMonth.c_str(), s.soundingYear.c_str()));
    }
    lines.push_back(
        text::cp1252("Cada hora, la simulación de techo propia de Brisalta (la de "
                     "«Simulación techo») con la temperatura y el rocío del aeropuerto."));
    const bool anyThermal = std::any_of(c.hours.begin(), c.hours.end(), [&](const CeilingHour& h) {
        return h.thermalTop && *h.thermalTop > c.soundingGround;
    });
    if (!anyThermal) {
        lines.push_back(text::format1252(
            "Ninguna hora da térmicas: el aire del aeropuerto no llega a estar más caliente que el "
            "del primer nivel del sondeo (%.1f ºC).",
            static_cast<double>(session.sounding.levels.front()[kTemperature])));
    }
    const int ground = static_cast<int>(c.soundingGround);
    if (c.airportElevation && std::abs(*c.airportElevation - ground) >= kGroundNoteMetres) {
        if (*c.airportElevation < ground) {
            lines.push_back(text::format1252(
                "El sondeo empieza a %d m, por encima del aeropuerto (%d m): las térmicas se "
                "simulan desde %d m.",
                ground, *c.airportElevation, ground));
        } else {
            lines.push_back(text::format1252(
                "El aeropuerto (%d m) está por encima del primer nivel del sondeo (%d m): las "
                "térmicas se simulan desde %d m.",
                *c.airportElevation, ground, ground));
        }
    }
    return lines;
}

// The graph ends on the day of its last observation (local time) and began
// the day before; a sounding (UTC) a day either side of that belongs to it,
// one of another day is pointed out.
std::string dateWarning(const SessionState& session) {
    const GraphSeries& g = session.graph;
    const StationSelection& s = session.selection;
    const int sy = text::leadingInteger(s.soundingYear);
    const int sm = text::leadingInteger(s.soundingMonth);
    const int sd = text::leadingInteger(s.soundingDay);
    if (session.sounding.isForecast || !plausibleDate(g.year, g.month, g.day) ||
        !plausibleDate(sy, sm, sd)) {
        return {};
    }
    const long long days = daysFromCivil(g.year, g.month, g.day) - daysFromCivil(sy, sm, sd);
    if (days >= -1 && days <= 1) {
        return {};
    }
    return text::format1252("Atención: las observaciones son del %02d/%02d/%d y el sondeo, del "
                            "%d/%d/%d.",
                            g.day, g.month, g.year, sd, sm, sy);
}

} // namespace

std::string ceilingHoursNeedsBothMessage() {
    return text::cp1252(
        "Para ver el techo por horas se necesita disponer de una gráfica y un sondeo");
}

std::string ceilingHoursNothingMessage() {
    return text::cp1252("La gráfica no tiene ninguna hora con temperatura y punto de rocío que "
                        "simular con el sondeo");
}

CeilingHoursModel prepareCeilingHours(const SessionState& session) {
    CeilingHoursModel m;
    m.commands = ceilingHoursCommands(session);
    m.ceilings = simulateCeilingHours(session);
    const CeilingHours& c = m.ceilings;
    const bool anyHour = std::any_of(c.hours.begin(), c.hours.end(), [](const CeilingHour& h) {
        return h.temperature && h.dewPoint;
    });
    if (!c.simulated || !anyHour) {
        return m;
    }
    m.drawable = true;

    double lowest = c.soundingGround;
    m.ground = c.soundingGround;
    if (c.airportElevation) {
        lowest = std::min<double>(lowest, *c.airportElevation);
        m.ground = std::max<double>(m.ground, *c.airportElevation);
    }
    // The line 1000 m over the ground always shows, with a little room above it.
    double highest = m.ground + kStrongThermalMetres + 100.0;
    for (std::size_t i = 0; i < c.hours.size(); ++i) {
        const CeilingHour& h = c.hours[i];
        for (const auto& value : {h.thermalTop, h.cloudBase, h.lowerBand, h.upperBand}) {
            if (value) {
                highest = std::max(highest, *value);
                lowest = std::min(lowest, *value);
            }
        }
        if (!m.firstStrongSlot && h.thermalTop && *h.thermalTop > m.ground + kStrongThermalMetres) {
            m.firstStrongSlot = static_cast<int>(i);
        }
    }
    m.scale = heightScaleFor(lowest, highest);
    m.title = title(session);
    m.soundingLine = soundingTitle(session);
    m.notes = notes(session, c);
    m.warning = dateWarning(session);
    return m;
}

} // namespace brisalta
