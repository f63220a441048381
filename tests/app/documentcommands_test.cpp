// Opening and saving documents as the commands do: what the user is told, in
// which order, and when the recent-file list and the view hear of it.
#include "app/documentcommands.h"

#include "../document/documentsamples.h"
#include "adapters/replaytransport.h"
#include "support/scriptedui.h"
#include "support/testplaces.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace brisalta {
namespace {

namespace fs = std::filesystem;

const std::string kForecastNotice =
    "Los datos que se van a mostrar NO son reales sino sacados de una PREVISIÓN, por lo que su "
    "validez es relativa\nDatos extraidos del 'Air Resources Laboratory - NOAA'";
const std::string kOldVersionNote =
    "Archivo grabado en una versión anterior.\nLa humedad relativa no se ha registrado.";

TEST(DocumentCommands, OpeningTellsWhatTheDocumentIs) {
    test::ScratchPlaces places;
    const fs::path folder = places.root();
    test::writeFile(folder / "prevision.brl",
                    test::soundingHead("sondeoP", 1, "Sondeo previsto")
                        .floats({900, 1000, 15, 5, 50, 270, 36})
                        .data);
    test::writeFile(folder / "antigua.brl", test::graphHead(3, 4, 2005, 1230, "Antigua").data);
    test::writeFile(folder / "actual.brl",
                    test::readFile(test::dataPath() / "document" / "graph_v30.brl"));
    struct Case {
        const char* file;
        bool opened;
        std::vector<std::string> messages;
        MessageIcon icon;
    };
    const Case cases[] = {
        {"actual.brl", true, {}, MessageIcon::None},
        {"prevision.brl", true, {kForecastNotice}, MessageIcon::Information},
        {"antigua.brl", true, {kOldVersionNote}, MessageIcon::None},
        {"falta.brl", false,
         {"No se ha podido abrir el documento «falta.brl»: el fichero no existe o no se puede "
          "leer."},
         MessageIcon::Exclamation},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        SessionState session;
        test::ScriptedUi ui;
        test::FixedClock clock{0};
        ServiceTable services;
        ReplayTransport nothingToFetch(places.root() / "sin-respuestas");
        CommandContext context{session, ui, nothingToFetch, places, clock, services};
        DocumentCommands commands(context);
        EXPECT_EQ(commands.openPath(folder / c.file), c.opened);
        EXPECT_EQ(ui.messageTexts(), c.messages);
        if (!c.messages.empty()) {
            EXPECT_EQ(ui.messages[0].icon, c.icon);
        }
        // The picture is prepared and shown only for a document that was read.
        EXPECT_EQ(ui.redraws, c.opened ? 1 : 0);
        EXPECT_EQ(session.view.graphShown || session.view.soundingShown, c.opened);
    }
}

TEST(DocumentCommands, SavingSaysWhyItFailed) {
    test::ScratchPlaces places;
    SessionState session;
    test::fillGoldenGraph(session);
    test::ScriptedUi ui;
    const fs::path noFolder = places.root() / "no-existe" / "x.brl";
    EXPECT_FALSE(saveDocumentWithMessage(session, ui, noFolder));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Exclamation);
    // The file by its name; the folder is in the debug trace only.
    EXPECT_EQ(ui.messageTexts()[0], "No se ha podido guardar el documento «x.brl»: la carpeta no existe.");
    EXPECT_TRUE(saveDocumentWithMessage(session, ui, places.root() / "bien.brl"));
    EXPECT_EQ(ui.messages.size(), 1u);
}

} // namespace
} // namespace brisalta
