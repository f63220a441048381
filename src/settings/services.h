// The addresses of the public services the program reads. Each has a real
// default and can be overridden in "servicios.ini" in the settings folder (one
// "clave = valor" line each) and by command-line options; tests point them at
// loopback servers or replay folders.
#pragma once

#include <cstddef>
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

// Longest "servicios.ini" taken (a real one is a few lines), longest host
// name (253 bytes, a port and brackets), longest file-sharing identifier.
inline constexpr std::size_t kMaxServicesBytes = 64 * 1024;
inline constexpr std::size_t kMaxHostBytes = 262;
inline constexpr std::size_t kMaxFileIdBytes = 256;

// True when `value` can be what `key` names: a host name, an IP address with
// an optional port, or (banyeres_fichero) a file-sharing identifier.
bool plausibleServiceValue(const std::string& key, const std::string& value);

// Reads the overrides of a "servicios.ini" over the defaults. A missing file,
// one that is not a regular file or is larger than kMaxServicesBytes, blank
// lines, lines starting with '#' or ';', unknown keys and values that cannot
// be what their key names are ignored.
ServiceTable loadServiceTable(const std::filesystem::path& iniFile);

} // namespace brisalta
