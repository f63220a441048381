// The addresses the download layer asks the services for. The hosts come from
// the service table ("servicios.ini"); paths and query keys are the services'.
#pragma once

#include "session/sessionstate.h"
#include "settings/services.h"

#include <string>
#include <string_view>

namespace brisalta {

// Folder of the per-station METAR files on the NOAA FTP server.
inline constexpr const char* kStationFileDirectory = "/data/observations/metar/stations/";

// "ftp://<noaa>/weather/current/<icao>.html": the airport's current conditions.
std::string currentConditionsAddress(const ServiceTable& services, std::string_view icao);

// The text-list sounding query for the station, date and hour of the selection.
std::string soundingListAddress(const ServiceTable& services, const StationSelection& selection);

// The second sounding service's page for a station and a date parameter.
std::string secondSoundingAddress(const ServiceTable& services, std::string_view stationId,
                                  int secondServiceDate);

// The aviation weather METAR query page, most recent report only.
std::string queryPageAddress(const ServiceTable& services, std::string_view icao);

// "https://<host>/file/d/<id>": the file-sharing link of the Banyeres table.
std::string banyeresAddress(const ServiceTable& services);

// "ftp://<noaa>": the base address of the per-station METAR files.
std::string stationFileBaseAddress(const ServiceTable& services);

// The NOAA server's host name up to its first dot ("tgftp"): an address that
// contains it is fetched with the plain download, not the HTTP procedure.
std::string noaaHostLabel(const ServiceTable& services);

} // namespace brisalta
