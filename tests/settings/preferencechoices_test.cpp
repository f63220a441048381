// The preferences lists: what opening the dialog shows, and what choosing a
// country, an airport or a station, or typing in the two boxes, does to the
// selection; the time-offset check and what "&Guardar" stores.
#include "settings/preferencechoices.h"

#include "catalogues/airportcatalogue.h"
#include "settings/meteoini.h"
#include "support/testplaces.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace brisalta {
namespace {

namespace fs = std::filesystem;

std::string utf8(const std::string& cp1252) {
    return text::toUtf8(cp1252);
}

int country(const char* utf8Name) {
    return airports::countryPositionOf(text::cp1252(utf8Name)).value_or(-1);
}

struct Start {
    const char* country;
    const char* icao;
    const char* stationId;
    const char* stationName;
};

struct Expected {
    const char* country;
    const char* icao;
    const char* stationId;
    const char* stationName;
    int countryPosition;
    const char* airportShown;  // text of the selected airport entry
    const char* soundingShown; // text of the selected sounding entry; nullptr: the list is empty
};

using Step = std::function<void(PreferenceChoices&)>;

StationSelection selectionOf(const Start& start) {
    StationSelection s;
    s.country = text::cp1252(start.country);
    s.icao = start.icao;
    s.soundingStationId = start.stationId;
    s.soundingStationName = text::cp1252(start.stationName);
    s.soundingRegion = "europe";
    return s;
}

// Purpose: the rules of every list, one user action after another.
TEST(PreferenceChoices, ChoosingAndTypingSetTheSelection) {
    struct Case {
        const char* name;
        Start start;
        std::vector<Step> steps;
        Expected expected;
    };
    const Start madrid{"ESPAÑA", "LEAL", "08221", "Madrid - España"};
    const Case cases[] = {
        {"first start: Alicante in Spain, no station yet",
         {"ESPAÑA", "LEAL", "", ""},
         {},
         {"ESPAÑA", "LEAL", "", "", 0, "Alicante - Elche", ""}},
        {"ARGENTINA from LEAL: first airport and first station",
         madrid,
         {[](auto& c) { c.chooseCountry(country("ARGENTINA")); }},
         {"ARGENTINA", "SACO", "87344", "Córdoba - Argentina", 1, "Ambrosio Taravella - Córdoba",
          "Córdoba - Argentina"}},
        {"BOLIVIA empties the sounding list and keeps the station",
         madrid,
         {[](auto& c) { c.chooseCountry(country("BOLIVIA")); }},
         {"BOLIVIA", "SLCA", "08221", "Madrid - España", 2, nullptr, nullptr}},
        {"a country that lists the airport keeps it, with the station at its place",
         {"ESPAÑA", "SASA", "08221", "Madrid - España"},
         {[](auto& c) { c.chooseCountry(country("ARGENTINA")); }},
         {"ARGENTINA", "SASA", "87155", "Resistencia - Argentina", 1, nullptr,
          "Resistencia - Argentina"}},
        {"a kept airport past the stations takes the first station",
         {"ESPAÑA", "SAEZ", "08221", "Madrid - España"},
         {[](auto& c) { c.chooseCountry(country("ARGENTINA")); }},
         {"ARGENTINA", "SAEZ", "87344", "Córdoba - Argentina", 1, nullptr, "Córdoba - Argentina"}},
        {"Almería, position 2, brings the Murcia sounding",
         madrid,
         {[](auto& c) { c.chooseAirport(2); }},
         {"ESPAÑA", "LEAM", "08430", "Murcia - España", 0, "Almería", "Murcia - España"}},
        {"position 40 leaves the station alone",
         madrid,
         {[](auto& c) { c.chooseAirport(40); }},
         {"ESPAÑA", "LEZG", "08221", "Madrid - España", 0, "Zaragoza", "Madrid - España"}},
        {"Huelva is position 6 of the Spanish soundings",
         madrid,
         {[](auto& c) { c.chooseSoundingStation(6); }},
         {"ESPAÑA", "LEAL", "08383", "Huelva - España", 0, "Alicante - Elche", "Huelva - España"}},
        {"a station typed by hand is listed after Lisboa and selected",
         {"ESPAÑA", "LEAL", "12345", "12345"},
         {},
         {"ESPAÑA", "LEAL", "12345", "12345", 0, "Alicante - Elche", "12345"}},
        {"typing in the sounding box sets number and name",
         madrid,
         {[](auto& c) { c.typeSoundingStation("10238"); }},
         {"ESPAÑA", "LEAL", "10238", "10238", 0, "Alicante - Elche", "Madrid - España"}},
        {"the extra station entry changes nothing",
         {"ESPAÑA", "LEAL", "12345", "Mi estación"},
         {[](auto& c) { c.chooseSoundingStation(9); }},
         {"ESPAÑA", "LEAL", "12345", "Mi estación", 0, "Alicante - Elche", "12345"}},
        {"REP. DOMINICANA: stored name differs from the list text",
         madrid,
         {[](auto& c) { c.chooseCountry(country("REP. DOMINICANA")); }},
         {"REP. DOMINICANA", "MDAB", "78486", "Santo Domingo - Rep. Dominicana", 10, nullptr,
          "Santo Domingo"}},
        {"an airport of another country is listed at the end; choosing it changes nothing",
         {"ESPAÑA", "SAEZ", "08221", "Madrid - España"},
         {[](auto& c) { c.chooseAirport(62); }},
         {"ESPAÑA", "SAEZ", "08221", "Madrid - España", 0, "SAEZ", "Madrid - España"}},
        {"typing up to four characters sets icao, a fifth is not copied",
         madrid,
         {[](auto& c) { c.typeAirport("L"); }, [](auto& c) { c.typeAirport("LEMD"); },
          [](auto& c) { c.typeAirport("LEMDX"); }},
         {"ESPAÑA", "LEMD", "08221", "Madrid - España", 0, "Alicante - Elche", "Madrid - España"}},
        {"Santa Rosalía, the second MMCM, stays selected",
         {"MEXICO", "MMAA", "76225", "Chihuahua - México"},
         {[](auto& c) { c.chooseAirport(47); }},
         {"MEXICO", "MMCM", "76225", "Chihuahua - México", 7, nullptr, "Chihuahua - México"}},
        {"an unknown country shows Spain and only the current airport",
         {"ATLANTIDA", "XXXX", "08221", "Madrid - España"},
         {[](auto& c) { c.chooseAirport(0); }},
         {"ATLANTIDA", "XXXX", "08221", "Madrid - España", 0, "XXXX", nullptr}},
        {"no country selects nothing",
         {"", "LEAL", "08221", "Madrid - España"},
         {},
         {"", "LEAL", "08221", "Madrid - España", -1, "LEAL", nullptr}},
        {"a position outside the lists changes nothing",
         madrid,
         {[](auto& c) { c.chooseCountry(13); }, [](auto& c) { c.chooseCountry(-1); },
          [](auto& c) { c.chooseAirport(99); }, [](auto& c) { c.chooseSoundingStation(-2); }},
         {"ESPAÑA", "LEAL", "08221", "Madrid - España", 0, "Alicante - Elche", "Madrid - España"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PreferenceChoices choices(selectionOf(c.start));
        for (const Step& step : c.steps) {
            step(choices);
        }
        const StationSelection& got = choices.selection();
        const Expected& want = c.expected;
        EXPECT_EQ(utf8(got.country.str()), want.country);
        EXPECT_EQ(got.icao, want.icao);
        EXPECT_EQ(got.soundingStationId, want.stationId);
        EXPECT_EQ(utf8(got.soundingStationName), want.stationName);
        EXPECT_EQ(got.soundingRegion, "europe"); // the preferences never touch it
        EXPECT_EQ(choices.countryPosition(), want.countryPosition);

        const ChoiceList& airportList = choices.airports();
        ASSERT_GE(airportList.selected, 0);
        ASSERT_LT(airportList.selected, static_cast<int>(airportList.texts.size()));
        if (want.airportShown) {
            EXPECT_EQ(utf8(airportList.texts[static_cast<std::size_t>(airportList.selected)]),
                      want.airportShown);
        }
        const ChoiceList& soundingList = choices.soundings();
        if (want.soundingShown) {
            ASSERT_GE(soundingList.selected, 0);
            EXPECT_EQ(utf8(soundingList.texts[static_cast<std::size_t>(soundingList.selected)]),
                      want.soundingShown);
        } else {
            EXPECT_TRUE(soundingList.texts.empty());
            EXPECT_EQ(soundingList.selected, -1);
        }
    }
}

TEST(PreferenceChoices, ListsHoldTheCountrysEntries) {
    PreferenceChoices choices(selectionOf({"ESPAÑA", "LEAL", "99999", "Otra"}));
    EXPECT_EQ(choices.countries().size(), 13u);
    EXPECT_EQ(choices.airports().texts.size(), 62u);
    ASSERT_EQ(choices.soundings().texts.size(), 10u);
    EXPECT_EQ(utf8(choices.soundings().texts[8]), "Lisboa - Portugal");
    EXPECT_EQ(choices.soundings().texts[9], "99999");
    EXPECT_EQ(choices.soundings().selected, 9);

    choices.chooseCountry(country("MEXICO"));
    EXPECT_EQ(utf8(choices.soundings().texts[1]), "C. Tolvarena - México");
    choices.chooseSoundingStation(1);
    EXPECT_EQ(utf8(choices.selection().soundingStationName), "C.Tolvarena - México");
}

// Purpose: the values "Diferencia Horaria" accepts.
TEST(PreferenceChoices, TimeOffsetIsAWholeNumberFromMinus12To12) {
    struct Case {
        const char* typed;
        std::optional<int> hours;
    };
    const Case cases[] = {
        {"0", 0},
        {"1", 1},
        {"12", 12},
        {"-12", -12},
        {"+5", 5},
        {" 3 ", 3},
        {"13", std::nullopt},
        {"-13", std::nullopt},
        {"1.5", std::nullopt},
        {"1,5", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"--1", std::nullopt},
        {"+-1", std::nullopt},
        {"+", std::nullopt},
        {"2a", std::nullopt},
        {"99999999999", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(parseTimeOffset(c.typed), c.hours);
    }
    EXPECT_EQ(utf8(timeOffsetMessage()), "Introduzca un número entero entre -12 y 12.");
    EXPECT_EQ(utf8(invalidIcaoMessage()), "Un identificador ICAO válido se compone de 4 letras");
}

// Purpose: "&Guardar" stores offset and key only with a 4-character ICAO code;
// a cancel keeps what the lists chose for this run and leaves the file alone.
TEST(PreferenceChoices, GuardarAndCancel) {
    test::ScratchPlaces places;
    const fs::path file = places.settingsFolder() / kSettingsFileName;
    test::writeFile(file, text::cp1252("2 LEAL ESPAÑA 08221 Madrid_-_España clave-vieja"));

    // Cancel after choosing another country.
    SessionState session;
    loadSettings(session, file);
    {
        PreferenceChoices choices(session.selection);
        choices.chooseCountry(country("ARGENTINA"));
        adoptListChoices(session.selection, choices.selection());
    }
    EXPECT_EQ(session.selection.country, "ARGENTINA");
    EXPECT_EQ(session.selection.icao, "SACO");
    EXPECT_EQ(session.selection.timeOffsetHours, 2);
    EXPECT_EQ(session.selection.apiKey, "clave-vieja");
    SessionState nextStart;
    loadSettings(nextStart, file);
    EXPECT_EQ(utf8(nextStart.selection.country.str()), "ESPAÑA");
    EXPECT_EQ(nextStart.selection.icao, "LEAL");

    // An ICAO code of 3 characters: nothing set, nothing written.
    session.selection.icao = "LEM";
    EXPECT_EQ(confirmPreferences(session, {-3, "clave nueva"}, file),
              PreferencesSaved::InvalidIcao);
    EXPECT_EQ(session.selection.timeOffsetHours, 2);
    EXPECT_EQ(session.selection.apiKey, "clave-vieja");
    EXPECT_EQ(utf8(test::readFile(file)), "2 LEAL ESPAÑA 08221 Madrid_-_España clave-vieja");

    // A valid one: stored and written, the key with its blanks.
    session.selection.icao = "SAEZ";
    EXPECT_EQ(confirmPreferences(session, {-3, " clave nueva"}, file), PreferencesSaved::Saved);
    SessionState reread;
    loadSettings(reread, file);
    EXPECT_EQ(reread.selection.timeOffsetHours, -3);
    EXPECT_EQ(reread.selection.icao, "SAEZ");
    EXPECT_EQ(reread.selection.apiKey, " clave nueva");

    // No settings folder: the values stay for the run.
    EXPECT_EQ(confirmPreferences(session, {4, "k"}, places.root() / "falta" / kSettingsFileName),
              PreferencesSaved::NotWritten);
    EXPECT_EQ(session.selection.timeOffsetHours, 4);
    EXPECT_EQ(session.selection.apiKey, "k");
}

} // namespace
} // namespace brisalta
