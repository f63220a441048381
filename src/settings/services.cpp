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

std::string* serviceField(ServiceTable& table, const std::string& key) {
    if (key == "noaa") return &table.noaaHost;
    if (key == "aviacion") return &table.aviationWeatherHost;
    if (key == "banyeres_servidor") return &table.banyeresHost;
    if (key == "banyeres_fichero") return &table.banyeresFileId;
    if (key == "sondeos_lista") return &table.soundingListHost;
    if (key == "sondeos_segundo") return &table.soundingSecondHost;
    if (key == "aemet") return &table.aemetHost;
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
        const std::string value = trimmed(content.substr(eq + 1));
        if (std::string* field = serviceField(table, trimmed(content.substr(0, eq)));
            field && !value.empty()) {
            *field = value;
        }
    }
    return table;
}

} // namespace brisalta
