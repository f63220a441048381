// The sounding station catalogue: the menu entries as the menus have always
// had them, picking and checking a station, the second service's stations and
// the preferences lists.
#include "catalogues/soundingcatalogue.h"

#include "session/sessionstate.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

namespace brisalta {
namespace {

std::string utf8(const std::string& cp1252) { return text::toUtf8(cp1252); }

TEST(SoundingCatalogue, SubmenusComeInMenuOrder) {
    std::vector<std::string> captions;
    std::size_t entries = 0;
    for (const SoundingCountryMenu& menu : soundingStationMenus()) {
        captions.push_back(utf8(menu.caption));
        entries += menu.entries.size();
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"España", "Argentina", "Chile", "Colombia",
                                                  "Cuba", "México", "Paraguay", "Rep. Dominicana"}));
    EXPECT_EQ(entries, 31u);
    std::vector<std::string> spain;
    for (const SoundingStationEntry& e : soundingStationMenus()[0].entries) {
        spain.push_back(utf8(e.caption));
    }
    EXPECT_EQ(spain, (std::vector<std::string>{"A Coruña", "Madrid", "Murcia", "Palma de Mallorca",
                                               "Santander", "Tenerife", "Huelva", "*Gibraltar",
                                               "*Lisboa"}));
}

// Purpose: the rows whose values look like slips but are what the menus store.
TEST(SoundingCatalogue, EntriesKeepTheirStoredValues) {
    struct Case {
        int command;
        const char* number;
        const char* region;
        const char* name;
    };
    const Case cases[] = {
        {33049, "08001", "europe", "A Coruña (España)"},
        {33050, "08221", "samer", "Madrid (España)"},
        {33054, "60018", "africa", "Tenerife (España)"},
        {33077, "08383", "europe", "Huelva - (España)"},
        {33100, "08495", "europe", "Gibraltar"},
        {33099, "08579", "europe", "Lisboa"},
        {33069, "76679", "naconf", "México D.F."},
        {3073, "86218", "samer", "Asunción (Paraguay)"},
        {33066, "85586", "samer", "Santo Domingo (Chile)"},
        {33150, "78486", "nacon", "Santo Domingo (República Dominicana)"},
        {33105, "76612", "naconf", "Jalisco (México)"},
    };
    for (const Case& c : cases) {
        const SoundingStationEntry* e = findSoundingStation(c.command);
        ASSERT_NE(e, nullptr) << c.command;
        EXPECT_EQ(e->number, c.number) << c.command;
        EXPECT_EQ(e->region, c.region) << c.command;
        EXPECT_EQ(utf8(e->name), c.name) << c.command;
    }
    EXPECT_EQ(findSoundingStation(33073), nullptr);
}

TEST(SoundingCatalogue, PickFillsTheSelectionAndChecksTheEntry) {
    SessionState session;
    ASSERT_TRUE(pickSoundingStation(session, 33099));
    EXPECT_EQ(session.selection.soundingStationId, "08579");
    EXPECT_EQ(session.selection.soundingRegion, "europe");
    EXPECT_EQ(session.selection.soundingStationName, "Lisboa");
    EXPECT_TRUE(session.selection.soundingFromCatalogue);
    EXPECT_TRUE(isSoundingStationChecked(session, 33099));
    EXPECT_FALSE(isSoundingStationChecked(session, 33100));
    EXPECT_FALSE(isSecondServiceStation(session.selection.soundingStationId));

    ASSERT_TRUE(pickSoundingStation(session, 33077));
    EXPECT_TRUE(isSecondServiceStation(session.selection.soundingStationId));
}

TEST(SoundingCatalogue, UnknownCommandChangesNothing) {
    SessionState session;
    session.selection.soundingStationId = "12345";
    EXPECT_FALSE(pickSoundingStation(session, 32773));
    EXPECT_EQ(session.selection.soundingStationId, "12345");
    EXPECT_FALSE(session.selection.soundingFromCatalogue);
    EXPECT_FALSE(isSoundingStationChecked(session, 32773));
}

TEST(SoundingCatalogue, HandTypedNumberChecksTheMatchingEntryOnly) {
    SessionState session;
    session.selection.soundingStationId = "08430";
    for (const SoundingCountryMenu& menu : soundingStationMenus()) {
        for (const SoundingStationEntry& e : menu.entries) {
            EXPECT_EQ(isSoundingStationChecked(session, e.command), e.command == 33051) << e.command;
        }
    }
}

TEST(SoundingCatalogue, SecondServiceServesExactlySixSpanishStations) {
    int served = 0;
    for (const SoundingCountryMenu& menu : soundingStationMenus()) {
        for (const SoundingStationEntry& e : menu.entries) {
            served += isSecondServiceStation(e.number);
        }
    }
    EXPECT_EQ(served, 6);
    for (const char* id : {"08001", "08221", "08430", "08302", "08023", "08383"}) {
        EXPECT_TRUE(isSecondServiceStation(id)) << id;
    }
    for (const char* id : {"60018", "08495", "8001", "08001 ", ""}) {
        EXPECT_FALSE(isSecondServiceStation(id)) << id;
    }
}

TEST(SoundingCatalogue, PreferencesListEachCountrysStations) {
    const auto& spain = preferenceSoundingStations(text::cp1252("ESPAÑA"));
    ASSERT_EQ(spain.size(), 9u);
    EXPECT_EQ(spain[6].number, "08383");
    EXPECT_EQ(utf8(spain[6].storedName), "Huelva - España");
    EXPECT_EQ(utf8(spain[8].storedName), "Lisboa - Portugal");

    const auto& argentina = preferenceSoundingStations("ARGENTINA");
    ASSERT_EQ(argentina.size(), 6u);
    EXPECT_EQ(argentina[0].number, "87344");
    EXPECT_EQ(utf8(argentina[0].storedName), "Córdoba - Argentina");
    EXPECT_EQ(argentina[5].storedName, "Santa Rosa - Argentina");
    EXPECT_EQ(argentina[5].listText, "Santa Rosa- Argentina");

    const auto& mexico = preferenceSoundingStations("MEXICO");
    ASSERT_EQ(mexico.size(), 5u);
    EXPECT_EQ(utf8(mexico[1].storedName), "C.Tolvarena - México");
    EXPECT_EQ(utf8(mexico[1].listText), "C. Tolvarena - México");
    EXPECT_EQ(mexico[3].number, "76679");

    const auto& dominican = preferenceSoundingStations("REP. DOMINICANA");
    ASSERT_EQ(dominican.size(), 1u);
    EXPECT_EQ(dominican[0].storedName, "Santo Domingo - Rep. Dominicana");
    EXPECT_EQ(dominican[0].listText, "Santo Domingo");

    EXPECT_EQ(preferenceSoundingStations("CHILE").size(), 4u);
    EXPECT_EQ(preferenceSoundingStations("COLOMBIA").size(), 3u);
    EXPECT_EQ(preferenceSoundingStations("CUBA").size(), 1u);
    EXPECT_EQ(preferenceSoundingStations("PARAGUAY").size(), 1u);
    for (const char* none : {"BOLIVIA", "ECUADOR", "PERU", "URUGUAY", "VENEZUELA", "ESPAÑA", ""}) {
        // "ESPAÑA" written in UTF-8 is not the Windows-1252 name.
        EXPECT_TRUE(preferenceSoundingStations(none).empty()) << none;
    }
}

} // namespace
} // namespace brisalta
