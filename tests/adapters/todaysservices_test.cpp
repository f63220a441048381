// Today's services end to end: the graph and sounding commands over
// CurlTransport against a loopback server (plain HTTP, and HTTPS for the
// sounding interface's other host) that plays the recorded answers of
// tests/data/samples/today/ and answers of our own (the tables in
// httpfixture.py): what the session holds afterwards, what the user is told,
// where the status line says the data came from.
#include "adapters/curl/curltransport.h"

#include "adapters/loopbackserver.h"
#include "app/graphcommands.h"
#include "app/soundingcommands.h"
#include "net/downloadsession.h"
#include "sources/wyomingcsv.h"
#include "support/scriptedui.h"
#include "support/testplaces.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace brisalta {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr int M = kMissing;
const char* const kRejected =
    "No se puede encontrar dicha estación o no es válida la fecha o la hora.";

std::string tlsFile(const char* name) {
    return (test::dataPath() / "net" / "tls" / name).string();
}

// Short waits so a stalled loopback answer fails the test quickly.
CurlLimits shortLimits() {
    CurlLimits limits;
    limits.connect = 3000ms;
    limits.slowTime = 2000ms;
    limits.page = 20000ms;
    return limits;
}

test::LoopbackServer& httpsServer() {
    static test::LoopbackServer server(
        BRISALTA_NET_TEST_DIR "/httpfixture.py",
        {test::dataPath().string(), "--tls", tlsFile("loopback.pem"), tlsFile("loopback.key")});
    return server;
}

test::LoopbackServer& httpServer() {
    static test::LoopbackServer server(
        BRISALTA_NET_TEST_DIR "/httpfixture.py",
        {test::dataPath().string(), "--https-port", std::to_string(httpsServer().port())});
    return server;
}

std::string base(int port) {
    return "http://127.0.0.1:" + std::to_string(port);
}

class TodaysServicesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(httpsServer().port(), 0) << "the HTTPS fixture server did not start";
        ASSERT_NE(httpServer().port(), 0) << "the HTTP fixture server did not start";
        const std::string loopback = base(httpServer().port());
        services.awcBase = loopback;
        services.iemBase = loopback;
        services.wyomingBase = loopback;
        services.soundingListHost = "127.0.0.1:" + std::to_string(httpServer().port());
        session.selection.timeOffsetHours = 0;
    }

    CommandContext context() { return {session, ui, curl, places, clock, services}; }

    void showGraph(const char* icao) {
        session.selection.icao = icao;
        CommandContext c = context();
        GraphCommands(c).showGraph();
    }

    void showSounding(const char* station) {
        StationSelection& s = session.selection;
        s.soundingStationId = station;
        s.soundingRegion = "naconf";
        s.soundingYear = "1999";
        s.soundingMonth = "5";
        s.soundingDay = "4";
        s.soundingHour = "00";
        session.sounding.fromSecondService = false;
        CommandContext c = context();
        SoundingCommands(c).showSounding();
    }

    std::vector<std::string> messages() const { return ui.messageTexts(); }
    std::string status() const {
        return ui.statuses.empty() ? std::string() : text::toUtf8(ui.statuses.back());
    }

    test::ScratchPlaces places;
    test::ScriptedUi ui;
    test::FixedClock clock{1763042400}; // 13 November 2025, 14:00 UTC
    ServiceTable services;
    SessionState session;
    CurlTransport curl{shortLimits(), tlsFile("loopback.pem")};
};

struct Slot {
    int index;
    int hour;
    int temperature;
    int dewPoint;
    int pressure;
    int windSpeed;
    const char* direction;
};

void expectSlots(const GraphSeries& g, const std::vector<Slot>& slots) {
    for (const Slot& s : slots) {
        SCOPED_TRACE("slot " + std::to_string(s.index));
        const auto i = static_cast<std::size_t>(s.index);
        EXPECT_EQ(g.hour[i], s.hour);
        EXPECT_EQ(g.temperature[i], s.temperature);
        EXPECT_EQ(g.dewPoint[i], s.dewPoint);
        EXPECT_EQ(g.pressure[i], s.pressure);
        EXPECT_EQ(g.windSpeed[i], s.windSpeed);
        EXPECT_EQ(g.windDirection[i].str(), s.direction);
    }
}

// The 2025 schema: a SPECI and a METAR in one hour (the newer wins), a SPECI
// newer than its hour's METAR, a missing hour, a calm and a variable wind,
// the elevation turning QNH into station pressure.
TEST_F(TodaysServicesTest, GraphFromTheDataApi) {
    showGraph("LEMD");
    ASSERT_TRUE(session.view.graphShown);
    EXPECT_TRUE(session.view.graphAvailable);
    expectSlots(session.graph, {
                                   {23, 12, 30, 5, 943, 18, "SW"},
                                   {22, 11, 28, 6, 944, 3, "Variable"},
                                   {21, 10, 24, 12, 944, 14, "SSW"},
                                   {20, 9, M, M, M, M, "No"},
                                   {19, 8, 20, 8, 946, M, "Calm"},
                                   {0, 13, 33, 4, 941, 22, "WSW"},
                               });
    EXPECT_EQ(session.graph.altitudeMetres, 609);
    EXPECT_TRUE(session.graph.pressureIsStation);
    EXPECT_EQ(session.graph.lastTime, 1230);
    const DataSource& source = session.view.graphSource;
    EXPECT_EQ(source.name, "Aviation Weather Center");
    EXPECT_EQ(source.address,
              base(httpServer().port()) + "/api/data/metar?ids=LEMD&format=json&hours=24");
    EXPECT_EQ(source.reports, 9);
    EXPECT_EQ(status(), "Datos de Aviation Weather Center (127.0.0.1): 9 partes.");
    // The sky report is the one message; nothing else was asked.
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, session.graph.skyReport);
}

// The 2023 schema without "elev": the slots hold the QNH.
TEST_F(TodaysServicesTest, AnswerWithoutElevationKeepsQnh) {
    showGraph("LEAL");
    ASSERT_TRUE(session.view.graphShown) << ::testing::PrintToString(messages());
    EXPECT_FALSE(session.graph.pressureIsStation);
    EXPECT_FALSE(session.graph.altitudeKnown);
    expectSlots(session.graph, {{23, 16, 24, 15, 1014, 16, "E"}});
    EXPECT_EQ(session.view.graphSource.reports, 4);
}

// The API fails (500) or gives too few hours (two KMCI reports): the mesonet
// answers, under the three-letter name it gives US airports.
TEST_F(TodaysServicesTest, MesonetAnswersWhenTheApiCannot) {
    showGraph("LEVC");
    ASSERT_TRUE(session.view.graphShown) << ::testing::PrintToString(messages());
    EXPECT_EQ(session.view.graphSource.name, "Iowa Environmental Mesonet");
    EXPECT_NE(session.view.graphSource.address.find("/cgi-bin/request/asos.py?station=LEVC&"),
              std::string::npos);
    // The same nine reports as the API's LEMD answer: the same slots.
    expectSlots(session.graph, {
                                   {23, 12, 30, 5, 943, 18, "SW"},
                                   {22, 11, 28, 6, 944, 3, "Variable"},
                                   {21, 10, 24, 12, 944, 14, "SSW"},
                                   {20, 9, M, M, M, M, "No"},
                                   {19, 8, 20, 8, 946, M, "Calm"},
                               });

    showGraph("KMCI");
    ASSERT_TRUE(session.view.graphShown) << ::testing::PrintToString(messages());
    EXPECT_NE(session.view.graphSource.address.find("asos.py?station=MCI&"), std::string::npos);
    EXPECT_EQ(session.view.graphSource.reports, 24);
    EXPECT_EQ(session.graph.hour[23], 23);
    EXPECT_EQ(session.graph.temperature[23], 4);
    EXPECT_EQ(status().rfind("Datos de Iowa Environmental Mesonet (127.0.0.1): 24 partes", 0), 0u);
}

// Nothing from either source: one message naming both with their reasons,
// and the graph on screen stays as it was.
TEST_F(TodaysServicesTest, EverySourceFailingIsToldOnceAndChangesNothing) {
    showGraph("LEMD");
    ASSERT_TRUE(session.view.graphShown);
    const GraphSeries before = session.graph;
    const DataSource sourceBefore = session.view.graphSource;

    struct Case {
        const char* icao;
        bool mesonetClosed; // the mesonet's port refuses connections
        std::vector<std::string> lines;
    };
    const std::string awc = "- Aviation Weather Center (127.0.0.1): ";
    const std::string iem = "- Iowa Environmental Mesonet (127.0.0.1): ";
    const Case cases[] = {
        {"LEBL",
         false,
         {awc + "no tiene partes de la estación.", iem + "no tiene partes de la estación."}},
        {"LEZL",
         false,
         {awc + "no tiene partes de la estación.", iem + "no tiene partes de la estación."}},
        {"LEXX", false, {awc + "no tiene partes de la estación.", iem + "error HTTP 404."}},
        {"LESO",
         true,
         {awc + "no ha contestado a tiempo.", iem + "no se ha podido conectar con el servidor."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.icao);
        services.iemBase =
            c.mesonetClosed ? base(test::closedLoopbackPort()) : base(httpServer().port());
        ui.messages.clear();
        showGraph(c.icao);
        ASSERT_EQ(messages().size(), 1u);
        std::string expected =
            std::string("No se han podido obtener los partes de ") + c.icao + ":";
        for (const std::string& line : c.lines) {
            expected += "\n" + line;
        }
        // One message: what each source said, and the graph that stays on screen.
        expected += "\nSigue en pantalla la gráfica de Aeropuerto de Barajas - Madrid.";
        EXPECT_EQ(messages()[0], expected);
        EXPECT_TRUE(session.view.graphShown);
        EXPECT_EQ(session.graph.temperature, before.temperature);
        EXPECT_EQ(session.graph.skyReport, before.skyReport);
        EXPECT_EQ(session.view.graphSource.address, sourceBefore.address);
    }
}

// A single report (LEJR, the 2023 recording) is too few hours, and the
// mesonet has nothing: the classic message, and Madrid's graph stays on
// screen under its own name.
TEST_F(TodaysServicesTest, TooFewHoursGiveTheClassicMessage) {
    showGraph("LEMD");
    const int before = session.graph.temperature[23];
    const std::string title = session.view.headerTitle;
    ui.messages.clear();
    showGraph("LEJR");
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[0], "La estación no dispone de suficientes datos en estos momentos..");
    EXPECT_NE(messages()[1].find("Sigue en pantalla la gráfica de Aeropuerto de Barajas - Madrid"),
              std::string::npos);
    EXPECT_TRUE(session.view.graphShown);
    EXPECT_EQ(session.view.headerTitle, title);
    EXPECT_EQ(session.graph.temperature[23], before);
}

// Today's services are told who asks; the classic ones keep their headers.
TEST_F(TodaysServicesTest, NewServicesGetTheProgramsUserAgent) {
    DownloadSession download(curl, places.tempFolder(), services);
    const DownloadResult answer =
        download.serviceAnswer(base(httpServer().port()) + "/cabeceras", 10000);
    ASSERT_TRUE(answer.ok()) << answer.error;
    EXPECT_NE(answer.body.find("User-Agent: Brisalta/3.22 ("), std::string::npos) << answer.body;
    EXPECT_EQ(answer.body.find("MFC_Tear_Sample"), std::string::npos);
}

// The interface moves the request to its HTTPS host: followed, and the
// sounding (winds converted from m/s) is a text-list sounding.
TEST_F(TodaysServicesTest, SoundingFollowsTheRedirectToTheServicesHttpsHost) {
    showSounding("72355");
    ASSERT_TRUE(session.view.soundingShown) << ::testing::PrintToString(messages());
    EXPECT_TRUE(messages().empty()) << ::testing::PrintToString(messages());
    const SoundingProfile& p = session.sounding;
    EXPECT_EQ(p.count, 31);
    EXPECT_FALSE(p.fromSecondService);
    EXPECT_FALSE(p.partialFirstRow);
    EXPECT_EQ(p.forecastTitle.str(), "72355 ");
    EXPECT_FLOAT_EQ(p.levels[0][kPressure], 959.0f);
    EXPECT_NEAR(p.levels[0][kWindSpeed], 9.3 * 3600 / 1852, 0.01); // 9.3 m/s in knots
    const DataSource& source = session.view.soundingSource;
    EXPECT_EQ(source.name, "Universidad de Wyoming");
    EXPECT_EQ(source.address.rfind("https://127.0.0.1:" + std::to_string(httpsServer().port()) +
                                       "/wsgi/sounding?datetime=1999-05-04%2000:00:00&id=72355",
                                   0),
              0u);
    EXPECT_EQ(source.reports, 31);
    EXPECT_EQ(status(), "Sondeo de Universidad de Wyoming (127.0.0.1): 31 niveles.");
}

// A blank height in the first row, and the 256-level answer.
TEST_F(TodaysServicesTest, SoundingCsvEdgeCases) {
    showSounding("82244");
    ASSERT_TRUE(session.view.soundingShown) << ::testing::PrintToString(messages());
    EXPECT_TRUE(session.sounding.partialFirstRow);
    EXPECT_FLOAT_EQ(session.sounding.levels[0][kPressure], 1000.0f);
    EXPECT_FLOAT_EQ(session.sounding.levels[0][kHeight], 74.0f);

    showSounding("72358");
    ASSERT_TRUE(session.sounding.rowsAllocated) << ::testing::PrintToString(messages());
    const sources::WyomingSounding expected = sources::readWyomingCsv(test::readFile(
        test::dataPath() / "samples/today/uwyo_new/siphon_2026/wyoming_sounding_heights.body.csv"));
    EXPECT_EQ(expected.levelsInAnswer, 256);
    EXPECT_EQ(session.sounding.count, static_cast<int>(expected.rows.size()));
    EXPECT_LE(session.sounding.count, kMirrorRows);
    EXPECT_GE(
        session.sounding.levels[static_cast<std::size_t>(session.sounding.count - 1)][kPressure],
        100.0f);
    EXPECT_EQ(session.view.soundingSource.reports, session.sounding.count);
}

// The interface has no sounding (its 404 text): the text-list service is
// asked as before and gives it, with nothing to tell the user.
TEST_F(TodaysServicesTest, SoundingFallsBackToTheTextListService) {
    showSounding("72357");
    ASSERT_TRUE(session.view.soundingShown) << ::testing::PrintToString(messages());
    EXPECT_TRUE(messages().empty()) << ::testing::PrintToString(messages());
    EXPECT_EQ(session.sounding.forecastTitle.str(), "72357 OUN Norman ");
    EXPECT_EQ(session.view.soundingSource.name, "Universidad de Wyoming, listas de texto");
    EXPECT_NE(session.view.soundingSource.address.find("/cgi-bin/sounding?region=naconf"),
              std::string::npos);
    EXPECT_EQ(session.view.soundingSource.reports, session.sounding.count);
}

// Neither service has it: one message with each reason, the interface's 404
// and refused redirects included; no sounding on screen.
TEST_F(TodaysServicesTest, SoundingNobodyHasIsToldOnce) {
    const std::string head =
        "No se ha podido obtener el sondeo de la estación %s del 4/5/1999 a las 00Z:\n"
        "- Universidad de Wyoming (127.0.0.1): ";
    const std::string classic =
        ".\n- Universidad de Wyoming, listas de texto (127.0.0.1): " + std::string(kRejected);
    struct Case {
        const char* station;
        std::string reason;
    };
    const std::string loopback = base(httpServer().port());
    const Case cases[] = {
        {"72681", "No se puede encontrar dicha estación o no es válida la fecha o la hora"},
        {"66666", "redirige a https://evil.example/wsgi/sounding, que no se sigue"},
        {"55555", "redirige a " + loopback +
                      "/wsgi/sounding?datetime=1999-05-04%2000:00:00&id=55555&type=TEXT:CSV, que "
                      "no se sigue"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.station);
        ui.messages.clear();
        showSounding(c.station);
        std::string expected = head;
        expected.replace(expected.find("%s"), 2, c.station);
        ASSERT_EQ(messages().size(), 1u);
        EXPECT_EQ(messages()[0], expected + c.reason + classic);
        EXPECT_FALSE(session.view.soundingShown);
    }
}

// Both services unreachable: the message names both, and the sounding on
// record is kept, as a failed transfer of the classic chain keeps it.
TEST_F(TodaysServicesTest, UnreachableServicesKeepTheSoundingOnRecord) {
    showSounding("72355");
    ASSERT_EQ(session.sounding.count, 31);
    const int closed = test::closedLoopbackPort();
    services.wyomingBase = base(closed);
    services.soundingListHost = "127.0.0.1:" + std::to_string(closed);
    showSounding("72355");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_NE(messages()[0].find("- Universidad de Wyoming (127.0.0.1): no se ha podido conectar "
                                 "con el servidor.\n- Universidad de Wyoming, listas de texto"),
              std::string::npos)
        << messages()[0];
    EXPECT_EQ(session.sounding.count, 31);
    EXPECT_TRUE(session.sounding.rowsAllocated);
    EXPECT_EQ(session.view.soundingSource.name, "Universidad de Wyoming");
}

} // namespace
} // namespace brisalta
