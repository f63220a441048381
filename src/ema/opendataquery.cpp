// Query addresses of AEMET OpenData.
#include "ema/opendataquery.h"

#include "session/sessionstate.h"
#include "settings/services.h"

namespace brisalta {

std::string stationIdentifierOf(const CListaEma& record) {
    if (record.id.empty()) {
        return {};
    }
    return record.id.substr(0, record.id.size() - 1);
}

std::string openDataQueryUrl(const ServiceTable& services, std::string_view identifier,
                             std::string_view apiKey) {
    std::string url = "https://";
    url += services.aemetHost;
    url += "/opendata/api/observacion/convencional/datos/estacion/";
    url += identifier;
    url += "/?api_key=";
    url += apiKey;
    return url;
}

bool setQueryUrlFromList(SessionState& session, const ServiceTable& services) {
    const int index = session.selection.emaIndex;
    const auto& records = session.emaList.records;
    if (index < 0 || index >= session.emaList.count ||
        static_cast<std::size_t>(index) >= records.size()) {
        return false;
    }
    session.retrieval.openDataQueryUrl =
        openDataQueryUrl(services, stationIdentifierOf(records[static_cast<std::size_t>(index)]),
                         session.selection.apiKey);
    return true;
}

void setQueryUrlFromIdentifier(SessionState& session, const ServiceTable& services,
                               std::string_view identifier) {
    session.retrieval.openDataQueryUrl = openDataQueryUrl(services, identifier, session.selection.apiKey);
}

std::string redactApiKey(std::string_view url) {
    constexpr std::string_view kKey = "api_key=";
    const auto at = url.find(kKey);
    if (at == std::string_view::npos) {
        return std::string(url);
    }
    const auto valueStart = at + kKey.size();
    const auto valueEnd = url.find('&', valueStart);
    std::string out(url.substr(0, valueStart));
    out += "***";
    if (valueEnd != std::string_view::npos) {
        out += url.substr(valueEnd);
    }
    return out;
}

} // namespace brisalta
