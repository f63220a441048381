// The addresses of the public services the program reads. Each has a real
// default and can be overridden in "servicios.ini" in the settings folder (one
// "clave = valor" line each) and by command-line options; tests point them at
// loopback servers or replay folders.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace brisalta {

// Which services a graph or a sounding is asked of: today's (the data API and
// the mesonet; the new sounding interface, then the classic services) or the
// classic chain alone (NOAA pages; the text-list and second services).
enum class SourceChain { Actual, Classic };

// "actual" or "clasico" (as "servicios.ini" and --fuente write them), or nothing.
std::optional<SourceChain> sourceChainOf(std::string_view text);

struct ServiceTable {
    std::string noaaHost = "tgftp.nws.noaa.gov";             // current conditions, METAR files (FTP)
    std::string aviationWeatherHost = "aviationweather.gov"; // METAR query page (HTTPS)
    std::string banyeresHost = "drive.google.com";           // file-sharing link of the Banyeres data
    std::string banyeresFileId = "ID_DEL_FICHERO_DE_BANYERES"; // replace with the school's file id
    std::string soundingListHost = "weather.uwyo.edu";       // text-list sounding service (HTTP)
    std::string soundingSecondHost = "www.meteociel.fr";     // second sounding service (HTTPS)
    std::string aemetHost = "opendata.aemet.es";             // AEMET OpenData (HTTPS)
    // Today's services: base addresses with their scheme.
    std::string awcBase = "https://aviationweather.gov";          // the METAR data API
    std::string iemBase = "https://mesonet.agron.iastate.edu";    // the mesonet's ASOS archive
    std::string wyomingBase = "https://weather.uwyo.edu";         // the new sounding interface
    SourceChain metarChain = SourceChain::Actual;    // "fuente_metar": the airport graph
    SourceChain soundingChain = SourceChain::Actual; // "fuente_sondeos": observed soundings
};

// Address keys of "servicios.ini" (the ones --servicio changes too).
inline constexpr const char* kServiceKeys[] = {
    "noaa", "aviacion", "banyeres_servidor", "banyeres_fichero",
    "sondeos_lista", "sondeos_segundo", "aemet", "awc", "iem", "wyoming"};

// The field an address key of "servicios.ini" sets, or nullptr for another key.
std::string* serviceField(ServiceTable& table, const std::string& key);

// Longest "servicios.ini" taken (a real one is a few lines), longest host
// name (253 bytes, a port and brackets), longest file-sharing identifier.
inline constexpr std::size_t kMaxServicesBytes = 64 * 1024;
inline constexpr std::size_t kMaxHostBytes = 262;
inline constexpr std::size_t kMaxFileIdBytes = 256;

// True when `value` can be what `key` names: a host name, an IP address with
// an optional port, (banyeres_fichero) a file-sharing identifier, or (awc,
// iem, wyoming) an http:// or https:// base address.
bool plausibleServiceValue(const std::string& key, const std::string& value);

// Reads the overrides of a "servicios.ini" over the defaults: the address
// keys, and "fuente_metar" / "fuente_sondeos" = actual | clasico. A missing
// file, one that is not a regular file or is larger than kMaxServicesBytes,
// blank lines, lines starting with '#' or ';', unknown keys, chain values
// other than those two and addresses that cannot be what their key names are
// ignored.
ServiceTable loadServiceTable(const std::filesystem::path& iniFile);

} // namespace brisalta
