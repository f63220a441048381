// The commands' fetches on recorded answers: the address of every document,
// the file it lands in, the rejection tests and the flags and messages the
// commands rely on afterwards.
#include "app/downloads.h"

#include "adapters/replaynaming.h"
#include "adapters/replaytransport.h"
#include "support/scriptedui.h"
#include "support/testplaces.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brisalta {
namespace {

using test::readFile;
using test::writeFile;
namespace fs = std::filesystem;
using Kind = ReplayTransport::RequestKind;
// Every fetch as the commands call it.
using Fetch = void (*)(Downloads&);
void currentConditions(Downloads& d) { d.currentConditions(); }
void sounding(Downloads& d) { d.sounding(); }
void queryPage(Downloads& d) { d.queryPage(); }
void banyeresFile(Downloads& d) { d.banyeresFile(); }
void stationFile(Downloads& d) { d.stationFile(); }

const char* const kRejected =
    "No se puede encontrar dicha estación o no es válida la fecha o la hora.";

const std::string kSoundingUrl =
    "http://weather.uwyo.edu/cgi-bin/sounding?region=europe&TYPE=TEXT:LIST&YEAR=2024&MONTH=7"
    "&FROM=1712&TO=1712&STNM=08221";
const std::string kSecondUrl =
    "https://www.meteociel.fr/cartes_obs/sondage_display.php?id=08221&map=4&date=1721174400&map2=4";
const std::string kQueryUrl =
    "https://aviationweather.gov/adds/metars?station_ids=LEMD&std_trans=standard&chk_metars=on"
    "&hoursStr=most+recent+only&submitmet=Submit";
const std::string kBanyeresUrl = "https://drive.google.com/file/d/1AbC";
const std::string kCurrentUrl = "ftp://tgftp.nws.noaa.gov/weather/current/LEMD.html";
const std::string kStationFileUrl =
    "ftp://tgftp.nws.noaa.gov/data/observations/metar/stations/LEMD.TXT";

std::string sample(const char* relative) {
    return readFile(test::dataPath() / "samples" / relative);
}

class DownloadsTest : public ::testing::Test {
protected:
    DownloadsTest() {
        services.banyeresFileId = "1AbC";
        StationSelection& s = session.selection;
        s.icao = "LEMD";
        s.soundingStationId = "08221";
        s.soundingRegion = "europe";
        s.soundingYear = "2024";
        s.soundingMonth = "7";
        s.soundingDay = "17";
        s.soundingHour = "12";
        session.sounding.secondServiceDate = 1721174400;
    }

    void record(const std::string& url, const std::string& body, int status = 0) {
        const fs::path path = *replayPathForUrl(folder, url);
        writeFile(path, body);
        if (status != 0) {
            writeFile(path.string() + ".status", std::to_string(status));
        }
    }
    fs::path temp(const char* name) const { return places.tempFolder() / name; }
    void soundingFromList() { session.sounding.fromSecondService = false; }
    std::vector<std::string> texts() const { return ui.messageTexts(); }

    test::ScratchPlaces places;
    test::ScriptedUi ui;
    SessionState session;
    ServiceTable services;
    fs::path folder = places.root() / "grabado";
    ReplayTransport replay{folder};
    test::FixedClock clock{0};
    CommandContext context{session, ui, replay, places, clock, services};
    Downloads download{context};
};

// Every document: its exact address, the way it is asked for and its file.
TEST_F(DownloadsTest, FetchesEveryDocumentFromItsAddressIntoItsFile) {
    struct Case {
        const char* what;
        Fetch fetch;
        int fromSecondService;
        std::string url;
        Kind kind;
        const char* file;
    };
    const Case cases[] = {
        {"current conditions", currentConditions, 0, kCurrentUrl, Kind::Download, "temp.htm"},
        {"text-list sounding", sounding, 0, kSoundingUrl, Kind::HttpGet, "sondeo.tmp"},
        {"second-service sounding", sounding, 1, kSecondUrl, Kind::HttpGet, "sondeoNuevo.tmp"},
        {"query page", queryPage, 0, kQueryUrl, Kind::HttpGet, "addsmetar.tmp"},
        {"Banyeres table", banyeresFile, 0, kBanyeresUrl, Kind::HttpGet, "datosBanyeres.tmp"},
        {"station file", stationFile, 0, kStationFileUrl, Kind::FtpRetrieve, "tempMet.txt"},
    };
    const std::string body = sample("uwyo/siphon_wyoming_sounding.html");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::ScratchPlaces scratch;
        ReplayTransport transport(scratch.root() / "grabado");
        CommandContext freshContext{session, ui, transport, scratch, clock, services};
        Downloads fresh(freshContext);
        writeFile(*replayPathForUrl(transport.folder(), c.url), body);
        session.sounding.fromSecondService = c.fromSecondService;
        session.retrieval.downloadOk = true;
        session.retrieval.downloadFailed = false;
        session.retrieval.stationFileFetched = false;

        c.fetch(fresh);

        ASSERT_EQ(transport.requests().size(), 1u);
        EXPECT_EQ(transport.requests()[0].address, c.url);
        EXPECT_EQ(transport.requests()[0].kind, c.kind);
        EXPECT_EQ(readFile(scratch.tempFolder() / c.file), body);
        EXPECT_TRUE(session.retrieval.downloadOk);
        EXPECT_FALSE(session.retrieval.downloadFailed);
        EXPECT_EQ(session.retrieval.stationFileFetched,
                  c.fetch == stationFile ? 1 : 0);
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_EQ(ui.busyDepth, 0);
    }
}

// Which caller applies which rejection test, and what a rejection leaves.
TEST_F(DownloadsTest, RejectsErrorPagesByTheirText) {
    const std::string good = sample("uwyo/siphon_wyoming_sounding.html");
    const std::string errorPage =
        sample("uwyo/siphon_wyoming_no_data.html"); // first line <BODY BGCOLOR=white>
    const std::string notFoundLate = good + "<H1>404 Not Found</H1>\n" + good;
    struct Case {
        const char* what;
        Fetch fetch;
        std::string url;
        const char* file;
        std::string body;
        int status;
        bool rejected;
        int downloadOkAfter;
    };
    const Case cases[] = {
        {"404 line after many good lines", sounding, kSoundingUrl,
         "sondeo.tmp", notFoundLate, 0, true, 0},
        {"error body on the first line", sounding, kSoundingUrl,
         "sondeo.tmp", errorPage, 0, true, 1},
        {"error body on the second line", sounding, kSoundingUrl,
         "sondeo.tmp", "<HTML>\n" + errorPage, 0, false, 1},
        {"error body after a tag on the first line", sounding,
         kSoundingUrl, "sondeo.tmp", sample("uwyo/ash3d_metreader/UIL_1980051900_raw.html"), 0,
         false, 1},
        {"status 404 with the service's own wording", sounding,
         kSoundingUrl, "sondeo.tmp",
         sample("today/uwyo_new/siphon_2026/wyoming_no_data.body.404.txt"), 404, true, 0},
        {"query page keeps a 404 line", queryPage, kQueryUrl,
         "addsmetar.tmp", notFoundLate, 0, false, 1},
        {"query page keeps a 404 status", queryPage, kQueryUrl,
         "addsmetar.tmp", good, 404, false, 1},
        {"query page refuses the error body", queryPage, kQueryUrl,
         "addsmetar.tmp", errorPage, 0, true, 1},
        {"Banyeres keeps a 404 line", banyeresFile, kBanyeresUrl,
         "datosBanyeres.tmp", notFoundLate, 0, false, 1},
        {"Banyeres refuses the error body", banyeresFile, kBanyeresUrl,
         "datosBanyeres.tmp", errorPage, 0, true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        record(c.url, c.body, c.status);
        soundingFromList();
        session.retrieval.downloadOk = true;
        session.retrieval.downloadFailed = false;
        session.view.soundingShown = true;
        session.view.soundingAvailable = true;
        ui.messages.clear();

        c.fetch(download);

        EXPECT_EQ(fs::exists(temp(c.file)), !c.rejected);
        if (!c.rejected) {
            EXPECT_EQ(readFile(temp(c.file)), c.body);
        }
        EXPECT_EQ(session.retrieval.downloadOk, c.downloadOkAfter);
        EXPECT_FALSE(session.retrieval.downloadFailed);
        EXPECT_EQ(session.view.soundingShown, c.rejected ? 0 : 1);
        EXPECT_EQ(session.view.soundingAvailable, c.rejected ? 0 : 1);
        EXPECT_EQ(texts(),
                  c.rejected ? std::vector<std::string>{kRejected} : std::vector<std::string>{});
        fs::remove_all(folder);
    }
}

TEST_F(DownloadsTest, CurrentConditionsPageNeverGoesThroughTheHttpTests) {
    const std::string page = "<BODY BGCOLOR=white>\n404 Not Found\n";
    record(kCurrentUrl, page);
    session.view.soundingShown = true;
    download.currentConditions();
    EXPECT_EQ(replay.requests().at(0).kind, Kind::Download);
    EXPECT_EQ(readFile(temp("temp.htm")), page);
    EXPECT_TRUE(session.retrieval.downloadOk);
    EXPECT_TRUE(session.view.soundingShown);
    EXPECT_TRUE(ui.messages.empty());

    // The rule looks for the NOAA host's first label anywhere in the address.
    services.soundingListHost = "tgftp-sondeos.example.org";
    soundingFromList();
    download.sounding();
    EXPECT_EQ(replay.requests().at(1).kind, Kind::Download);
}

TEST_F(DownloadsTest, FailedPlainDownloadIsSilentAndLeavesNoOldPage) {
    writeFile(temp("temp.htm"), "página de la estación anterior");
    session.retrieval.downloadOk = false;
    download.currentConditions();
    EXPECT_FALSE(fs::exists(temp("temp.htm")));
    EXPECT_TRUE(session.retrieval.downloadOk);
    EXPECT_FALSE(session.retrieval.downloadFailed);
    EXPECT_TRUE(ui.messages.empty());
}

// An unreachable document: the platform's text under "ERROR", the flags, no file.
TEST_F(DownloadsTest, TransferFailureShowsErrorAndSetsFlags) {
    struct Case {
        const char* what;
        Fetch fetch;
        std::string url;
        const char* file;
        int downloadFailedAfter;
    };
    const Case cases[] = {
        {"sounding", sounding, kSoundingUrl, "sondeo.tmp", 1},
        {"Banyeres", banyeresFile, kBanyeresUrl, "datosBanyeres.tmp", 1},
        {"query page", queryPage, kQueryUrl, "addsmetar.tmp", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(temp(c.file), "documento anterior");
        soundingFromList();
        session.retrieval.downloadOk = true;
        session.retrieval.downloadFailed = false;
        ui.messages.clear();

        c.fetch(download);

        EXPECT_EQ(session.retrieval.downloadFailed, c.downloadFailedAfter);
        EXPECT_TRUE(session.retrieval.downloadOk);
        EXPECT_FALSE(fs::exists(temp(c.file)));
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].caption, "ERROR");
        // The transport's sentence, never the address asked.
        EXPECT_EQ(ui.messageTexts()[0], "No hay ninguna respuesta grabada para esta consulta.");
    }
}

TEST_F(DownloadsTest, AddressThatIsNotHttpIsRefusedWithItsMessage) {
    services.soundingListHost = "weather uwyo.edu"; // a blank cannot be sent
    soundingFromList();
    session.retrieval.downloadOk = false;
    download.sounding();
    EXPECT_TRUE(replay.requests().empty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(texts()[0], "Error: Solo se pueden usar direcciones que comiencen con http://");
    EXPECT_EQ(ui.messages[0].caption, "Error en URL");
    EXPECT_TRUE(session.retrieval.downloadOk);
    EXPECT_FALSE(session.retrieval.downloadFailed);
}

TEST_F(DownloadsTest, FileThatCannotBeCreatedGivesItsMessage) {
    writeFile(temp("sondeo.tmp") / "ocupado", "una carpeta donde iría el fichero");
    record(kSoundingUrl, "datos\n");
    soundingFromList();
    session.retrieval.downloadOk = false;
    download.sounding();
    EXPECT_EQ(texts(),
              std::vector<std::string>{
                  "No se han podido encontrar, en estos momentos, datos sobre dicha estación."});
    EXPECT_TRUE(session.retrieval.downloadOk);
}

// The picture's variant and the second-service flags a download leaves behind.
TEST_F(DownloadsTest, ShowsPictureVariantAndClearsSecondServiceChoice) {
    struct Case {
        int soundingFetch, fromSecondService, dialogUsed;
        int variant, fromSecondServiceAfter, dialogUsedAfter;
    };
    const Case cases[] = {
        {0, 1, 1, 0, 0, 0}, // a graph ends the second-service choice
        {1, 1, 1, 1, 1, 1},
        {1, 1, 0, 0, 1, 0},
        {1, 0, 1, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.soundingFetch << c.fromSecondService << c.dialogUsed);
        session.sounding.fromSecondService = c.fromSecondService;
        session.retrieval.soundingDialogUsed = c.dialogUsed;
        ui.pictures.clear();
        if (c.soundingFetch) {
            download.sounding();
        } else {
            download.currentConditions();
        }
        EXPECT_EQ(ui.pictures, std::vector<int>{c.variant});
        EXPECT_EQ(session.sounding.fromSecondService, c.fromSecondServiceAfter);
        EXPECT_EQ(session.retrieval.soundingDialogUsed, c.dialogUsedAfter);
        EXPECT_EQ(ui.busyDepth, 0);
    }
    // The Banyeres fetch shows the picture too, and changes no choice.
    session.sounding.fromSecondService = true;
    session.retrieval.soundingDialogUsed = true;
    ui.pictures.clear();
    download.banyeresFile();
    EXPECT_EQ(ui.pictures, std::vector<int>{1});
    EXPECT_TRUE(session.sounding.fromSecondService);
    EXPECT_TRUE(session.retrieval.soundingDialogUsed);
}

// After a failed or refused current-conditions page nothing more is fetched.
TEST_F(DownloadsTest, QueryPageAndStationFileWaitForAGoodPage) {
    const int states[][2] = {{0, 0}, {1, 1}, {0, 1}}; // downloadOk, downloadFailed
    for (const auto& state : states) {
        session.retrieval.downloadOk = state[0];
        session.retrieval.downloadFailed = state[1];
        session.retrieval.stationFileFetched = true;
        download.queryPage();
        EXPECT_FALSE(session.retrieval.stationFileFetched);
        session.retrieval.stationFileFetched = true;
        download.stationFile();
        EXPECT_FALSE(session.retrieval.stationFileFetched);
    }
    EXPECT_TRUE(replay.requests().empty());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DownloadsTest, StationFileFailuresGiveTheirMessages) {
    session.retrieval.downloadOk = true;
    download.stationFile(); // nothing recorded: the server has no such file
    EXPECT_EQ(texts(), std::vector<std::string>{"No se ha encontrado fichero."});
    EXPECT_FALSE(fs::exists(temp("tempMet.txt")));

    services.noaaHost = "";
    ui.messages.clear();
    download.stationFile();
    EXPECT_EQ(texts(), std::vector<std::string>{"URL inválido. La dirección del servidor NOAA (clave «noaa» de "
                                      "servicios.ini, en la carpeta de ajustes) no sirve para "
                                      "pedir el fichero por FTP."});
    EXPECT_EQ(replay.requests().size(), 1u);
    EXPECT_FALSE(session.retrieval.stationFileFetched);
    EXPECT_EQ(ui.busyDepth, 0);
}

// A transport that fails every transfer in one given way, for the failures no
// loopback server can produce.
class FailingTransport : public Transport {
public:
    explicit FailingTransport(TransferResult result) : mResult(std::move(result)) {}
    TransferResult httpGet(const std::string&, const std::vector<std::string>&,
                           const ReadSink&) override {
        return mResult;
    }
    TransferResult download(const std::string&, const std::string&) override { return mResult; }
    TransferResult ftpRetrieve(const std::string&, const std::string&, const std::string&,
                               const std::string&) override {
        return mResult;
    }

private:
    TransferResult mResult;
};

TEST_F(DownloadsTest, NoInternetSessionAndLongErrorTexts) {
    FailingTransport noSession({false, 0, "sin sesión", TransferFailure::NoSession, {}});
    CommandContext noSessionContext{session, ui, noSession, places, clock, services};
    Downloads withoutSession(noSessionContext);
    session.retrieval.downloadOk = true;
    withoutSession.stationFile();
    EXPECT_EQ(texts(),
              std::vector<std::string>{"No se encuentra ninguna sesión de Internet válida."});

    FailingTransport verbose({false, 0, std::string(5000, 'e'), TransferFailure::Connection, {}});
    CommandContext verboseContext{session, ui, verbose, places, clock, services};
    Downloads talkative(verboseContext);
    ui.messages.clear();
    soundingFromList();
    talkative.sounding();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.size(), 1023u);
    EXPECT_TRUE(session.retrieval.downloadFailed);
    EXPECT_TRUE(session.retrieval.downloadOk);

    // A connection failure of the FTP transfer shows the platform's text.
    ui.messages.clear();
    session.retrieval.downloadFailed = false;
    talkative.stationFile();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, std::string(1023, 'e'));
    EXPECT_EQ(ui.messages[0].caption, "");
}

// Answers that are not the document: an error status, a redirection the
// request does not follow, more bytes than a document of the kind can have.
// Each is a failed transfer told as what it was, and leaves no file; only the
// query page's failure lets the command go on.
TEST_F(DownloadsTest, AnswersThatAreNotTheDocumentAreFailuresSaidInWords) {
    const std::string page = sample("uwyo/siphon_wyoming_sounding.html");
    const std::string huge(5u * 1024 * 1024, 'x');
    struct Case {
        const char* what;
        Fetch fetch;
        std::string url;
        std::string body;
        int status;
        const char* file;
        std::string message; // "" when the answer is kept
        bool stopsTheCommand;
    };
    const Case cases[] = {
        {"sounding, server error", sounding, kSoundingUrl, page, 500, "sondeo.tmp",
         "El servidor weather.uwyo.edu ha contestado con el error HTTP 500 en lugar del "
         "documento.", true},
        {"sounding, redirection", sounding, kSoundingUrl, "Moved\n", 302, "sondeo.tmp",
         "El servidor weather.uwyo.edu ha contestado con una redirección (HTTP 302) en lugar "
         "del documento.", true},
        {"sounding, too large", sounding, kSoundingUrl, huge, 200, "sondeo.tmp",
         "La respuesta del servidor weather.uwyo.edu es demasiado grande (más de 4 MiB): no se "
         "ha leído.", true},
        {"query page, server error", queryPage, kQueryUrl, page, 503, "addsmetar.tmp",
         "El servidor aviationweather.gov ha contestado con el error HTTP 503 en lugar del "
         "documento.", false},
        {"query page, 404 kept for its text", queryPage, kQueryUrl, page, 404, "addsmetar.tmp",
         "", false},
        {"current conditions, too large", currentConditions, kCurrentUrl, huge, 0, "temp.htm",
         "La respuesta del servidor tgftp.nws.noaa.gov es demasiado grande (más de 4 MiB): no "
         "se ha leído.", true},
        {"station file, too large", stationFile, kStationFileUrl, std::string(70000, 'x'), 0,
         "tempMet.txt",
         "La respuesta del servidor tgftp.nws.noaa.gov es demasiado grande (más de 64 KiB): no "
         "se ha leído.", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::ScratchPlaces scratch;
        ReplayTransport transport(scratch.root() / "grabado");
        CommandContext freshContext{session, ui, transport, scratch, clock, services};
        Downloads fresh(freshContext);
        const fs::path recorded = *replayPathForUrl(transport.folder(), c.url);
        writeFile(recorded, c.body);
        if (c.status != 0) {
            writeFile(recorded.string() + ".status", std::to_string(c.status));
        }
        soundingFromList();
        session.retrieval.downloadOk = true;
        session.retrieval.downloadFailed = false;
        ui.messages.clear();

        c.fetch(fresh);

        if (c.message.empty()) {
            EXPECT_TRUE(ui.messages.empty());
            EXPECT_TRUE(fs::exists(scratch.tempFolder() / c.file));
            continue;
        }
        EXPECT_EQ(texts(), std::vector<std::string>{c.message});
        EXPECT_FALSE(fs::exists(scratch.tempFolder() / c.file));
        EXPECT_EQ(session.retrieval.downloadFailed, c.stopsTheCommand);
    }
}

} // namespace
} // namespace brisalta
