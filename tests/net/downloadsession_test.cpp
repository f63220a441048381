// The download layer alone: what each fetch reports, with no user interface
// and no session behind it.
#include "net/downloadsession.h"

#include "adapters/replaynaming.h"
#include "adapters/replaytransport.h"
#include "support/testplaces.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace brisalta {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::writeFile;

const std::string kSoundingUrl =
    "http://weather.uwyo.edu/cgi-bin/sounding?region=europe&TYPE=TEXT:LIST&YEAR=2024&MONTH=7"
    "&FROM=1712&TO=1712&STNM=08221";
const std::string kQueryUrl =
    "https://aviationweather.gov/adds/metars?station_ids=LEMD&std_trans=standard&chk_metars=on"
    "&hoursStr=most+recent+only&submitmet=Submit";

StationSelection lisbonSelection() {
    StationSelection s;
    s.soundingStationId = "08221";
    s.soundingRegion = "europe";
    s.soundingYear = "2024";
    s.soundingMonth = "7";
    s.soundingDay = "17";
    s.soundingHour = "12";
    return s;
}

// The status of every way a fetch can end, and the file it leaves.
TEST(DownloadSession, ReportsHowEachFetchEnded) {
    struct Case {
        const char* what;
        std::string url;     // recorded answer ("" for none)
        std::string body;
        int status;          // recorded HTTP status (0: 200)
        bool sounding;       // fetch the sounding, else the query page
        DownloadStatus expected;
        bool fileKept;
    };
    const std::string page = "<HTML>\nnivel 1000 hPa\n</HTML>\n";
    const Case cases[] = {
        {"a good sounding page", kSoundingUrl, page, 0, true, DownloadStatus::Ok, true},
        {"404 text in the sounding page", kSoundingUrl, page + "404 Not Found\n", 0, true,
         DownloadStatus::NotFound, false},
        {"status 404 for the sounding", kSoundingUrl, "Unable to retrieve\n", 404, true,
         DownloadStatus::NotFound, false},
        {"the text-list error body", kSoundingUrl, "<BODY BGCOLOR=white>\n", 0, true,
         DownloadStatus::ErrorPage, false},
        {"nothing recorded for the sounding", "", "", 0, true, DownloadStatus::TransferFailed,
         false},
        {"the query page keeps a 404 status", kQueryUrl, page, 404, false, DownloadStatus::Ok,
         true},
        {"the query page refuses the error body", kQueryUrl, "<BODY BGCOLOR=white>\n", 0, false,
         DownloadStatus::ErrorPage, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::ScratchPlaces places;
        ReplayTransport replay(places.root() / "grabado");
        if (!c.url.empty()) {
            const fs::path recorded = *replayPathForUrl(replay.folder(), c.url);
            writeFile(recorded, c.body);
            if (c.status != 0) {
                writeFile(recorded.string() + ".status", std::to_string(c.status));
            }
        }
        const ServiceTable services;
        DownloadSession download(replay, places.tempFolder(), services);
        const DownloadResult result =
            c.sounding ? download.textListSounding(lisbonSelection()) : download.queryPage("LEMD");
        EXPECT_EQ(result.status, c.expected);
        EXPECT_EQ(fs::exists(result.file), c.fileKept);
        if (c.fileKept) {
            EXPECT_EQ(readFile(result.file), c.body);
        }
        if (c.expected == DownloadStatus::TransferFailed) {
            EXPECT_FALSE(result.error.empty());
        }
    }
}

TEST(DownloadSession, RefusesAddressesItCannotAsk) {
    test::ScratchPlaces places;
    ReplayTransport replay(places.root() / "grabado");
    ServiceTable services;
    services.soundingListHost = "weather uwyo.edu"; // a blank cannot be sent
    DownloadSession download(replay, places.tempFolder(), services);
    EXPECT_EQ(download.textListSounding(lisbonSelection()).status, DownloadStatus::BadAddress);
    services.noaaHost = "";
    EXPECT_EQ(download.stationFile("LEMD").status, DownloadStatus::BadBase);
    EXPECT_TRUE(replay.requests().empty());

    // A temporary file that cannot be created.
    writeFile(places.tempFolder() / "addsmetar.tmp" / "ocupado", "una carpeta");
    EXPECT_EQ(download.queryPage("LEMD").status, DownloadStatus::CannotWrite);
}

// Today's services: the whole answer in memory whatever its status, cut
// after the limit, and a redirect followed once within the service.
TEST(DownloadSession, ServiceAnswersComeWholeWithTheirStatus) {
    test::ScratchPlaces places;
    const fs::path folder = places.root() / "grabado";
    ReplayTransport replay(folder);
    ServiceTable services;
    DownloadSession download(replay, places.tempFolder(), services);
    const auto record = [&](const std::string& url, const std::string& body, int status = 0,
                            const std::string& location = {}) {
        const fs::path path = *replayPathForUrl(folder, url);
        writeFile(path, body);
        if (status != 0) {
            writeFile(path.string() + ".status", std::to_string(status));
        }
        if (!location.empty()) {
            writeFile(path.string() + ".location", location + "\n");
        }
    };
    const std::string api = "https://aviationweather.gov/api/data/metar?ids=LEMD&format=json&hours=24";
    const std::string csv = "https://weather.uwyo.edu/wsgi/sounding?id=08430&type=TEXT:CSV";
    const std::string moved = "https://weather.arcc.uwyo.edu/wsgi/sounding?id=08430&type=TEXT:CSV";

    struct Case {
        const char* what;
        std::string body;
        int status;
        std::string location;
        DownloadStatus expected;
        int httpStatus;
        std::string answered;  // address that answered
        std::size_t requests;  // transfers made
    };
    const std::string json = "[{\"rawOb\":\"LEMD 291230Z 22010KT CAVOK 30/05 Q1015\"}]\n";
    const Case cases[] = {
        {"a 200 answer", json, 0, "", DownloadStatus::Ok, 200, api, 1},
        {"no reports: 204 and nothing", "", 204, "", DownloadStatus::Ok, 204, api, 1},
        {"an error status keeps its page", "<html>503</html>\n", 503, "", DownloadStatus::Ok, 503,
         api, 1},
        {"a redirect with nowhere to go", "Moved\n", 302, "", DownloadStatus::Ok, 302, api, 1},
        {"a redirect away from the service", "Moved\n", 302, "https://example.com/metar",
         DownloadStatus::RedirectRefused, 302, api, 1},
        {"a redirect away from HTTPS", "Moved\n", 301, "http://aviationweather.gov/x",
         DownloadStatus::RedirectRefused, 301, api, 1},
        {"a redirect within the service", "Moved\n", 302, "/api/data/metar2",
         DownloadStatus::Ok, 200, "https://aviationweather.gov/api/data/metar2", 2},
    };
    record("https://aviationweather.gov/api/data/metar2", json);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const char* companion : {".status", ".location"}) {
            fs::remove(replayPathForUrl(folder, api)->string() + companion);
        }
        record(api, c.body, c.status, c.location);
        const std::size_t before = replay.requests().size();
        const DownloadResult result = download.serviceAnswer(api, 1000);
        EXPECT_EQ(result.status, c.expected);
        EXPECT_EQ(result.httpStatus, c.httpStatus);
        EXPECT_EQ(result.address, c.expected == DownloadStatus::Ok ? c.answered : api);
        EXPECT_EQ(replay.requests().size() - before, c.requests);
        if (c.expected == DownloadStatus::RedirectRefused) {
            EXPECT_EQ(result.error, c.location);
        } else if (c.requests == 1) {
            EXPECT_EQ(result.body, c.body);
        } else {
            EXPECT_EQ(result.body, json);
        }
    }
    EXPECT_TRUE(fs::is_empty(places.tempFolder()) || !fs::exists(places.tempFolder()))
        << "answers of today's services stay in memory";

    // The service's other host, and then a second redirect, which is not followed.
    record(csv, "Moved\n", 302, moved);
    record(moved, "time,pressure_hPa\n", 0);
    DownloadResult result = download.serviceAnswer(csv, 1000);
    EXPECT_EQ(result.status, DownloadStatus::Ok);
    EXPECT_EQ(result.address, moved);
    EXPECT_EQ(result.body, "time,pressure_hPa\n");
    record(moved, "Moved again\n", 307, "https://weather.uwyo.edu/wsgi/tercero");
    result = download.serviceAnswer(csv, 1000);
    EXPECT_EQ(result.status, DownloadStatus::RedirectRefused);
    EXPECT_EQ(result.error, "https://weather.uwyo.edu/wsgi/tercero");

    // A long answer is cut one byte past the limit; nothing recorded fails.
    record(api, std::string(5000, 'x'));
    fs::remove(replayPathForUrl(folder, api)->string() + ".status");
    fs::remove(replayPathForUrl(folder, api)->string() + ".location");
    EXPECT_EQ(download.serviceAnswer(api, 100).body, std::string(101, 'x'));
    result = download.serviceAnswer("https://aviationweather.gov/nada", 100);
    EXPECT_EQ(result.status, DownloadStatus::TransferFailed);
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(download.serviceAnswer("ftp://aviationweather.gov/x", 100).status,
              DownloadStatus::BadAddress);
}

} // namespace
} // namespace brisalta
