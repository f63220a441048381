// The airport catalogue: menu order and captions, the preferences lists with
// their own orders, the check marks and the display names that titles use.
#include "catalogues/airportcatalogue.h"

#include "session/sessionstate.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace brisalta {
namespace {

using namespace airports;

std::string cp(const char* utf8) { return text::cp1252(utf8); }

const AirportMenuEntry* findCommand(int command) {
    for (const CountryMenu& menu : menus()) {
        for (const AirportMenuEntry& entry : menu.entries) {
            if (entry.command == command) {
                return &entry;
            }
        }
    }
    return nullptr;
}

// Purpose: the 13 countries, their captions, names and sizes, in list order.
TEST(AirportCatalogue, ListsThirteenCountriesInOrder) {
    struct Case {
        const char* caption;
        const char* name;
        std::size_t airports;
    };
    const Case cases[] = {
        {"España", "ESPAÑA", 62},         {"Argentina", "ARGENTINA", 37},
        {"Bolivia", "BOLIVIA", 16},       {"Chile", "CHILE", 12},
        {"Colombia", "COLOMBIA", 12},     {"Cuba", "CUBA", 14},
        {"Ecuador", "ECUADOR", 4},        {"México", "MEXICO", 59},
        {"Paraguay", "PARAGUAY", 2},      {"Perú", "PERU", 25},
        {"Rep. Dominicana", "REP. DOMINICANA", 7}, {"Uruguay", "URUGUAY", 5},
        {"Venezuela", "VENEZUELA", 25},
    };
    ASSERT_EQ(menus().size(), 13u);
    ASSERT_EQ(countryNames().size(), 13u);
    for (std::size_t i = 0; i < 13; ++i) {
        EXPECT_EQ(menus()[i].caption, cp(cases[i].caption));
        EXPECT_EQ(countryNames()[i], cp(cases[i].name));
        EXPECT_EQ(menus()[i].entries.size(), cases[i].airports) << cases[i].name;
        EXPECT_EQ(airportsOf(static_cast<int>(i)).size(), cases[i].airports) << cases[i].name;
        EXPECT_EQ(countryPositionOf(cp(cases[i].name)), static_cast<int>(i));
    }
    EXPECT_EQ(countryPositionOf(cp("México")), std::nullopt); // the list name has no accent
    EXPECT_EQ(countryPositionOf(""), std::nullopt);
}

TEST(AirportCatalogue, Has280EntriesWith279CodesAndUniqueCommands) {
    std::size_t entries = 0;
    std::set<std::string> codes;
    std::set<int> commands;
    for (const CountryMenu& menu : menus()) {
        for (const AirportMenuEntry& entry : menu.entries) {
            ++entries;
            codes.insert(entry.code);
            commands.insert(entry.command);
            EXPECT_EQ(entry.code.size(), 4u);
            EXPECT_FALSE(entry.caption.empty()) << entry.code;
        }
    }
    EXPECT_EQ(entries, 280u);
    EXPECT_EQ(codes.size(), 279u);
    EXPECT_EQ(commands.size(), 280u);
}

// Purpose: menu order and command numbers at the ends and in the middle of submenus.
TEST(AirportCatalogue, KeepsMenuOrderAndCommands) {
    struct Case {
        std::size_t country;
        std::size_t index;
        const char* code;
        int command;
    };
    const Case cases[] = {
        {0, 0, "LECO", 32785}, {0, 28, "LEMD", 32790}, {0, 60, "LEZG", 32812},
        {0, 61, "BANY", 33122}, {1, 0, "SACO", 32840}, {1, 36, "SAOR", 32861},
        {3, 4, "SCDA", 32885}, {3, 5, "SCAT", 33148}, {7, 5, "MMCM", 32969},
        {7, 47, "MMCM", 32970}, {7, 58, "MMZC", 33019}, {10, 6, "MDSD", 33157},
        {12, 24, "SVVL", 33045},
    };
    for (const Case& c : cases) {
        const AirportMenuEntry& entry = menus()[c.country].entries[c.index];
        EXPECT_EQ(entry.code, c.code) << c.country << "/" << c.index;
        EXPECT_EQ(entry.command, c.command) << c.code;
    }
    EXPECT_EQ(menus()[0].separatorBefore, 61);
    for (std::size_t i = 1; i < menus().size(); ++i) {
        EXPECT_EQ(menus()[i].separatorBefore, -1);
    }
}

// Purpose: the captions users know, typing slips and double blanks included.
TEST(AirportCatalogue, KeepsTheKnownMenuCaptions) {
    struct Case {
        int command;
        const char* caption;
    };
    const Case cases[] = {
        {32785, "A Coruña - Alvedro"},        {32773, "Alicante - Elche"},
        {32774, "Almería"},                   {32810, "Vigo - Peinador"},
        {32804, "Santiago  - Labacolla"},     {33130, "Madrid -  Colmenar"},
        {32789, "León - Virgen del camino"},  {33122, "Banyeres - Alicante"},
        {32969, "Chetumal"},                  {32970, "Santa Rosalía"},
        {33157, "Sto. Domingo / De las Américas"}, {32881, "Antofagasta"},
        {32893, "Bucamaranga"},               {32896, "Cucutal"},
        {32942, "Varadero - Matanzas"},
    };
    for (const Case& c : cases) {
        const AirportMenuEntry* entry = findCommand(c.command);
        ASSERT_NE(entry, nullptr) << c.command;
        EXPECT_EQ(entry->caption, cp(c.caption)) << c.command;
    }
}

// Purpose: Spain's own preferences order and its quoted texts.
TEST(AirportCatalogue, SpanishPreferencesHaveTheirOwnOrder) {
    const char* codes[] = {
        "LEAB", "LEAL", "LEAM", "LECO", "LEAS", "LEMD", "LEIB", "LEBA", "LEGE", "LEVS", "LESO",
        "GCFV", "LEGR", "GCHI", "LEJR", "LEST", "GCRR", "GCLA", "GCLP", "LEMH", "LEMG", "LEVC",
        "LESA", "GEML", "LEMO", "LEPP", "LEXJ", "LEVX", "LEBL", "LERS", "GCXO", "LERT", "LELC",
        "LEZL", "LEBB", "LEPA", "GCTS", "LEVD", "LELN", "LEVT", "LEZG", "BANY", "LERI", "LEGA",
        "LECV", "LEGT", "LELL", "LEBZ", "LETO", "LEMI", "LEAG", "LEBG", "LEHC", "LELO", "GCGM",
        "LESB", "LESU", "LETL", "LEBT", "LECH", "LXGB", "LEDA"};
    for (int i = 0; i < 62; ++i) {
        EXPECT_EQ(airportCodeAt(0, i), codes[i]) << i;
    }
    const std::vector<std::string> texts = airportsOf(0);
    EXPECT_EQ(texts[0], cp("Albacete - Los Llanos"));
    EXPECT_EQ(texts[3], cp("Alvedro - A Coruña"));
    EXPECT_EQ(texts[6], cp("Es Codola - Ibiza"));
    EXPECT_EQ(texts[9], cp("Cuatro Vientos - Madrid"));
    EXPECT_EQ(texts[20], cp("Málaga Costa del Sol"));
    EXPECT_EQ(texts[27], cp("Peinador - Vigo"));
    EXPECT_EQ(texts[41], cp("Banyeres - Alicante"));
    EXPECT_EQ(texts[50], cp("Algeciras"));
    EXPECT_EQ(texts[61], cp("Lérida - Alguaire"));
    // Every Spanish menu airport is in the list exactly once.
    std::set<std::string> listed(std::begin(codes), std::end(codes));
    EXPECT_EQ(listed.size(), 62u);
    for (const AirportMenuEntry& entry : menus()[0].entries) {
        EXPECT_TRUE(listed.count(entry.code)) << entry.code;
    }
}

// Purpose: the other countries follow their menus, Chile's swap and México's twin aside.
TEST(AirportCatalogue, OtherPreferencesFollowTheMenu) {
    for (int country = 1; country < 13; ++country) {
        const auto& entries = menus()[static_cast<std::size_t>(country)].entries;
        for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
            int menuIndex = i;
            if (country == 3 && (i == 4 || i == 5)) {
                menuIndex = 9 - i;
            }
            EXPECT_EQ(airportCodeAt(country, i), entries[static_cast<std::size_t>(menuIndex)].code)
                << country << "/" << i;
        }
    }
    EXPECT_EQ(airportCodeAt(3, 4), "SCAT");
    EXPECT_EQ(airportCodeAt(3, 5), "SCDA");
    EXPECT_EQ(airportsOf(3)[4], "Desierto de Atacama");
    EXPECT_EQ(airportCodeAt(7, 5), "MMCM");
    EXPECT_EQ(airportCodeAt(7, 47), "MMCM");
    EXPECT_EQ(airportPositionOf(7, "MMCM"), 5); // the first of the two
    EXPECT_EQ(airportsOf(1)[4], "Camet - Mar del Plata");
    EXPECT_EQ(airportsOf(12)[4], "Caracas-La Carlota");
    EXPECT_EQ(airportsOf(10).front(), "Arroyo Barril - Rep. Dominicana");
    EXPECT_EQ(airportsOf(10).back(), cp("Internacional Américas - Rep. Dominicana"));
}

// Purpose: what the preferences dialog looks up when it opens and when the user picks.
TEST(AirportCatalogue, FindsPositionsForThePreferencesDialog) {
    EXPECT_EQ(airportPositionOf(1, "SAAC"), 9);
    EXPECT_EQ(airportsOf(1)[9], cp("Concordia - Entre Ríos"));
    EXPECT_EQ(airportPositionOf(0, "LEAG"), 50);
    EXPECT_EQ(airportPositionOf(0, "LEDA"), 61);
    EXPECT_EQ(airportPositionOf(0, "SAEZ"), std::nullopt);
    EXPECT_EQ(airportPositionOf(0, "leag"), std::nullopt);
    EXPECT_EQ(airportPositionOf(13, "LEAG"), std::nullopt);
    EXPECT_EQ(airportCodeAt(0, 27), "LEVX");
    EXPECT_EQ(airportCodeAt(0, 62), std::nullopt);
    EXPECT_EQ(airportCodeAt(0, -1), std::nullopt);
    EXPECT_EQ(airportCodeAt(-1, 0), std::nullopt);
    EXPECT_TRUE(airportsOf(13).empty());
}

TEST(AirportCatalogue, PickingSantaRosaliaChecksBothMmcmEntries) {
    SessionState session;
    ASSERT_TRUE(pickAirport(session, 32970));
    EXPECT_EQ(session.selection.icao, "MMCM");
    EXPECT_TRUE(isAirportChecked(session, 32969));
    EXPECT_TRUE(isAirportChecked(session, 32970));
    EXPECT_FALSE(isAirportChecked(session, 32962));
}

TEST(AirportCatalogue, UnknownCommandsAndHandTypedCodesCheckNothing) {
    SessionState session;
    session.selection.icao = "LEMD";
    EXPECT_FALSE(pickAirport(session, 32771)); // show graph, not an airport
    EXPECT_EQ(session.selection.icao, "LEMD");

    session.selection.icao = "KJFK";
    for (const CountryMenu& menu : menus()) {
        for (const AirportMenuEntry& entry : menu.entries) {
            EXPECT_FALSE(isAirportChecked(session, entry.command)) << entry.code;
        }
    }
    session.selection.icao = "lemd"; // the comparison is exact
    EXPECT_FALSE(isAirportChecked(session, 32790));
    ASSERT_TRUE(pickAirport(session, 33122));
    EXPECT_EQ(session.selection.icao, "BANY");
}

// Purpose: the 65 display names, the quoted ones exactly.
TEST(AirportCatalogue, GivesDisplayNamesToSixtyFiveAirports) {
    const char* named[] = {
        "LEAL", "LEAM", "LEAB", "LEAG", "LESU", "LEAS", "LEBL", "LEBB", "LEBG", "LEBA", "GCFV",
        "LEGE", "LEGR", "LEJR", "GCHI", "LEHC", "LEIB", "LECO", "GCGM", "GCRR", "GCLA", "GCLP",
        "LELN", "LELO", "LEMD", "LEVS", "LEMG", "GEML", "LEMH", "LEMI", "LEMO", "LELC", "LESB",
        "LEPA", "LEPP", "LERS", "LERT", "LESA", "LESO", "LEXJ", "LEST", "LEZL", "GCXO", "GCTS",
        "LETL", "LECH", "LEVC", "LEVD", "LEVX", "LEVT", "LEZG", "BANY", "LEBZ", "LEBT", "LXGB",
        "LEDA", "SCCF", "SCAT", "MDAB", "MDBH", "MDLR", "MDPC", "MDPP", "MDST", "MDSD"};
    std::set<std::string> withName;
    for (const CountryMenu& menu : menus()) {
        for (const AirportMenuEntry& entry : menu.entries) {
            if (displayNameOf(entry.code)) {
                withName.insert(entry.code);
            }
        }
    }
    EXPECT_EQ(withName, std::set<std::string>(std::begin(named), std::end(named)));

    struct Case {
        const char* code;
        const char* name;
    };
    const Case cases[] = {
        {"LEAL", "Aeropuerto de Alicante - Elche"},
        {"LEAS", "Aeropuerto del Avilés - Asturias"},
        {"LEAG", "Helipuerto de Algeciras"},
        {"LEBT", "Helipuerto de Bétera - Valencia"},
        {"LEGE", "Costa Brava - Girona"},
        {"LEVS", "Cuatro Vientos - Madrid"},
        {"LEMO", "Morón de la Frontera - Sevilla"},
        {"LERT", "Base de Rota - Cádiz"},
        {"GEML", "Melilla"},
        {"LEHC", "Aeropuerto de Huesca - Pirineos"},
        {"LEST", "Aeropuerto de Labacolla - Santiago de Compostela"},
        {"SCCF", "Aeródromo de El Loa - Calama"},
        {"SCAT", "Desierto de Atacama"},
        {"MDAB", "Arroyo Barril, República Dominicana"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(displayNameOf(c.code), cp(c.name)) << c.code;
    }
    EXPECT_TRUE(displayNameOf("BANY")->find("Banyeres de Mariola") != std::string::npos);
    EXPECT_EQ(displayNameOf("SAEZ"), std::nullopt);
    EXPECT_EQ(displayNameOf(""), std::nullopt);
}

} // namespace
} // namespace brisalta
