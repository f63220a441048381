// Airport catalogue (tables still to be filled in).
#include "catalogues/airportcatalogue.h"

#include "session/sessionstate.h"

namespace brisalta::airports {

const std::vector<CountryMenu>& menus() {
    static const std::vector<CountryMenu> none;
    return none;
}

bool pickAirport(SessionState&, int) { return false; }
bool isAirportChecked(const SessionState&, int) { return false; }

const std::vector<std::string>& countryNames() {
    static const std::vector<std::string> none;
    return none;
}

std::optional<int> countryPositionOf(const std::string&) { return std::nullopt; }
std::vector<std::string> airportsOf(int) { return {}; }
std::optional<std::string> airportCodeAt(int, int) { return std::nullopt; }
std::optional<int> airportPositionOf(int, const std::string&) { return std::nullopt; }
std::optional<std::string> displayNameOf(const std::string&) { return std::nullopt; }

} // namespace brisalta::airports
