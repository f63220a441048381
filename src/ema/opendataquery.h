// The address of the first request of an automatic-station query:
// "https://" + host + "/opendata/api/observacion/convencional/datos/estacion/"
// + station identifier + "/?api_key=" + key, concatenated without encoding.
// The address carries the user's key: never write it to a message or a log line
// as it is (redactApiKey() makes a copy fit for one).
#pragma once

#include <string>
#include <string_view>

namespace brisalta {

struct CListaEma;
struct ServiceTable;
struct SessionState;

// The identifier AEMET knows a listed station by: its list id without the last
// character (the list appends a check character). Empty for an empty id.
std::string stationIdentifierOf(const CListaEma& record);

// The query address for an identifier, with the host of services.aemetHost.
std::string openDataQueryUrl(const ServiceTable& services, std::string_view identifier,
                             std::string_view apiKey);

// Sets session.openDataQueryUrl for the list record selection.emaIndex, with
// selection.apiKey. False, leaving the address as it was, when the index is not
// that of a loaded record (an empty list leaves it at -1).
bool setQueryUrlFromList(SessionState& session, const ServiceTable& services);

// Sets session.openDataQueryUrl for an identifier typed by the user, used whole.
void setQueryUrlFromIdentifier(SessionState& session, const ServiceTable& services,
                               std::string_view identifier);

// A copy of an address with the value of its api_key replaced by "***".
std::string redactApiKey(std::string_view url);

} // namespace brisalta
