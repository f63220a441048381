// The current-conditions page as the show-graph command reads it: the flags
// it leaves, the message of a page without data, the busy cursor and the
// deletion of the downloaded page.
#include "app/surfaceloading.h"

#include "support/scriptedui.h"
#include "support/testplaces.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace brisalta {
namespace {

namespace fs = std::filesystem;

const std::string kStationNotFound =
    "No se ha podido encontrar dicha estación, puede que esté temporalmente fuera de servicio o "
    "que no exista.";
const std::string kTooFewData = "La estación no dispone de suficientes datos en estos momentos..";

std::string madridPage() {
    return test::readFile(test::dataPath() / "surface" / "current" / "LEMD.html");
}

TEST(LoadCurrentConditionsPage, FlagsMessagesAndFileOfEachKindOfPage) {
    struct Case {
        const char* what;
        std::optional<std::string> page; // nothing: the download left no page
        int downloadOk, downloadFailed;
        int graphShown, graphAvailable; // after
        std::vector<std::string> messages;
        int busyCalls;
    };
    const Case cases[] = {
        {"a good page", madridPage(), 1, 0, 1, 1, {}, 1},
        {"a page that does not name the station",
         std::string("<HTML><BODY>Station not found</BODY></HTML>"), 1, 0, 0, 1,
         {kStationNotFound}, 1},
        {"a page without a table", std::string("<HTML>\n<BODY>\nNo data\n</BODY>\n</HTML>\n"), 1,
         0, 0, 0, {kTooFewData}, 1},
        {"no page at all: the previous graph stays", std::nullopt, 1, 0, 1, 1, {}, 1},
        {"a failed download reads nothing", madridPage(), 1, 1, 0, 1, {}, 0},
        {"a refused download (404) reads nothing", madridPage(), 0, 0, 0, 1, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::ScratchPlaces places;
        test::ScriptedUi ui;
        SessionState session;
        session.selection.icao = "LEMD";
        session.view.graphShown = true;
        session.view.graphAvailable = true;
        session.view.banyeresGraph = true;
        session.graph.pressureIsStation = true;
        session.graph.hasHumiditySeries = true;
        session.retrieval.downloadOk = c.downloadOk;
        session.retrieval.downloadFailed = c.downloadFailed;
        const fs::path file = places.tempFolder() / "temp.htm";
        if (c.page) {
            test::writeFile(file, *c.page);
        }

        loadCurrentConditionsPage(session, ui, file);

        EXPECT_EQ(session.view.graphShown, c.graphShown);
        EXPECT_EQ(session.view.graphAvailable, c.graphAvailable);
        EXPECT_EQ(ui.messageTexts(), c.messages);
        EXPECT_EQ(ui.busyCalls, c.busyCalls);
        EXPECT_EQ(ui.busyDepth, 0);
        // Whatever the page, the Banyeres and humidity flags of the last graph go.
        EXPECT_FALSE(session.view.banyeresGraph);
        EXPECT_FALSE(session.graph.hasHumiditySeries);
        // A page that was read is deleted; one the command never read stays.
        EXPECT_EQ(fs::exists(file), c.page.has_value() && c.busyCalls == 0);
    }
}

} // namespace
} // namespace brisalta
