// Service addresses and their overrides.
#include "settings/services.h"

#include <fstream>

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

ServiceTable loadServiceTable(const std::filesystem::path& iniFile) {
    ServiceTable table;
    std::ifstream in(iniFile);
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
        } else if (std::string* field = serviceField(table, key); field && !value.empty()) {
            *field = value;
        }
    }
    return table;
}

} // namespace brisalta
