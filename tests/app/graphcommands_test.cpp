// The show-graph command never draws a station's data under another's name:
// when the new airport's page is not read, the graph on screen stays with its
// own title, header lines and sky report, and the user is told which airport
// failed and why, without any address or file path.
#include "app/graphcommands.h"

#include "adapters/replaytransport.h"
#include "app/pictures.h"
#include "support/scriptedui.h"
#include "support/testplaces.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace brisalta {
namespace {

namespace fs = std::filesystem;

const fs::path kCurrent = "tgftp.nws.noaa.gov/weather/current";
const std::string kQuery = "aviationweather.gov/adds/metars@station_ids=%s_std_trans=standard_"
                           "chk_metars=on_hoursStr=most+recent+only_submitmet=Submit";

std::string queryFile(const std::string& icao) {
    std::string name = kQuery;
    name.replace(name.find("%s"), 2, icao);
    return name;
}

// Recorded answers: Madrid's three documents from the demo, and whatever a
// case adds for Valencia.
struct Fixture {
    test::ScratchPlaces places;
    test::ScratchPlaces answers;
    test::FixedClock clock{1607342400};
    ServiceTable services;
    SessionState session;
    test::ScriptedUi ui;
    ReplayTransport transport{answers.root()};
    CommandContext context{session, ui, transport, places, clock, services};
    GraphCommands commands{context};

    Fixture() {
        // The classic chain: the NOAA page, the METAR query page, the station file.
        services.metarChain = SourceChain::Classic;
        fs::create_directories(places.tempFolder());
        for (const fs::path& file :
             {kCurrent / "LEMD.html", fs::path(queryFile("LEMD")),
              fs::path("tgftp.nws.noaa.gov/data/observations/metar/stations/LEMD.TXT")}) {
            test::writeFile(answers.root() / file, test::readFile(test::demoPath() / file));
        }
    }

    void show(const char* icao) {
        session.selection.icao = icao;
        commands.showGraph();
    }
};

bool mentionsAnAddressOrPath(const std::string& text) {
    for (const char* mark : {"http", "://", "ftp", "/tmp", "/data/", ".html", ".TXT", "@"}) {
        if (text.find(mark) != std::string::npos) {
            return true;
        }
    }
    return false;
}

// Purpose: whatever keeps the new airport's page from being read, Madrid's
// graph stays as it was and one message names Valencia; the pages that come
// after the first are not even asked for.
TEST(ShowGraph, PageNotReadKeepsThePreviousGraphUnderItsOwnName) {
    struct Case {
        const char* what;
        const char* valenciaPage; // nullptr: no answer recorded
        std::vector<std::string> messages;
    };
    const std::string notDrawn =
        "No se ha podido dibujar la gráfica de 24 horas de Aeropuerto de Manises - Valencia (LEVC)";
    const std::string stays = "\nSigue en pantalla la gráfica de Aeropuerto de Barajas - Madrid.";
    const Case cases[] = {
        {"no page",
         nullptr,
         {notDrawn +
          ": no ha llegado la página de sus observaciones recientes (puede que el "
          "servicio no tenga datos de esa estación o que no haya conexión)." +
          stays}},
        {"unknown station",
         "<HTML><BODY>Station not found</BODY></HTML>",
         {"No se ha podido encontrar dicha estación, puede que esté temporalmente fuera de "
          "servicio o que no exista.",
          notDrawn + "." + stays}},
        {"too few data",
         "<HTML>\n<BODY>\nNo data\n</BODY>\n</HTML>\n",
         {"La estación no dispone de suficientes datos en estos momentos..",
          notDrawn + "." + stays}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        if (c.valenciaPage) {
            test::writeFile(f.answers.root() / kCurrent / "LEVC.html", c.valenciaPage);
        }
        f.show("LEMD");
        ASSERT_EQ(f.ui.messages.size(), 1u);
        const SessionState madrid = f.session;
        ASSERT_EQ(text::toUtf8(madrid.view.headerTitle), "Aeropuerto de Barajas - Madrid");
        f.ui.messages.clear();
        const std::size_t asked = f.transport.requests().size();

        f.show("LEVC");
        EXPECT_EQ(f.ui.messageTexts(), c.messages);
        for (const auto& m : f.ui.messages) {
            EXPECT_FALSE(mentionsAnAddressOrPath(m.text)) << m.text;
        }
        EXPECT_EQ(f.transport.requests().size(), asked + 1); // only Valencia's page
        EXPECT_TRUE(f.session.view.graphShown);
        EXPECT_EQ(f.session.view.headerTitle, madrid.view.headerTitle);
        EXPECT_EQ(f.session.view.headerLine1, madrid.view.headerLine1);
        EXPECT_EQ(f.session.view.headerLine2, madrid.view.headerLine2);
        EXPECT_EQ(f.session.graph.skyReport, madrid.graph.skyReport);
        EXPECT_EQ(f.session.graph.temperature, madrid.graph.temperature);
        EXPECT_EQ(f.session.graph.altitudeKnown, madrid.graph.altitudeKnown);
        EXPECT_EQ(f.session.view.pictures.graph.series.title, madrid.graph.title);
        // What the user asked for stays asked: the next Ctrl+M tries Valencia again.
        EXPECT_EQ(f.session.selection.icao.str(), "LEVC");
        // Redrawing later (a QNH switch, a swap) keeps Madrid's name too.
        preparePictures(f.session);
        EXPECT_EQ(f.session.view.headerTitle, madrid.view.headerTitle);
    }
}

// Purpose: a station read without any METAR report gets no other station's
// report: the box and the clouds command say that none came.
TEST(ShowGraph, NewStationWithoutAReportNeverShowsThePreviousReport) {
    Fixture f;
    test::writeFile(f.answers.root() / kCurrent / "LEVC.html",
                    test::readFile(test::demoPath() / kCurrent / "LEMD.html"));
    f.show("LEMD");
    const std::string madridReport = f.session.graph.skyReport;
    ASSERT_FALSE(madridReport.empty());
    f.ui.messages.clear();

    f.show("LEVC");
    const std::string none = "No se ha podido obtener el último parte METAR de la estación.";
    ASSERT_FALSE(f.ui.messages.empty());
    EXPECT_EQ(f.ui.messageTexts().back(), none);
    EXPECT_TRUE(f.session.graph.skyReport.empty());
    EXPECT_EQ(text::toUtf8(f.session.view.headerTitle), "Aeropuerto de Manises - Valencia");
    f.ui.messages.clear();
    f.commands.clouds();
    EXPECT_EQ(f.ui.messageTexts(), std::vector<std::string>{none});
}

} // namespace
} // namespace brisalta
