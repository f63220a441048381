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

} // namespace
} // namespace brisalta
