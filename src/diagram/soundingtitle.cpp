// Title of the sounding diagram.
#include "diagram/soundingtitle.h"

#include "text/codepage.h"
#include "text/textutil.h"

#include <array>

namespace brisalta {

const char* monthName(int month) {
    static constexpr std::array<const char*, 12> kMonths = {
        "Enero", "Febrero", "Marzo",      "Abril",   "Mayo",      "Junio",
        "Julio", "Agosto",  "Septiembre", "Octubre", "Noviembre", "Diciembre",
    };
    if (month < 1 || month > 12) {
        return nullptr;
    }
    return kMonths[static_cast<std::size_t>(month - 1)];
}

std::string soundingTitle(const SessionState& session) {
    const SoundingProfile& sounding = session.sounding;
    if (sounding.isForecast) {
        return sounding.title;
    }
    const StationSelection& s = session.selection;
    const char* name = monthName(text::leadingInteger(s.soundingMonth));
    const std::string month = name ? std::string(name) : s.soundingMonth;
    const std::string when = " a las " + s.soundingHour + " horas UTC del d" + text::cp1252("í") +
                             "a " + s.soundingDay + " de " + month + " de " + s.soundingYear;
    if (s.soundingFromCatalogue) {
        return "Sondeo de " + s.soundingStationName + when;
    }
    const std::string station = sounding.fromSecondService
                                    ? s.soundingStationName
                                    : std::string(sounding.forecastTitle.str());
    return "Sondeo " + station + when;
}

} // namespace brisalta
