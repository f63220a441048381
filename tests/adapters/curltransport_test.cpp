// CurlTransport against HTTP and FTP servers on 127.0.0.1 that the test
// starts and stops itself: reads, headers, statuses, time-outs, failures, and
// the download layer on top of it.
#include "adapters/curl/curltransport.h"

#include "adapters/loopbackserver.h"
#include "app/downloads.h"
#include "support/scriptedui.h"
#include "support/testplaces.h"
#include "text/debuglog.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace brisalta {
namespace {

using namespace std::chrono_literals;
using test::readFile;
namespace fs = std::filesystem;

const char* const kRejected =
    "No se puede encontrar dicha estación o no es válida la fecha o la hora.";

std::string httpUrl(const std::string& path) {
    return "http://" + test::loopback(test::dataHttpServer().port()) + path;
}

// Short time-outs keep every failing case to a few seconds.
CurlTransport::Limits quick() {
    CurlTransport::Limits limits;
    limits.connect = 3000ms;
    limits.slowTime = 2000ms;
    limits.page = 20000ms;
    limits.stationFile = 20000ms;
    return limits;
}

struct Answer {
    TransferResult result;
    std::vector<std::string> reads;
    std::string body() const {
        std::string all;
        for (const std::string& r : reads)
            all += r;
        return all;
    }
};

Answer get(const std::string& url, const std::vector<std::string>& headers = {},
           std::size_t stopAfter = 1000000) {
    CurlTransport curl(quick());
    Answer answer;
    answer.result = curl.httpGet(url, headers, [&](std::string_view read) {
        answer.reads.emplace_back(read);
        return answer.reads.size() < stopAfter;
    });
    return answer;
}

class CurlTransportTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(test::dataHttpServer().port(), 0) << "the HTTP fixture server did not start";
    }
    test::ScratchPlaces places;
};

TEST_F(CurlTransportTest, StreamsThePageInLineReads) {
    const Answer a = get(httpUrl("/samples/uwyo/siphon_wyoming_sounding.html"));
    ASSERT_TRUE(a.result.ok) << a.result.error;
    EXPECT_EQ(a.result.status, 200);
    EXPECT_EQ(a.body(), readFile(test::dataPath() / "samples/uwyo/siphon_wyoming_sounding.html"));
    EXPECT_EQ(a.reads.size(), 104u);
    for (const std::string& r : a.reads) {
        EXPECT_EQ(r.back(), '\n');
    }

    const Answer longLine = get(httpUrl("/larga"));
    EXPECT_EQ(longLine.reads,
              (std::vector<std::string>{std::string(1022, 'x'), std::string(1022, 'x'),
                                        std::string(956, 'x') + "\n", "fin\n"}));
}

TEST_F(CurlTransportTest, SendsTheProgramHeadersAndAsksForAFreshCopy) {
    const Answer a = get(httpUrl("/cabeceras"), {"Accept: text/*", "User-Agent: MFC_Tear_Sample"});
    ASSERT_TRUE(a.result.ok) << a.result.error;
    for (const char* line : {"Accept: text/*\n", "User-Agent: MFC_Tear_Sample\n",
                             "Cache-Control: no-cache\n", "Pragma: no-cache\n"}) {
        EXPECT_NE(a.body().find(line), std::string::npos) << line << " missing from\n" << a.body();
    }
    EXPECT_EQ(a.body().find("*/*"), std::string::npos);
}

TEST_F(CurlTransportTest, ReportsStatusAndDoesNotFollowRedirects) {
    const Answer moved = get(httpUrl("/redirige"));
    EXPECT_TRUE(moved.result.ok);
    EXPECT_EQ(moved.result.status, 302);
    EXPECT_EQ(moved.body(), "Moved\n");
    EXPECT_EQ(moved.result.location, httpUrl("/samples/uwyo/siphon_wyoming_sounding.html"))
        << "the target is resolved against the address asked";

    const Answer missing = get(httpUrl("/no-existe"));
    EXPECT_TRUE(missing.result.ok);
    EXPECT_EQ(missing.result.status, 404);
    EXPECT_EQ(missing.body(),
              readFile(test::dataPath() /
                       "samples/today/uwyo_new/siphon_2026/wyoming_no_data.body.404.txt"));

    const Answer stopped = get(httpUrl("/samples/uwyo/siphon_wyoming_sounding.html"), {}, 1);
    EXPECT_TRUE(stopped.result.ok) << "a transfer the caller stopped is not a failure";
    EXPECT_EQ(stopped.reads.size(), 1u);
}

// No answer in time, nobody listening, no such host: a failure that says so
// in Spanish, with curl's English kept for the debug log.
TEST_F(CurlTransportTest, UnreachableServersFailWithAnExplanation) {
    struct Case {
        std::string url;
        TransferFailure failure;
        const char* sentence;
    };
    const Case cases[] = {
        {httpUrl("/silencio"), TransferFailure::TimedOut, "El servidor 127.0.0.1 no contesta."},
        {"http://" + test::loopback(test::closedLoopbackPort()) + "/", TransferFailure::Connection,
         "El servidor 127.0.0.1 rechaza la conexión."},
        {"http://nohay.invalid/", TransferFailure::Connection,
         "No se encuentra el servidor nohay.invalid: compruebe la conexión a Internet y el "
         "nombre del servidor."},
    };
    std::string log;
    text::setDebugLogSink([&](std::string_view line) { log += line; });
    for (const Case& c : cases) {
        const auto start = std::chrono::steady_clock::now();
        const Answer a = get(c.url);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 10s) << c.url;
        EXPECT_FALSE(a.result.ok) << c.url;
        EXPECT_EQ(a.result.failure, c.failure) << c.url;
        EXPECT_EQ(a.result.error, c.sentence);
    }
    text::setDebugLogSink(nullptr);
    EXPECT_NE(log.find("curl 7:"), std::string::npos) << "curl's own words go to the log:\n" << log;
}

TEST_F(CurlTransportTest, DownloadWritesTheAnswerWhateverItsStatus) {
    CurlTransport curl(quick());
    const fs::path file = places.tempFolder() / "respuesta";
    TransferResult r = curl.download(httpUrl("/redirige"), file.string());
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.status, 200);
    EXPECT_EQ(readFile(file),
              readFile(test::dataPath() / "samples/uwyo/siphon_wyoming_sounding.html"));

    r = curl.download(httpUrl("/no-existe"), file.string());
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.status, 404);
    EXPECT_NE(readFile(file).find("Unable to retrieve"), std::string::npos);

    r = curl.download("http://" + test::loopback(test::closedLoopbackPort()) + "/", file.string());
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(CurlTransportTest, FetchesFilesByFtp) {
    ASSERT_NE(test::dataFtpServer().port(), 0) << "the FTP fixture server did not start";
    const std::string server = test::loopback(test::dataFtpServer().port());
    const std::string expected =
        readFile(test::dataPath() / "net/ftp/data/observations/metar/stations/LEMD.TXT");
    CurlTransport curl(quick());
    const fs::path file = places.tempFolder() / "tempMet.txt";

    TransferResult r = curl.download(
        "ftp://" + server + "/data/observations/metar/stations/LEMD.TXT", file.string());
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(readFile(file), expected);
    fs::remove(file);

    r = curl.ftpRetrieve(server, "/data/observations/metar/stations/", "LEMD.TXT", file.string());
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(readFile(file), expected);

    for (const auto& [directory, name] :
         {std::pair{"/data/observations/metar/stations/", "LEXX.TXT"},
          std::pair{"/no/existe/", "LEMD.TXT"}}) {
        r = curl.ftpRetrieve(server, directory, name, file.string());
        EXPECT_FALSE(r.ok) << directory << name;
        EXPECT_EQ(r.failure, TransferFailure::NotFound) << r.error;
        EXPECT_FALSE(fs::exists(file));
    }

    r = curl.ftpRetrieve(test::loopback(test::closedLoopbackPort()), "/data/", "LEMD.TXT",
                         file.string());
    EXPECT_EQ(r.failure, TransferFailure::Connection) << r.error;
    EXPECT_EQ(r.error, "El servidor 127.0.0.1 rechaza la conexión.");

    r = curl.ftpRetrieve(server, "/data/\r\nDELE x", "LEMD.TXT", file.string());
    EXPECT_FALSE(r.ok) << "a line break never reaches the server";
}

// The download layer over real transfers: what the commands see.
class LoopbackDownloadTest : public CurlTransportTest {
protected:
    void SetUp() override {
        CurlTransportTest::SetUp();
        ASSERT_NE(test::dataFtpServer().port(), 0);
        // "localhost": the NOAA label must not occur in the 127.0.0.1 sounding addresses.
        services.noaaHost = "localhost:" + std::to_string(test::dataFtpServer().port());
        services.soundingListHost = test::loopback(test::dataHttpServer().port());
        session.selection.icao = "LEMD";
        session.selection.soundingRegion = "naconf";
        session.selection.soundingYear = "1999";
        session.selection.soundingMonth = "5";
        session.selection.soundingDay = "04";
        session.selection.soundingHour = "00";
        session.selection.soundingStationId = "72357";
    }
    void fetchSounding() { download.sounding(); }

    test::ScriptedUi ui;
    SessionState session;
    ServiceTable services;
    CurlTransport curl{quick()};
    test::FixedClock clock{0};
    CommandContext context{session, ui, curl, places, clock, services};
    Downloads download{context};
};

TEST_F(LoopbackDownloadTest, FetchesSoundingPageAndStationFiles) {
    fetchSounding();
    EXPECT_TRUE(session.retrieval.downloadOk);
    EXPECT_FALSE(session.retrieval.downloadFailed);
    EXPECT_EQ(readFile(places.tempFolder() / "sondeo.tmp"),
              readFile(test::dataPath() / "samples/uwyo/siphon_wyoming_sounding.html"));

    download.currentConditions();
    EXPECT_NE(readFile(places.tempFolder() / "temp.htm").find("Current Weather Conditions"),
              std::string::npos);
    download.stationFile();
    EXPECT_TRUE(session.retrieval.stationFileFetched);
    EXPECT_EQ(readFile(places.tempFolder() / "tempMet.txt"),
              readFile(test::dataPath() / "net/ftp/data/observations/metar/stations/LEMD.TXT"));
    EXPECT_TRUE(ui.messages.empty()) << ui.messageTexts()[0];

    session.selection.icao = "LEXX";
    download.stationFile();
    EXPECT_FALSE(session.retrieval.stationFileFetched);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"No se ha encontrado fichero."});
}

TEST_F(LoopbackDownloadTest, RejectsUnknownSoundingsAndMissingPages) {
    session.selection.soundingStationId = "08221"; // the service's error page
    session.retrieval.downloadOk = true;
    fetchSounding();
    EXPECT_TRUE(session.retrieval.downloadOk);
    EXPECT_FALSE(fs::exists(places.tempFolder() / "sondeo.tmp"));

    services.soundingListHost =
        test::loopback(test::dataHttpServer().port()) + "/nada"; // the server's 404 page
    fetchSounding();
    EXPECT_FALSE(session.retrieval.downloadOk);
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{kRejected, kRejected}));
}

TEST_F(LoopbackDownloadTest, UnreachableServersSetBothFlagsAndShowTheError) {
    const std::string closed = test::loopback(test::closedLoopbackPort());
    for (const std::string& host : {closed, std::string("nohay.invalid")}) {
        services.soundingListHost = host;
        ui.messages.clear();
        fetchSounding();
        EXPECT_TRUE(session.retrieval.downloadFailed) << host;
        EXPECT_TRUE(session.retrieval.downloadOk) << host;
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].caption, "ERROR");
    }

    services.noaaHost = "localhost:" + std::to_string(test::closedLoopbackPort());
    session.retrieval.downloadFailed = false;
    ui.messages.clear();
    download.stationFile();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messageTexts()[0], "El servidor localhost rechaza la conexión.");
}

} // namespace
} // namespace brisalta
