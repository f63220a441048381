// The addresses of the public services the program reads. Each has a real
// default and can be overridden in "servicios.ini" in the settings folder (one
// "clave = valor" line each) and by command-line options; tests point them at
// loopback servers or replay folders.
#pragma once

#include <filesystem>
#include <string>

namespace brisalta {

struct ServiceTable {
    std::string noaaHost = "tgftp.nws.noaa.gov";             // current conditions, METAR files (FTP)
    std::string aviationWeatherHost = "aviationweather.gov"; // METAR query page (HTTPS)
    std::string banyeresHost = "drive.google.com";           // file-sharing link of the Banyeres data
    std::string banyeresFileId = "ID_DEL_FICHERO_DE_BANYERES"; // replace with the school's file id
    std::string soundingListHost = "weather.uwyo.edu";       // text-list sounding service (HTTP)
    std::string soundingSecondHost = "www.meteociel.fr";     // second sounding service (HTTPS)
    std::string aemetHost = "opendata.aemet.es";             // AEMET OpenData (HTTPS)
};

// Keys of "servicios.ini", in the order they are written.
inline constexpr const char* kServiceKeys[] = {
    "noaa", "aviacion", "banyeres_servidor", "banyeres_fichero",
    "sondeos_lista", "sondeos_segundo", "aemet"};

// The field a key of "servicios.ini" sets, or nullptr for an unknown key.
std::string* serviceField(ServiceTable& table, const std::string& key);

// Reads the overrides of a "servicios.ini" over the defaults. A missing file,
// blank lines, lines starting with '#' or ';' and unknown keys are ignored.
ServiceTable loadServiceTable(const std::filesystem::path& iniFile);

} // namespace brisalta
