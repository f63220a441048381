// The fixed catalogue of upper-air stations: the menu "Sondeos > Elegir sondeo"
// (one submenu per country), the stations the preferences offer per country,
// and the six Spanish stations that the second sounding service serves.
// Texts are Windows-1252.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brisalta {

struct SessionState;

struct SoundingStationEntry {
    int command = 0;     // menu command identifier
    std::string caption; // menu text inside the country submenu
    std::string number;  // 5-digit WMO station number ("08001")
    std::string region;  // region key of the text-list query ("europe")
    std::string name;    // display name ("A Coruña (España)")
};

struct SoundingCountryMenu {
    std::string caption; // submenu caption ("España")
    std::vector<SoundingStationEntry> entries; // in menu order
};

// The eight country submenus in menu order.
const std::vector<SoundingCountryMenu>& soundingStationMenus();

// The entry of a menu command, or nullptr.
const SoundingStationEntry* findSoundingStation(int command);

// Menu command: sets soundingStationId, soundingRegion, soundingStationName
// and soundingFromCatalogue = 1. False when the command is not a station
// entry (nothing changes). The caller then opens the sounding date dialog with
// the display name.
bool pickSoundingStation(SessionState& session, int command);

// True when soundingStationId equals the entry's number as text.
bool isSoundingStationChecked(const SessionState& session, int command);

// True for the six stations of the second service: "08001", "08221",
// "08430", "08302", "08023" and "08383".
bool isSecondServiceStation(std::string_view stationId);

// One position of a country's sounding list in the preferences.
struct PreferenceSoundingStation {
    std::string number;     // stored into soundingStationId
    std::string storedName; // stored into soundingStationName ("A Coruña - España")
    std::string listText;   // text shown in the list (mostly the stored name)
};

// The preferences list of a country, by its preferences name in capitals
// ("ESPAÑA", "MEXICO", "REP. DOMINICANA", Windows-1252). Empty for the
// countries without soundings and for unknown names.
const std::vector<PreferenceSoundingStation>& preferenceSoundingStations(std::string_view country);

} // namespace brisalta
