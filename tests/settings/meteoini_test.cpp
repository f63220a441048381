// "meteo.ini": the six tokens, their read limits, the blank/'_' exchange, the
// shift after an empty token, the defaults, and files nobody should trust.
#include "settings/meteoini.h"

#include "support/testplaces.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>

#include <sys/stat.h>

namespace brisalta {
namespace {

namespace fs = std::filesystem;

std::string utf8(const std::string& cp1252) {
    return text::toUtf8(cp1252);
}

struct Loaded {
    int timeOffsetHours;
    std::string icao, country, stationId, stationName, apiKey; // UTF-8
};

// Loads a file of the given bytes into a fresh session.
Loaded loadBytes(const std::string& bytes) {
    test::ScratchPlaces places;
    const fs::path file = places.settingsFolder() / kSettingsFileName;
    test::writeFile(file, bytes);
    SessionState s;
    loadSettings(s, file);
    const StationSelection& sel = s.selection;
    return {sel.timeOffsetHours,         utf8(sel.icao.str()),          utf8(sel.country.str()),
            utf8(sel.soundingStationId), utf8(sel.soundingStationName), utf8(sel.apiKey)};
}

// The same for a file written in UTF-8 here and stored in Windows-1252.
Loaded load(const std::string& utf8Content) {
    return loadBytes(text::toCp1252(utf8Content));
}

void expectLoaded(const Loaded& got, const Loaded& want) {
    EXPECT_EQ(got.timeOffsetHours, want.timeOffsetHours);
    EXPECT_EQ(got.icao, want.icao);
    EXPECT_EQ(got.country, want.country);
    EXPECT_EQ(got.stationId, want.stationId);
    EXPECT_EQ(got.stationName, want.stationName);
    EXPECT_EQ(got.apiKey, want.apiKey);
}

TEST(MeteoIni, WritesSixTokensWithoutLineEnd) {
    test::ScratchPlaces places;
    const fs::path file = places.settingsFolder() / kSettingsFileName;
    SessionState s;
    s.selection.timeOffsetHours = -3;
    s.selection.icao = "SAEZ";
    s.selection.country = "ARGENTINA";
    s.selection.soundingStationId = "87576";
    s.selection.soundingStationName = "Ezeiza - Argentina";
    s.selection.apiKey = "eyJhbGciOiJIUzI1NiJ9.abc";
    ASSERT_TRUE(saveSettings(s, file));
    EXPECT_EQ(test::readFile(file),
              "-3 SAEZ ARGENTINA 87576 Ezeiza_-_Argentina eyJhbGciOiJIUzI1NiJ9.abc");
}

// Purpose: names with blanks survive a save and a load; a '_' the user typed
// comes back as a blank, in the file and in memory after the save.
TEST(MeteoIni, BlanksSurviveASaveAndLoad) {
    test::ScratchPlaces places;
    const fs::path file = places.settingsFolder() / kSettingsFileName;
    SessionState s;
    s.selection.timeOffsetHours = -4;
    s.selection.icao = "MDSD";
    s.selection.country = "REP. DOMINICANA";
    s.selection.soundingStationId = "78486";
    s.selection.soundingStationName = text::cp1252("Santo Domingo - Rep._Dominicana");
    s.selection.apiKey = "clave";
    ASSERT_TRUE(saveSettings(s, file));
    EXPECT_EQ(test::readFile(file),
              "-4 MDSD REP._DOMINICANA 78486 Santo_Domingo_-_Rep._Dominicana clave");
    EXPECT_EQ(s.selection.country, "REP. DOMINICANA");
    EXPECT_EQ(s.selection.soundingStationName, "Santo Domingo - Rep. Dominicana");

    SessionState back;
    loadSettings(back, file);
    EXPECT_EQ(back.selection.timeOffsetHours, -4);
    EXPECT_EQ(back.selection.icao, "MDSD");
    EXPECT_EQ(back.selection.country, "REP. DOMINICANA");
    EXPECT_EQ(back.selection.soundingStationId, "78486");
    EXPECT_EQ(back.selection.soundingStationName, "Santo Domingo - Rep. Dominicana");
    EXPECT_EQ(back.selection.apiKey, "clave");
}

// Purpose: an empty field is written as a token of its own, so the API key
// stays the API key; a file of an earlier version, which wrote nothing for the
// empty station, still reads with the key moved into the station number.
TEST(MeteoIni, EmptyFieldsKeepTheirPlace) {
    test::ScratchPlaces places;
    const fs::path file = places.settingsFolder() / kSettingsFileName;
    SessionState s;
    s.selection.soundingStationId.clear();
    s.selection.soundingStationName.clear();
    s.selection.apiKey = "eyJhbGciOiJIUzI1NiJ9.eyJzdWIiOiJ1c3VhcmlvQGVqZW1wbG8uZXMifQ.firma";
    ASSERT_TRUE(saveSettings(s, file));
    EXPECT_EQ(utf8(test::readFile(file)), "1 LEAL ESPAÑA ~ ~ " + s.selection.apiKey);

    SessionState back;
    back.selection.soundingStationId = "08001";
    back.selection.soundingStationName = "A Coruña - España";
    loadSettings(back, file);
    EXPECT_EQ(back.selection.soundingStationId, "");
    EXPECT_EQ(back.selection.soundingStationName, "");
    EXPECT_EQ(back.selection.apiKey, s.selection.apiKey);

    expectLoaded(load("1 LEAL ESPAÑA   " + s.selection.apiKey),
                 {1, "LEAL", "ESPAÑA", "eyJhb", "", ""});
}

// Purpose: whatever the user put in a field comes back from the file in that
// field: empty values anywhere, blanks, tabs and line breaks in the key, a '%'
// or a leading '~', names with blanks; only the read limits still cut.
TEST(MeteoIni, EveryFieldSurvivesASaveAndLoad) {
    struct Case {
        const char* name;
        Loaded saved;
        std::optional<Loaded> cut; // what a load gives when it is not what was saved
    };
    const std::string longKey = "clave con blancos " + std::string(282, 'k');
    const Case cases[] = {
        {"plain", {2, "LEMD", "ESPAÑA", "08221", "Madrid - España", "abc.def-_g"}, {}},
        {"everything empty but the offset", {-12, "", "", "", "", ""}, {}},
        {"empty ICAO and country", {0, "", "", "08001", "A Coruña - España", "k"}, {}},
        {"empty key", {1, "SAEZ", "ARGENTINA", "87576", "Ezeiza - Argentina", ""}, {}},
        {"key with blanks",
         {1, "LEAL", "ESPAÑA", "08430", "Murcia", " una clave  con blancos "},
         {}},
        {"key with a tab and line breaks",
         {1, "LEAL", "ESPAÑA", "08430", "Murcia", "a\tb\r\nc\n"},
         {}},
        {"key with percent and tilde", {1, "LEAL", "ESPAÑA", "08430", "Murcia", "~%41%~"}, {}},
        {"station name with a tab", {1, "LEAL", "ESPAÑA", "08430", "Mur\tcia", "k"}, {}},
        {"ICAO with a blank", {1, "LE D", "ESPAÑA", "08430", "Murcia", "k"}, {}},
        {"country with blanks",
         {-4, "MDSD", "REP. DOMINICANA", "78486", "Santo Domingo - Rep. Dominicana", "k"},
         {}},
        {"station typed by hand", {1, "LEAL", "ESPAÑA", "1234", "1234", "k"}, {}},
        {"values starting with the mark", {1, "LEAL", "ESPAÑA", "~1", "~ raro", "~"}, {}},
        {"key of 300 bytes with blanks", {1, "LEAL", "ESPAÑA", "08001", "A", longKey}, {}},
        {"key longer than its limit",
         {1, "LEAL", "ESPAÑA", "08001", "A", longKey + " y más"},
         Loaded{1, "LEAL", "ESPAÑA", "08001", "A", longKey}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::ScratchPlaces places;
        const fs::path file = places.settingsFolder() / kSettingsFileName;
        SessionState s;
        s.selection.timeOffsetHours = c.saved.timeOffsetHours;
        s.selection.icao = text::cp1252(c.saved.icao);
        s.selection.country = text::cp1252(c.saved.country);
        s.selection.soundingStationId = text::cp1252(c.saved.stationId);
        s.selection.soundingStationName = text::cp1252(c.saved.stationName);
        s.selection.apiKey = text::cp1252(c.saved.apiKey);
        ASSERT_TRUE(saveSettings(s, file));
        const std::string written = test::readFile(file);
        EXPECT_EQ(std::count(written.begin(), written.end(), ' '), 5) << written;

        SessionState back;
        back.selection.icao = "XXXX";
        back.selection.soundingStationId = "99999";
        back.selection.apiKey = "antigua";
        loadSettings(back, file);
        const StationSelection& got = back.selection;
        expectLoaded({got.timeOffsetHours, utf8(got.icao.str()), utf8(got.country.str()),
                      utf8(got.soundingStationId), utf8(got.soundingStationName), utf8(got.apiKey)},
                     c.cut.value_or(c.saved));
    }
}

// Purpose: each field keeps at most its limit; the rest of a longer token is
// dropped rather than read as the next field.
TEST(MeteoIni, LongTokensAreCutToTheirLimits) {
    expectLoaded(load("1 LEMDX ESPAÑA_Y_PORTUGAL_Y_ANDORRA 082210 "
                      "Estación_con_un_nombre_bastante_más_largo_de_cuarenta " +
                      std::string(310, 'k')),
                 {1, "LEMD", "ESPAÑA Y PORTUGAL Y", "08221",
                  "Estación con un nombre bastante más larg", std::string(300, 'k')});
}

// Purpose: the start values when there is no file, and sane values from files
// that were never written by the program.
TEST(MeteoIni, MissingOrHostileFilesLeaveSaneValues) {
    {
        test::ScratchPlaces places;
        SessionState s;
        s.selection.timeOffsetHours = 7;
        s.selection.icao = "XXXX";
        s.selection.country = "CHILE";
        s.selection.apiKey = "kept";
        loadSettings(s, places.settingsFolder() / "no-existe.ini");
        EXPECT_EQ(s.selection.timeOffsetHours, 1);
        EXPECT_EQ(s.selection.icao, "LEAL");
        EXPECT_EQ(utf8(s.selection.country.str()), "ESPAÑA");
        EXPECT_EQ(s.selection.apiKey, "kept");
    }

    struct Case {
        const char* name;
        std::string content;
        Loaded expected;
    };
    static const char kNulTokens[] = "2 LE\0MD ESP\0ANA 08\0"
                                     "221 A\0B k\0ey";
    std::string binary;
    for (int i = 0; i < 4096; ++i) {
        binary.push_back(static_cast<char>((i * 7919) & 0xFF));
    }
    const Case cases[] = {
        {"empty", "", {1, "LEAL", "ESPAÑA", "", "", ""}},
        {"blanks only", " \n\t\r\n ", {1, "LEAL", "ESPAÑA", "", "", ""}},
        {"offset is not a number",
         "LEMD ESPAÑA 08221 Madrid clave",
         {1, "LEAL", "ESPAÑA", "", "", ""}},
        {"offset only", "-5", {-5, "LEAL", "ESPAÑA", "", "", ""}},
        {"offset out of range", "99999999999999 LEMD", {1, "LEMD", "ESPAÑA", "", "", ""}},
        {"offset 13", "13 LEMD", {1, "LEMD", "ESPAÑA", "", "", ""}},
        {"NUL inside tokens",
         std::string(kNulTokens, sizeof kNulTokens - 1),
         {2, "LE", "ESP", "08", "A", "k"}},
        {"huge token",
         "0 " + std::string(1 << 20, 'Z') + " ESPAÑA",
         {0, "ZZZZ", "ESPAÑA", "", "", ""}},
        {"line end written by an editor",
         "1 LEAL ESPAÑA 08001 A_Coruña clave\r\n",
         {1, "LEAL", "ESPAÑA", "08001", "A Coruña", "clave"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        expectLoaded(load(c.content), c.expected);
    }
    const Loaded garbage = loadBytes(binary); // must not crash; whatever is read stays bounded
    EXPECT_LE(garbage.icao.size(), 4u * 2);
    EXPECT_LE(garbage.apiKey.size(), 300u * 2);
}

TEST(MeteoIni, SavedFileIsPrivateAndReplacedInOneStep) {
    test::ScratchPlaces places;
    const fs::path file = places.settingsFolder() / kSettingsFileName;
    test::writeFile(file, "3 LEBL ESPAÑA 08001 A_Coruña una-clave-antigua-y-mas-larga");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                              fs::perms::others_read);
    SessionState s;
    s.selection.apiKey = "nueva";
    ASSERT_TRUE(saveSettings(s, file));
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(utf8(test::readFile(file)), "1 LEAL ESPAÑA ~ ~ nueva");
    EXPECT_EQ(
        std::distance(fs::directory_iterator(places.settingsFolder()), fs::directory_iterator{}),
        1);

    // A folder that does not exist: nothing is written, nothing is said, and the
    // values stay in memory.
    s.selection.country = "REP. DOMINICANA";
    EXPECT_FALSE(saveSettings(s, places.root() / "falta" / kSettingsFileName));
    EXPECT_EQ(s.selection.country, "REP. DOMINICANA");
}

} // namespace
} // namespace brisalta
