// Service addresses.
#include "net/serviceaddresses.h"

#include "text/format.h"

namespace brisalta {

std::string currentConditionsAddress(const ServiceTable& services, std::string_view icao) {
    return "ftp://" + services.noaaHost + "/weather/current/" + std::string(icao) + ".html";
}

std::string soundingListAddress(const ServiceTable& services, const StationSelection& s) {
    // The list service takes one observation: FROM and TO are the same day-hour.
    const std::string dayHour = s.soundingDay + s.soundingHour;
    return "http://" + services.soundingListHost + "/cgi-bin/sounding?region=" + s.soundingRegion +
           "&TYPE=TEXT:LIST&YEAR=" + s.soundingYear + "&MONTH=" + s.soundingMonth +
           "&FROM=" + dayHour + "&TO=" + dayHour + "&STNM=" + s.soundingStationId;
}

std::string secondSoundingAddress(const ServiceTable& services, std::string_view stationId,
                                  int secondServiceDate) {
    return "https://" + services.soundingSecondHost +
           "/cartes_obs/sondage_display.php?id=" + std::string(stationId) +
           "&map=4&date=" + text::format("%d", secondServiceDate) + "&map2=4";
}

std::string queryPageAddress(const ServiceTable& services, std::string_view icao) {
    return "https://" + services.aviationWeatherHost +
           "/adds/metars?station_ids=" + std::string(icao) +
           "&std_trans=standard&chk_metars=on&hoursStr=most+recent+only&submitmet=Submit";
}

std::string banyeresAddress(const ServiceTable& services) {
    return "https://" + services.banyeresHost + "/file/d/" + services.banyeresFileId;
}

std::string stationFileBaseAddress(const ServiceTable& services) {
    return "ftp://" + services.noaaHost;
}

std::string noaaHostLabel(const ServiceTable& services) {
    return services.noaaHost.substr(0, services.noaaHost.find('.'));
}

} // namespace brisalta
