// The automatic-station command from the user's side: the dialog's entries, the
// two requests, the key messages and the graph, over recorded answers.
#include "app/commandcontext.h"
#include "app/emacommands.h"
#include "graph/graphrenderer.h"
#include "adapters/replaytransport.h"
#include "session/sessionstate.h"
#include "settings/services.h"
#include "support/scriptedui.h"
#include "support/testplaces.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

namespace brisalta {
namespace {

namespace fs = std::filesystem;

const std::string kQueryBase =
    "https://opendata.aemet.es/opendata/api/observacion/convencional/datos/estacion/";

// Answers the station dialog from a script.
class StationDialogUi : public test::ScriptedUi {
public:
    std::optional<AutomaticStationAnswer> askAutomaticStation(const std::string&,
                                                              const std::vector<std::string>&) override {
        if (answers.empty()) {
            return std::nullopt;
        }
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<std::optional<AutomaticStationAnswer>> answers;
};

AutomaticStationAnswer listEntry(int index) { return {false, index, {}}; }
AutomaticStationAnswer typed(const std::string& identifier) { return {true, -1, identifier}; }

fs::path demoFolder() { return test::demoPath(); }

struct Fixture {
    explicit Fixture(const fs::path& replay = demoFolder()) : transport(replay) {
        session.selection.apiKey = "clave-de-prueba";
        addStation("8019X", "ALICANTE-ELCHE AEROPUERTO", "Alicante");
        addStation("3195X", "MADRID, RETIRO", "Madrid");
    }

    void addStation(const std::string& id, const std::string& name, const std::string& province) {
        CListaEma& r = session.emaList.records[static_cast<std::size_t>(session.emaList.count++)];
        r.id = id;
        r.name = text::cp1252(name);
        r.province = text::cp1252(province);
    }

    void run(std::optional<AutomaticStationAnswer> answer) {
        ui.answers.push_back(std::move(answer));
        commands.automaticStation();
    }

    std::vector<std::string> requested() const {
        std::vector<std::string> urls;
        for (const auto& r : transport.requests()) {
            urls.push_back(r.address);
        }
        return urls;
    }

    test::ScratchPlaces places;
    test::FixedClock clock{1784120400};
    ServiceTable services;
    SessionState session;
    ReplayTransport transport;
    StationDialogUi ui;
    CommandContext context{session, ui, transport, places, clock, services};
    EmaCommands commands{context};
};

TEST(EmaCommands, ListedStationIsAskedForWithoutItsCheckCharacterAndDrawn) {
    Fixture f;
    f.session.view.graphShown = true; // an airport graph was on screen
    f.run(listEntry(0));

    ASSERT_EQ(f.requested(), (std::vector<std::string>{
                                 kQueryBase + "8019/?api_key=clave-de-prueba",
                                 "https://opendata.aemet.es/opendata/sh/5e8c1d27"}));
    EXPECT_TRUE(f.ui.messages.empty()) << f.ui.messageTexts().front();
    EXPECT_EQ(f.session.graph.title, "ALICANTE-ELCHE/AEROPUERTO - ALICANTE");
    EXPECT_TRUE(f.session.view.emaGraphShown);
    EXPECT_TRUE(f.session.view.graphAvailable);
    EXPECT_FALSE(f.session.view.graphShown);
    EXPECT_FALSE(f.session.selection.emaManual);
    EXPECT_EQ(f.session.selection.emaIndex, 0);
    EXPECT_EQ(f.ui.redraws, 1);
    EXPECT_EQ(f.ui.busyDepth, 0);
    EXPECT_EQ(f.session.graph.emaSlotCount, 24);
    EXPECT_EQ(f.session.graph.hour[23], 12); // 2026-07-17T12:00 UTC
    EXPECT_EQ(f.session.graph.altitudeMetres, 43);
    // Both answers are read and removed from the settings folder.
    EXPECT_FALSE(fs::exists(f.places.settingsFolder() / kOpenDataIndexFile));
    EXPECT_FALSE(fs::exists(f.places.settingsFolder() / kOpenDataDataFile));
}

TEST(EmaCommands, TypedIdentifierIsSentWholeAndTitledWithTheStationNameAlone) {
    Fixture f;
    f.session.selection.emaIndex = 1;
    f.run(typed("3195"));

    ASSERT_EQ(f.requested().size(), 2u);
    EXPECT_EQ(f.requested()[0], kQueryBase + "3195/?api_key=clave-de-prueba");
    EXPECT_TRUE(f.session.selection.emaManual);
    EXPECT_EQ(f.session.graph.title, "MADRID RETIRO");
    // Without "tpr" the dew point comes from humidity and temperature.
    EXPECT_FALSE(f.session.graph.hasDewPointSeries);
    EXPECT_NE(f.session.graph.dewPoint[23], kMissing);

    // The next OK on a list entry is a list choice again.
    f.run(listEntry(1));
    EXPECT_FALSE(f.session.selection.emaManual);
    EXPECT_EQ(f.session.graph.title, "MADRID RETIRO - MADRID");
}

TEST(EmaCommands, OkOnAnEmptyListLeadsNowhere) {
    Fixture f;
    f.session.emaList.count = 0;
    f.run(listEntry(-1));
    EXPECT_TRUE(f.requested().empty());
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messageTexts()[0],
              "La lista de estaciones automáticas está vacía. Pulse «Manual» para escribir el "
              "identificador de la estación.");
    EXPECT_FALSE(f.session.view.emaGraphShown);
}

// What the user is told for each index answer, and that a refused key never
// leads to the data request nor shows up in a message. Every failure ends
// naming the station whose graph could not be drawn.
TEST(EmaCommands, IndexAnswerDecidesMessagesAndDataRequest) {
    struct Case {
        const char* name;
        const char* indexAnswer; // nullptr: nothing recorded
        std::vector<std::string> messages;
        std::size_t requests;
        int indexStatus = 200;
        const char* dataAnswer = nullptr; // recorded with dataStatus
        int dataStatus = 200;
    };
    const std::string consult = "No se ha podido efectuar la consulta";
    const std::string expired = "Su clave API ha caducado.Obtener nueva en página de AEMET OpenData.";
    const std::string invalid = "Su clave API no es válida. Obtener nueva en página de AEMET OpenData.";
    const std::string notDrawn =
        "No se ha podido dibujar la gráfica de la estación automática ALICANTE-ELCHE AEROPUERTO";
    const Case cases[] = {
        {"no answer", nullptr, {consult, notDrawn + "."}, 1},
        {"expired", "{\n  \"descripcion\" : \"API key caducada\",\n  \"estado\" : 401\n}\n",
         {consult, expired, notDrawn + "."}, 1},
        {"invalid", "{\n  \"descripcion\" : \"API key invalido\",\n  \"estado\" : 401\n}\n",
         {consult, invalid, notDrawn + "."}, 1},
        {"success but expired", "{ \"descripcion\" : \"exito\", \"caduca\" }",
         {expired, notDrawn + "."}, 1},
        {"success but invalid", "{ \"descripcion\" : \"exito\", \"invalido\" }",
         {invalid, notDrawn + "."}, 1},
        // A data request that fails says what happened and leaves the graph as it was.
        {"success without data",
         "{ \"descripcion\" : \"exito\", \"datos\" : \"https://opendata.aemet.es/opendata/sh/nada\" }",
         {notDrawn + ": el servidor opendata.aemet.es no tiene las observaciones pedidas."}, 2},
        {"data answered with a server error",
         "{ \"descripcion\" : \"exito\", \"datos\" : \"https://opendata.aemet.es/opendata/sh/nada\" }",
         {notDrawn + ": el servidor opendata.aemet.es ha contestado con el error HTTP 500."}, 2,
         200, "<html><body>Internal Server Error</body></html>", 500},
        // An error status without a key problem is told as what it was.
        {"index answered with a server error", "<html><body>Bad Gateway</body></html>",
         {consult + ".\nEl servidor opendata.aemet.es ha contestado con el error HTTP 502.",
          notDrawn + "."},
         1, 502},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::ScratchPlaces replay;
        const fs::path index = replay.root() / "opendata.aemet.es/opendata/api/observacion/"
                                               "convencional/datos/estacion/8019/"
                                               "_index@api_key=clave-de-prueba";
        if (c.indexAnswer) {
            test::writeFile(index, c.indexAnswer);
            test::writeFile(index.string() + ".status", std::to_string(c.indexStatus));
        }
        if (c.dataAnswer) {
            const fs::path data = replay.root() / "opendata.aemet.es/opendata/sh/nada";
            test::writeFile(data, c.dataAnswer);
            test::writeFile(data.string() + ".status", std::to_string(c.dataStatus));
        }
        Fixture f(replay.root());
        f.run(listEntry(0));
        EXPECT_EQ(f.ui.messageTexts(), c.messages);
        EXPECT_EQ(f.requested().size(), c.requests);
        for (const test::RecordedMessage& m : f.ui.messages) {
            EXPECT_EQ(m.icon, MessageIcon::Exclamation);
            EXPECT_EQ(m.text.find("clave-de-prueba"), std::string::npos);
        }
        EXPECT_FALSE(f.session.retrieval.openDataKeyExpired);
        EXPECT_FALSE(f.session.retrieval.openDataKeyInvalid);
        EXPECT_FALSE(f.session.view.emaGraphShown);
    }
}

// A data request that brings no records leaves the airport graph on screen as
// it was: its series, its title and its sky report.
TEST(EmaCommands, NoRecordsKeepTheGraphOnScreen) {
    test::ScratchPlaces replay;
    test::writeFile(replay.root() / "opendata.aemet.es/opendata/api/observacion/convencional/"
                                    "datos/estacion/8019/_index@api_key=clave-de-prueba",
                    "{ \"descripcion\" : \"exito\", \"datos\" : \"https://opendata.aemet.es/x\" }");
    Fixture f(replay.root());
    f.session.view.graphShown = true;
    f.session.view.graphAvailable = true;
    f.session.view.graphStation = "LEMD";
    f.session.graph.title = "Madrid";
    f.session.graph.skyReport = "Cielo despejado";
    f.session.graph.temperature.fill(20);
    f.run(listEntry(0));
    EXPECT_TRUE(f.session.view.graphShown);
    EXPECT_FALSE(f.session.view.emaGraphShown);
    EXPECT_FALSE(f.session.view.graphIsAutomatic);
    // Titled from the catalogue by its own airport, as before.
    EXPECT_EQ(f.session.graph.title, "Aeropuerto de Barajas - Madrid");
    EXPECT_EQ(f.session.graph.skyReport, "Cielo despejado");
    EXPECT_EQ(f.session.graph.temperature[0], 20);
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messageTexts()[0],
              "No se ha podido dibujar la gráfica de la estación automática ALICANTE-ELCHE "
              "AEROPUERTO: el servidor opendata.aemet.es no tiene las observaciones pedidas.\n"
              "Sigue en pantalla la gráfica de Aeropuerto de Barajas - Madrid.");
}

// An identifier typed by hand travels inside the query's address: anything
// but letters and digits is refused before a request is made.
TEST(EmaCommands, MalformedTypedIdentifierIsRefusedBeforeAnyRequest) {
    for (const char* bad : {"", "80 19", "8019/../x", "8019?api_key=otra", "ÑANDÚ"}) {
        Fixture f;
        f.run(typed(text::cp1252(bad)));
        EXPECT_TRUE(f.requested().empty()) << bad;
        ASSERT_EQ(f.ui.messages.size(), 1u) << bad;
        EXPECT_EQ(f.ui.messages[0].icon, MessageIcon::Exclamation);
    }
}

TEST(EmaCommands, MissingSettingsFolderIsCreated) {
    Fixture f;
    fs::remove_all(f.places.settingsFolder());
    f.run(listEntry(0));
    EXPECT_TRUE(fs::is_directory(f.places.settingsFolder()));
    EXPECT_TRUE(f.session.view.emaGraphShown);
}

TEST(EmaListPlaces, TakesTheFirstListOfCurrentSettingsAndDataFolders) {
    test::ScratchPlaces places;
    EXPECT_FALSE(findEmaList(places).has_value());
    test::writeFile(places.dataFolder() / "lista.ema", "");
    EXPECT_EQ(findEmaList(places), places.dataFolder() / "lista.ema");
    test::writeFile(places.settingsFolder() / "lista.ema", "");
    EXPECT_EQ(findEmaList(places), places.settingsFolder() / "lista.ema");
    test::writeFile(places.currentFolder() / "lista.ema", "");
    EXPECT_EQ(findEmaList(places), places.currentFolder() / "lista.ema");
}

} // namespace
} // namespace brisalta
