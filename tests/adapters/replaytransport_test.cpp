// Recorded answers: the file-naming rule people record by, and how the
// replayed answers behave like live ones.
#include "adapters/replaynaming.h"
#include "adapters/replaytransport.h"

#include "support/testplaces.h"

#include "text/debuglog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brisalta {
namespace {

using test::readFile;
using test::writeFile;
namespace fs = std::filesystem;

// The naming rule documented in the README: address -> file under the folder.
TEST(ReplayNaming, MapsEveryServiceAddressToAReadableFile) {
    struct Case {
        const char* url;
        const char* file;
    };
    const Case cases[] = {
        {"ftp://tgftp.nws.noaa.gov/weather/current/LEMD.html",
         "tgftp.nws.noaa.gov/weather/current/LEMD.html"},
        {"http://weather.uwyo.edu/cgi-bin/sounding?region=europe&TYPE=TEXT:LIST&YEAR=2024&MONTH=7"
         "&FROM=1712&TO=1712&STNM=08221",
         "weather.uwyo.edu/cgi-bin/sounding@region=europe_TYPE=TEXT_LIST_YEAR=2024_MONTH=7"
         "_FROM=1712_TO=1712_STNM=08221"},
        {"https://www.meteociel.fr/cartes_obs/"
         "sondage_display.php?id=08221&map=4&date=1721174400&map2=4",
         "www.meteociel.fr/cartes_obs/sondage_display.php@id=08221_map=4_date=1721174400_map2=4"},
        {"https://aviationweather.gov/adds/metars?station_ids=LEMD&std_trans=standard&chk_metars=on"
         "&hoursStr=most+recent+only&submitmet=Submit",
         "aviationweather.gov/adds/metars@station_ids=LEMD_std_trans=standard_chk_metars=on"
         "_hoursStr=most+recent+only_submitmet=Submit"},
        {"https://drive.google.com/file/d/1AbC-x_9", "drive.google.com/file/d/1AbC-x_9"},
        {"https://opendata.aemet.es/opendata/api/observacion/convencional/datos/estacion/"
         "3195?api_key=k",
         "opendata.aemet.es/opendata/api/observacion/convencional/datos/estacion/3195@api_key=k"},
        {"http://127.0.0.1:8080/", "127.0.0.1_8080/_index"},
        {"http://Example.COM", "example.com/_index"},
        {"http://example.com/?q=1", "example.com/_index@q=1"},
        {"http://example.com/dir/", "example.com/dir/_index"},
        {"http://example.com/a//b/../c%20d", "example.com/a/b/_/c_20d"},
        {"http://example.com/./..", "example.com/_/_"},
    };
    for (const Case& c : cases) {
        const auto path = replayPathForUrl("/grabado", c.url);
        ASSERT_TRUE(path) << c.url;
        EXPECT_EQ(path->string(), std::string("/grabado/") + c.file) << c.url;
    }
    EXPECT_FALSE(replayPathForUrl("/grabado", "nada://x"));
    EXPECT_EQ(replayPathForFtp("/grabado", "tgftp.nws.noaa.gov",
                               "/data/observations/metar/stations/", "LEMD.TXT")
                  .string(),
              "/grabado/tgftp.nws.noaa.gov/data/observations/metar/stations/LEMD.TXT");
    EXPECT_EQ(replayPathForFtp("/grabado", "127.0.0.1:2121", "/x/", "..").string(),
              "/grabado/127.0.0.1_2121/x/_");
}

class ReplayTransportTest : public ::testing::Test {
protected:
    test::ScratchPlaces places;
    fs::path folder = places.root() / "grabado";
    ReplayTransport replay{folder};
};

TEST_F(ReplayTransportTest, ReplaysBodyInLineReadsWithRecordedStatus) {
    const std::string url = "http://example.com/sondeo?id=1";
    const std::string body = "<HTML>\n" + std::string(1500, 'x') + "\nfin";
    writeFile(folder / "example.com/sondeo@id=1", body);
    writeFile(folder / "example.com/sondeo@id=1.status", "404\n");

    std::vector<std::string> reads;
    const TransferResult r = replay.httpGet(url, {}, [&](std::string_view read) {
        reads.emplace_back(read);
        return true;
    });
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.status, 404);
    EXPECT_EQ(reads, (std::vector<std::string>{"<HTML>\n", std::string(1022, 'x'),
                                               std::string(478, 'x') + "\n", "fin"}));
    ASSERT_EQ(replay.requests().size(), 1u);
    EXPECT_EQ(replay.requests()[0].kind, ReplayTransport::RequestKind::HttpGet);
    EXPECT_EQ(replay.requests()[0].address, url);
}

// A recorded redirect says where it points; other statuses carry no location.
TEST_F(ReplayTransportTest, RecordedRedirectGivesItsLocation) {
    const std::string url = "http://weather.uwyo.edu/wsgi/sounding?id=OUN";
    const fs::path answer = folder / "weather.uwyo.edu/wsgi/sounding@id=OUN";
    writeFile(answer, "<p>The document has moved</p>\n");
    writeFile(answer.string() + ".location", "https://weather.arcc.uwyo.edu/wsgi/sounding?id=OUN\r\n");
    const auto get = [&] { return replay.httpGet(url, {}, [](std::string_view) { return true; }); };
    for (int status : {301, 302, 307}) {
        writeFile(answer.string() + ".status", std::to_string(status));
        EXPECT_EQ(get().location, "https://weather.arcc.uwyo.edu/wsgi/sounding?id=OUN") << status;
    }
    writeFile(answer.string() + ".status", "200");
    EXPECT_EQ(get().location, "");
}

// The user is told in a sentence; the address and the missing file, which
// only matter to whoever records the answers, go to the debug trace.
TEST_F(ReplayTransportTest, MissingAnswerFailsWithASentenceAndLogsTheAddress) {
    std::vector<std::string> logged;
    text::setDebugLogSink([&](std::string_view line) { logged.emplace_back(line); });
    const fs::path local = places.tempFolder() / "tempMet.txt";
    writeFile(local, "viejo");
    const TransferResult ftp =
        replay.ftpRetrieve("tgftp.nws.noaa.gov", "/data/", "LEMD.TXT", local.string());
    EXPECT_FALSE(ftp.ok);
    EXPECT_EQ(ftp.failure, TransferFailure::NotFound);
    EXPECT_EQ(ftp.error, "No hay ninguna respuesta grabada para esta consulta.");
    EXPECT_FALSE(fs::exists(local));

    const TransferResult get =
        replay.httpGet("http://example.com/x", {}, [](std::string_view) { return true; });
    EXPECT_FALSE(get.ok);
    EXPECT_EQ(get.error.find("http"), std::string::npos) << get.error;
    EXPECT_EQ(get.error.find('/'), std::string::npos) << get.error;
    text::setDebugLogSink(nullptr);

    ASSERT_EQ(logged.size(), 2u);
    EXPECT_NE(logged[0].find("No hay respuesta grabada para ftp://tgftp.nws.noaa.gov/data/LEMD.TXT"),
              std::string::npos)
        << logged[0];
    EXPECT_NE(logged[0].find("LEMD.TXT)"), std::string::npos) << logged[0];
    EXPECT_NE(logged[1].find("http://example.com/x"), std::string::npos) << logged[1];
}

TEST_F(ReplayTransportTest, DownloadCopiesTheRecordedFile) {
    writeFile(folder / "example.com/a.json", "{\"estado\" : 200}\n");
    const fs::path local = places.tempFolder() / "a.json";
    const TransferResult r = replay.download("https://example.com/a.json", local.string());
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.status, 200);
    EXPECT_EQ(readFile(local), "{\"estado\" : 200}\n");
}

// Purpose: a demo recording answers every date of a sounding when the folder
// names the date parameters as wildcards; an exact recording still wins.
TEST(ReplayTransport, FallsBackToTheWildcardRecordingOfListedParameters) {
    test::ScratchPlaces places;
    const fs::path folder = places.root() / "replay";
    writeFile(folder / "comodines.txt", "# parámetros de fecha\nYEAR\nMONTH\r\nFROM\nTO\n");
    writeFile(folder / "weather.uwyo.edu/cgi-bin/sounding@region=europe_TYPE=TEXT_LIST_YEAR=__MONTH=_"
                       "_FROM=__TO=__STNM=08579",
              "any date\n");
    writeFile(folder / "weather.uwyo.edu/cgi-bin/sounding@region=europe_TYPE=TEXT_LIST_YEAR=2024_MONTH=7"
                       "_FROM=1712_TO=1712_STNM=08579",
              "exact\n");
    ReplayTransport replay(folder);
    const auto fetch = [&](const std::string& url) {
        std::string body;
        const TransferResult r = replay.httpGet(url, {}, [&](std::string_view read) {
            body += read;
            return true;
        });
        return r.ok ? body : std::string("(falla)");
    };
    const std::string base = "http://weather.uwyo.edu/cgi-bin/sounding?region=europe&TYPE=TEXT:LIST&";
    EXPECT_EQ(fetch(base + "YEAR=2026&MONTH=12&FROM=0912&TO=0912&STNM=08579"), "any date\n");
    EXPECT_EQ(fetch(base + "YEAR=2024&MONTH=7&FROM=1712&TO=1712&STNM=08579"), "exact\n");
    EXPECT_EQ(fetch(base + "YEAR=2026&MONTH=12&FROM=0912&TO=0912&STNM=08001"), "(falla)")
        << "the station is not a wildcard";
    const std::string copy = (places.tempFolder() / "sondeo.tmp").string();
    EXPECT_TRUE(replay.download(base + "YEAR=1999&MONTH=1&FROM=100&TO=100&STNM=08579", copy).ok);
    EXPECT_EQ(readFile(copy), "any date\n");
}

} // namespace
} // namespace brisalta
