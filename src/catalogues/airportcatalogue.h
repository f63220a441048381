// The fixed catalogue of airports the user picks the surface graph from: the
// menu "Gráficas > Seleccionar" (one submenu per country), the preferences
// lists, and the display names that replace the graph title of some airports.
// Texts are Windows-1252.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace brisalta {

struct SessionState;

struct AirportMenuEntry {
    int command = 0;     // menu command identifier
    std::string code;    // ICAO code ("BANY" for the Banyeres school station)
    std::string caption; // menu text
};

struct CountryMenu {
    std::string caption; // submenu caption ("España")
    std::vector<AirportMenuEntry> entries; // in menu order
    // Index of the entry preceded by a separator (the Banyeres station in
    // Spain's submenu), or -1.
    int separatorBefore = -1;
};

namespace airports {

// The 13 country submenus in menu order.
const std::vector<CountryMenu>& menus();

// Menu command: copies the entry's code into StationSelection::icao. False when
// the command is not an airport entry (nothing changes). The caller then runs
// the show-graph command.
bool pickAirport(SessionState& session, int command);

// True when icao equals the entry's code (exact, case-sensitive).
bool isAirportChecked(const SessionState& session, int command);

// The 13 preferences names in order ("ESPAÑA", "ARGENTINA", ...).
const std::vector<std::string>& countryNames();

// Position of a preferences name in countryNames(), or nothing.
std::optional<int> countryPositionOf(const std::string& name);

// The ordered preferences texts of a country (empty for a bad position).
std::vector<std::string> airportsOf(int country);

// The code at a position of a country's preferences list; nothing outside it.
std::optional<std::string> airportCodeAt(int country, int position);

// Position of a code in a country's preferences list, or nothing.
std::optional<int> airportPositionOf(int country, const std::string& code);

// Display name that replaces the graph title, or nothing; first match wins.
std::optional<std::string> displayNameOf(const std::string& code);

} // namespace airports
} // namespace brisalta
