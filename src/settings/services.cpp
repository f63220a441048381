// Service addresses and their overrides.
#include "settings/services.h"

#include "text/boundedfile.h"
#include "text/debuglog.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <string_view>

namespace brisalta {
namespace {

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = s.find_last_not_of(" \t\r\n");
    return s.substr(first, last - first + 1);
}

// A base address of today's services: "http://" or "https://", a host as
// above, and an optional path of plain characters.
bool plausibleBaseAddress(const std::string& value) {
    for (const std::string_view scheme : {"https://", "http://"}) {
        if (value.starts_with(scheme)) {
            const std::string rest = value.substr(scheme.size());
            return !rest.empty() && rest.size() <= kMaxHostBytes + 64 &&
                   std::all_of(rest.begin(), rest.end(), [](unsigned char c) {
                       return std::isalnum(c) || c == '-' || c == '.' || c == ':' || c == '[' ||
                              c == ']' || c == '_' || c == '/';
                   });
        }
    }
    return false;
}

} // namespace

std::optional<SourceChain> sourceChainOf(std::string_view text) {
    if (text == "actual") return SourceChain::Actual;
    if (text == "clasico") return SourceChain::Classic;
    return std::nullopt;
}

std::string* serviceField(ServiceTable& table, const std::string& key) {
    if (key == "noaa") return &table.noaaHost;
    if (key == "aviacion") return &table.aviationWeatherHost;
    if (key == "banyeres_servidor") return &table.banyeresHost;
    if (key == "banyeres_fichero") return &table.banyeresFileId;
    if (key == "sondeos_lista") return &table.soundingListHost;
    if (key == "sondeos_segundo") return &table.soundingSecondHost;
    if (key == "aemet") return &table.aemetHost;
    if (key == "awc") return &table.awcBase;
    if (key == "iem") return &table.iemBase;
    if (key == "wyoming") return &table.wyomingBase;
    return nullptr;
}

bool plausibleServiceValue(const std::string& key, const std::string& value) {
    if (value.empty()) {
        return false;
    }
    if (key == "awc" || key == "iem" || key == "wyoming") {
        return plausibleBaseAddress(value);
    }
    if (key == "banyeres_fichero") {
        // A file-sharing identifier: letters, digits, '-' and '_'.
        return value.size() <= kMaxFileIdBytes &&
               std::all_of(value.begin(), value.end(), [](unsigned char c) {
                   return std::isalnum(c) || c == '-' || c == '_';
               });
    }
    // A host name, an IPv4 address or "[IPv6]", with an optional port.
    return value.size() <= kMaxHostBytes &&
           std::all_of(value.begin(), value.end(), [](unsigned char c) {
               return std::isalnum(c) || c == '-' || c == '.' || c == ':' || c == '[' ||
                      c == ']' || c == '_';
           });
}

ServiceTable loadServiceTable(const std::filesystem::path& iniFile) {
    ServiceTable table;
    // A FIFO is refused at once; a file far larger than a few lines is not ours.
    const text::BoundedFile file = text::readBoundedFile(iniFile, kMaxServicesBytes);
    if (!file.ok()) {
        return table;
    }
    std::istringstream in(file.bytes);
    std::string line;
    while (std::getline(in, line)) {
        const std::string content = trimmed(line);
        if (content.empty() || content[0] == '#' || content[0] == ';') {
            continue;
        }
        const auto eq = content.find('=');
        if (eq == std::string::npos) {
            continue;
        }
        const std::string key = trimmed(content.substr(0, eq));
        const std::string value = trimmed(content.substr(eq + 1));
        if (key == "fuente_metar" || key == "fuente_sondeos") {
            if (const auto chain = sourceChainOf(value)) {
                (key == "fuente_metar" ? table.metarChain : table.soundingChain) = *chain;
            }
            continue;
        }
        std::string* field = serviceField(table, key);
        if (!field) {
            continue;
        }
        if (!plausibleServiceValue(key, value)) {
            // The default stays; the reason is for whoever edited the file.
            text::debugLog("servicios.ini: valor no válido para «" + key + "»; se usa " + *field +
                           "\n");
            continue;
        }
        *field = value;
    }
    return table;
}

} // namespace brisalta
