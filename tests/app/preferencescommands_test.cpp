// The commands of the user's settings, lists and help from the user's side:
// what "Preferencias" keeps after a confirm or a cancel, what reaches the
// settings file, which files the editors get, which links reach the desktop,
// and where the manual is looked for.
#include "app/commandcontext.h"
#include "app/helpcommands.h"
#include "app/preferencescommands.h"
#include "adapters/replaytransport.h"
#include "session/sessionstate.h"
#include "settings/meteoini.h"
#include "support/scriptedui.h"
#include "support/testplaces.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace brisalta {
namespace {

namespace fs = std::filesystem;

struct Fixture {
    Fixture() : transport(places.root() / "sin-respuestas") {
        session.selection.icao = "LEAL";
        session.selection.country = text::cp1252("ESPAÑA");
        session.selection.soundingStationId = "08430";
        session.selection.soundingStationName = text::cp1252("Murcia - España");
        session.selection.timeOffsetHours = 1;
        session.selection.apiKey = "clave-antigua";
    }

    fs::path ini() const { return places.settingsFolder() / kSettingsFileName; }

    test::ScratchPlaces places;
    test::FixedClock clock{1607342400};
    ServiceTable services;
    SessionState session;
    ReplayTransport transport;
    test::ScriptedUi ui;
    CommandContext context{session, ui, transport, places, clock, services};
    PreferencesCommands preferences{context};
    HelpCommands help{context};
};

PreferencesFields argentina(int offset, const std::string& key) {
    PreferencesFields f;
    f.country = "ARGENTINA";
    f.icao = "SACO";
    f.soundingStationId = "87344";
    f.soundingStationName = text::cp1252("Córdoba - Argentina");
    f.timeOffsetHours = offset;
    f.apiKey = key;
    return f;
}

// What "Preferencias" leaves behind for each way the dialog can end.
TEST(PreferencesCommands, KeepsListChoicesAlwaysAndStoresOnlyAConfirmedValidAnswer) {
    const std::string kNotSaved =
        "No se han podido guardar las preferencias en el fichero meteo.ini. Los valores elegidos "
        "valen hasta que se cierre el programa.";
    struct Case {
        const char* name;
        std::string icao;      // what the lists left in the airport box
        bool confirmed;
        bool folderIsAFile;    // the settings folder cannot hold a file
        std::optional<PreferencesSaved> outcome;
        std::vector<std::string> messages;
        int offsetAfter;
        std::string keyAfter;
        bool fileWritten;
    };
    const Case cases[] = {
        {"cancel", "SACO", false, false, std::nullopt, {}, 1, "clave-antigua", false},
        {"guardar", "SACO", true, false, PreferencesSaved::Saved, {}, -3, "clave nueva", true},
        {"short code", "SAC", true, false, PreferencesSaved::InvalidIcao,
         {"Un identificador ICAO válido se compone de 4 letras"}, 1, "clave-antigua", false},
        {"unwritable", "SACO", true, true, PreferencesSaved::NotWritten, {kNotSaved}, -3,
         "clave nueva", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        if (c.folderIsAFile) {
            fs::remove_all(f.places.settingsFolder());
            test::writeFile(f.places.settingsFolder(), "no soy una carpeta");
        }
        PreferencesFields fields = argentina(-3, "clave nueva");
        fields.icao = c.icao;
        f.ui.preferencesAnswers.push_back({fields, c.confirmed});

        EXPECT_EQ(f.preferences.preferences(), c.outcome);

        ASSERT_EQ(f.ui.preferencesAsked.size(), 1u);
        EXPECT_EQ(f.ui.preferencesAsked[0].icao, "LEAL");
        EXPECT_EQ(f.ui.preferencesAsked[0].apiKey, "clave-antigua");
        // The lists act at once: their choices stay for the run in every case.
        EXPECT_EQ(f.session.selection.country.str(), "ARGENTINA");
        EXPECT_EQ(f.session.selection.icao.str(), c.icao);
        EXPECT_EQ(f.session.selection.soundingStationId, "87344");
        EXPECT_EQ(f.session.selection.timeOffsetHours, c.offsetAfter);
        EXPECT_EQ(f.session.selection.apiKey, c.keyAfter);
        EXPECT_EQ(f.ui.messageTexts(), c.messages);
        EXPECT_EQ(fs::is_regular_file(f.ini()), c.fileWritten);
    }
}

TEST(PreferencesCommands, SavedFileReadsBackWithBlanksAndIsPrivate) {
    Fixture f;
    f.ui.preferencesAnswers.push_back(
        {{"REP. DOMINICANA", "MDSD", "78486", "Santo Domingo - Rep. Dominicana", -4, "k e y"},
         true});
    ASSERT_EQ(f.preferences.preferences(), PreferencesSaved::Saved);

    struct stat info {};
    ASSERT_EQ(::stat(f.ini().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    SessionState next;
    loadSettings(next, f.ini());
    EXPECT_EQ(next.selection.country.str(), "REP. DOMINICANA");
    EXPECT_EQ(next.selection.soundingStationName, "Santo Domingo - Rep. Dominicana");
    EXPECT_EQ(next.selection.apiKey, "k e y");
    EXPECT_EQ(next.selection.timeOffsetHours, -4);
}

TEST(PreferencesCommands, EditorsGetTheirFilesAndTheGraphOnScreen) {
    Fixture f;
    f.session.view.headerTitle = text::cp1252("Aeropuerto de Alicante - Elche");
    f.preferences.editLinks();
    f.preferences.editFavourites();
    f.preferences.preferences(); // no answer queued: cancelled

    ASSERT_EQ(f.ui.linksEdited.size(), 1u);
    EXPECT_EQ(f.ui.linksEdited[0], f.places.settingsFolder() / "Brisanet.ini");
    ASSERT_EQ(f.ui.favouritesEdited.size(), 1u);
    EXPECT_EQ(f.ui.favouritesEdited[0].file, f.places.settingsFolder() / "GrafPref.ini");
    EXPECT_EQ(f.ui.favouritesEdited[0].currentTitle, f.session.view.headerTitle);
    EXPECT_EQ(f.ui.favouritesEdited[0].currentIcao, "LEAL");
    ASSERT_EQ(f.ui.preferencesFiles.size(), 1u);
    EXPECT_EQ(f.ui.preferencesFiles[0].links, f.ui.linksEdited[0]);
    EXPECT_EQ(f.ui.preferencesFiles[0].favourites, f.ui.favouritesEdited[0].file);
    EXPECT_EQ(f.ui.preferencesFiles[0].currentTitle, f.session.view.headerTitle);
}

// Only web addresses reach the desktop; everything else is told, never run.
TEST(PreferencesCommands, LinksOpenOnlyWebAddresses) {
    struct Case {
        const char* stored;
        bool desktopTakes;
        std::vector<std::string> opened;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"https://www.aemet.es/ ", true, {"https://www.aemet.es/"}, {}},
        {"HTTP://example.org/a?b=1", true, {"HTTP://example.org/a?b=1"}, {}},
        {"file:///etc/passwd ", true, {},
         {"La dirección «file:///etc/passwd» no es una dirección web (http:// o https://) y no "
          "se abre."}},
        {"/usr/bin/xterm", true, {},
         {"La dirección «/usr/bin/xterm» no es una dirección web (http:// o https://) y no se "
          "abre."}},
        {"https://www.aemet.es/", false, {"https://www.aemet.es/"},
         {"No se ha podido abrir la dirección «https://www.aemet.es/» en el navegador web."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        Fixture f;
        f.session.links.linkNames[0] = "Enlace ";
        f.session.links.linkAddresses[0] = c.stored;
        f.session.links.linkCount = 1;
        f.ui.desktopTakes = c.desktopTakes;
        f.preferences.openLink(0);
        f.preferences.openLink(1); // past the list: nothing at all
        EXPECT_EQ(f.ui.addressesOpened, c.opened);
        EXPECT_EQ(f.ui.messageTexts(), c.messages);
    }
}

TEST(PreferencesCommands, FavouriteSelectsItsAirportAndAsksForItsGraph) {
    Fixture f;
    f.session.links.favouriteNames[0] = "Madrid ";
    f.session.links.favouriteCodes[0] = "LEMD ";
    f.session.links.favouriteCount = 1;
    f.preferences.openFavourite(0);
    EXPECT_EQ(f.session.selection.icao.str(), "LEMD");
    EXPECT_GE(f.ui.busyCalls, 1); // the show-graph command went for its page

    Fixture none;
    none.preferences.openFavourite(0);
    EXPECT_EQ(none.session.selection.icao.str(), "LEAL");
    EXPECT_EQ(none.ui.busyCalls, 0);
}

TEST(PreferencesCommands, LoadLinksSaysWhichListFilesExist) {
    Fixture f;
    test::writeFile(f.places.settingsFolder() / "GrafPref.ini", "Madrid\nLEMD\n");
    const LinkFilesFound found = f.preferences.loadLinks();
    EXPECT_FALSE(found.links);
    EXPECT_TRUE(found.favourites);
    EXPECT_EQ(f.session.links.favouriteCount, 1);
}

// A places adapter with a second folder to look for the manual in, as the
// build folder is for a program that is not installed.
class TwoFolderPlaces : public test::ScratchPlaces {
public:
    std::vector<fs::path> manualFolders() const override { return {dataFolder(), root() / "build"}; }
};

TEST(HelpCommands, OpensTheFirstManualFoundOrSaysItIsMissing) {
    const std::string kMissing =
        "No se encuentra el manual de Brisalta (Brisalta.pdf). Se instala con el programa, en "
        "su carpeta de datos; vuelva a instalar Brisalta para tenerlo.";
    const std::string kNoViewer = "No se ha podido abrir el manual de Brisalta: el escritorio no "
                                  "tiene ningún programa para ver documentos PDF.";
    struct Case {
        const char* name;
        bool inData;
        bool inBuild;
        bool dataIsAFolder; // a folder that happens to be called Brisalta.pdf
        bool desktopTakes;
        const char* opened; // "data", "build" or nothing
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"installed", true, true, false, true, "data", {}},
        {"build folder", false, true, false, true, "build", {}},
        {"folder of that name", false, true, true, true, "build", {}},
        {"nowhere", false, false, false, true, nullptr, {kMissing}},
        {"no viewer", true, false, false, false, "data", {kNoViewer}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TwoFolderPlaces places;
        test::ScriptedUi ui;
        ui.desktopTakes = c.desktopTakes;
        SessionState session;
        ReplayTransport transport(places.root());
        test::FixedClock clock{0};
        ServiceTable services;
        CommandContext context{session, ui, transport, places, clock, services};
        if (c.inData) {
            test::writeFile(places.dataFolder() / "Brisalta.pdf", "%PDF-1.4");
        }
        if (c.dataIsAFolder) {
            fs::create_directories(places.dataFolder() / "Brisalta.pdf");
        }
        if (c.inBuild) {
            test::writeFile(places.root() / "build" / "Brisalta.pdf", "%PDF-1.4");
        }
        HelpCommands(context).help();
        if (c.opened) {
            const fs::path folder =
                std::string(c.opened) == "data" ? places.dataFolder() : places.root() / "build";
            ASSERT_EQ(ui.filesOpened.size(), 1u);
            EXPECT_EQ(ui.filesOpened[0], folder / "Brisalta.pdf");
        } else {
            EXPECT_TRUE(ui.filesOpened.empty());
        }
        EXPECT_EQ(ui.messageTexts(), c.messages);
    }
}

TEST(HelpCommands, AboutShowsTheAboutBox) {
    Fixture f;
    f.help.about();
    EXPECT_EQ(f.ui.aboutShown, 1);
    EXPECT_TRUE(f.ui.messages.empty());
}

} // namespace
} // namespace brisalta
