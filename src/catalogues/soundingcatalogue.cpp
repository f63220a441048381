// The sounding station catalogue: menu entries and preferences lists.
#include "catalogues/soundingcatalogue.h"

#include "session/sessionstate.h"
#include "text/codepage.h"

#include <algorithm>
#include <array>

namespace brisalta {
namespace {

struct Row {
    int command;
    const char* caption;
    const char* number;
    const char* region;
    const char* name;
};

struct Country {
    const char* caption;
    std::vector<Row> rows;
};

// Stored exactly as the menus have always had them: Madrid carries "samer",
// Santo Domingo of the Dominican Republic "nacon", Asunción the command 3073,
// and Gibraltar, Lisboa and México D.F. have no country in their names. The
// six stations of the second service never send their region key.
std::vector<SoundingCountryMenu> buildMenus() {
    const Country countries[] = {
        {"España",
         {{33049, "A Coruña", "08001", "europe", "A Coruña (España)"},
          {33050, "Madrid", "08221", "samer", "Madrid (España)"},
          {33051, "Murcia", "08430", "europe", "Murcia (España)"},
          {33053, "Palma de Mallorca", "08302", "europe", "Palma de Mallorca (España)"},
          {33052, "Santander", "08023", "europe", "Santander (España)"},
          {33054, "Tenerife", "60018", "africa", "Tenerife (España)"},
          {33077, "Huelva", "08383", "europe", "Huelva - (España)"},
          {33100, "*Gibraltar", "08495", "europe", "Gibraltar"},
          {33099, "*Lisboa", "08579", "europe", "Lisboa"}}},
        {"Argentina",
         {{33057, "Córdoba", "87344", "samer", "Córdoba (Argentina)"},
          {33058, "Ezeiza", "87576", "samer", "Ezeiza (Argentina)"},
          {33056, "Resistencia", "87155", "samer", "Resistencia (Argentina)"},
          {33060, "Rivadavia", "87860", "samer", "Rivadavia (Argentina)"},
          {33055, "Salta", "87047", "samer", "Salta (Argentina)"},
          {33059, "Santa Rosa", "87623", "samer", "Santa Rosa (Argentina)"}}},
        {"Chile",
         {{33061, "Antofagasta", "85442", "samer", "Antofagasta (Chile)"},
          {33062, "Puerto Montt", "85799", "samer", "Puerto Montt (Chile)"},
          {33063, "Punta Arenas", "85934", "samer", "Punta Arenas (Chile)"},
          {33066, "Santo Domingo", "85586", "samer", "Santo Domingo (Chile)"}}},
        {"Colombia",
         {{33064, "Bogotá", "80222", "samer", "Bogotá (Colombia)"},
          {33065, "Las Gaviotas", "80241", "samer", "Las Gaviotas (Colombia)"},
          {33076, "Riohacha", "80035", "samer", "Riohacha (Colombia)"}}},
        {"Cuba", {{33067, "San Juan", "78526", "naconf", "San Juan (Cuba)"}}},
        {"México",
         {{33070, "Chihuahua", "76225", "naconf", "Chihuahua (México)"},
          {33072, "C. Tolvarena", "76458", "naconf", "C. Tolvarena (México)"},
          {33068, "Isla Socorro", "76723", "naconf", "Isla Socorro (México)"},
          {33069, "México DF", "76679", "naconf", "México D.F."},
          {33071, "Monterrey", "76394", "naconf", "Monterrey (México)"},
          {33105, "Jalisco", "76612", "naconf", "Jalisco (México)"}}},
        {"Paraguay", {{3073, "Asunción", "86218", "samer", "Asunción (Paraguay)"}}},
        {"Rep. Dominicana",
         {{33150, "Santo Domingo", "78486", "nacon", "Santo Domingo (República Dominicana)"}}},
    };
    std::vector<SoundingCountryMenu> menus;
    for (const Country& c : countries) {
        SoundingCountryMenu menu;
        menu.caption = text::cp1252(c.caption);
        for (const Row& r : c.rows) {
            menu.entries.push_back({r.command, text::cp1252(r.caption), r.number, r.region,
                                    text::cp1252(r.name)});
        }
        menus.push_back(std::move(menu));
    }
    return menus;
}

struct PreferenceRow {
    const char* number;
    const char* storedName;
    const char* listText; // nullptr when it is the stored name
};

struct PreferenceCountry {
    std::string name; // Windows-1252
    std::vector<PreferenceSoundingStation> stations;
};

std::vector<PreferenceCountry> buildPreferences() {
    struct Source {
        const char* country;
        std::vector<PreferenceRow> rows;
    };
    const Source sources[] = {
        {"ESPAÑA",
         {{"08001", "A Coruña - España", nullptr},
          {"08221", "Madrid - España", nullptr},
          {"08430", "Murcia - España", nullptr},
          {"08302", "Palma de Mallorca - España", nullptr},
          {"08023", "Santander - España", nullptr},
          {"60018", "Tenerife - España", nullptr},
          {"08383", "Huelva - España", nullptr},
          {"08495", "Gibraltar", nullptr},
          {"08579", "Lisboa - Portugal", nullptr}}},
        {"ARGENTINA",
         {{"87344", "Córdoba - Argentina", nullptr},
          {"87576", "Ezeiza - Argentina", nullptr},
          {"87155", "Resistencia - Argentina", nullptr},
          {"87860", "Rivadavia - Argentina", nullptr},
          {"87047", "Salta - Argentina", nullptr},
          {"87623", "Santa Rosa - Argentina", "Santa Rosa- Argentina"}}},
        {"CHILE",
         {{"85442", "Antofagasta - Chile", nullptr},
          {"85799", "Puerto Montt - Chile", nullptr},
          {"85934", "Punta Arenas - Chile", nullptr},
          {"85586", "Santo Domingo - Chile", nullptr}}},
        {"COLOMBIA",
         {{"80222", "Bogotá - Colombia", nullptr},
          {"80241", "Las Gaviotas - Colombia", nullptr},
          {"80035", "Riohacha - Colombia", nullptr}}},
        {"CUBA", {{"78526", "San Juan - Cuba", nullptr}}},
        {"MEXICO",
         {{"76225", "Chihuahua - México", nullptr},
          {"76458", "C.Tolvarena - México", "C. Tolvarena - México"},
          {"76723", "Isla Socorro - México", nullptr},
          {"76679", "México D.F.", nullptr},
          {"76394", "Monterrey - México", nullptr}}},
        {"PARAGUAY", {{"86218", "Asunción - Paraguay", nullptr}}},
        {"REP. DOMINICANA", {{"78486", "Santo Domingo - Rep. Dominicana", "Santo Domingo"}}},
    };
    std::vector<PreferenceCountry> out;
    for (const Source& s : sources) {
        PreferenceCountry country{text::cp1252(s.country), {}};
        for (const PreferenceRow& r : s.rows) {
            const std::string stored = text::cp1252(r.storedName);
            country.stations.push_back(
                {r.number, stored, r.listText ? text::cp1252(r.listText) : stored});
        }
        out.push_back(std::move(country));
    }
    return out;
}

} // namespace

const std::vector<SoundingCountryMenu>& soundingStationMenus() {
    static const std::vector<SoundingCountryMenu> menus = buildMenus();
    return menus;
}

const SoundingStationEntry* findSoundingStation(int command) {
    for (const SoundingCountryMenu& menu : soundingStationMenus()) {
        for (const SoundingStationEntry& e : menu.entries) {
            if (e.command == command) {
                return &e;
            }
        }
    }
    return nullptr;
}

bool pickSoundingStation(SessionState& session, int command) {
    const SoundingStationEntry* entry = findSoundingStation(command);
    if (entry == nullptr) {
        return false;
    }
    session.selection.soundingStationId = entry->number;
    session.selection.soundingRegion = entry->region;
    session.selection.soundingStationName = entry->name;
    session.selection.soundingFromCatalogue = true;
    return true;
}

bool isSoundingStationChecked(const SessionState& session, int command) {
    const SoundingStationEntry* entry = findSoundingStation(command);
    return entry != nullptr && session.selection.soundingStationId == entry->number;
}

bool isSecondServiceStation(std::string_view stationId) {
    static constexpr std::array<std::string_view, 6> kStations = {"08001", "08221", "08430",
                                                                  "08302", "08023", "08383"};
    return std::find(kStations.begin(), kStations.end(), stationId) != kStations.end();
}

const std::vector<PreferenceSoundingStation>& preferenceSoundingStations(std::string_view country) {
    static const std::vector<PreferenceCountry> table = buildPreferences();
    static const std::vector<PreferenceSoundingStation> none;
    for (const PreferenceCountry& c : table) {
        if (c.name == country) {
            return c.stations;
        }
    }
    return none;
}

} // namespace brisalta
