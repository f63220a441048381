// Every reader takes the largest input the program accepts (the size limit of
// its kind) in time proportional to its size: the shapes below are those that
// would make a careless scan quadratic (a marker on every line, a key begun
// and never finished, numbers that never end a row, one endless line). The
// bound is generous on purpose, a hang or a quadratic scan is hours at this
// size, while a linear read of 4 MiB takes well under a second.
#include "catalogues/emalist.h"
#include "ema/opendatareader.h"
#include "ema/opendataseries.h"
#include "net/transferlimits.h"
#include "session/sessionstate.h"
#include "settings/listfile.h"
#include "sounding/forecastsounding.h"
#include "sounding/observedsounding.h"
#include "support/testplaces.h"
#include "surface/banyeresfile.h"
#include "surface/currentconditionspage.h"
#include "surface/latestreport.h"
#include "text/streamreader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <string>

namespace brisalta {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr auto kGenerousBound = 60s;

std::string filled(const std::string& head, const std::string& piece, std::size_t size) {
    std::string out = head;
    out.reserve(size + piece.size());
    while (out.size() + piece.size() <= size) {
        out += piece;
    }
    return out;
}

void write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

struct LargestInput {
    const char* reader;
    std::string bytes;
    std::function<void(const fs::path& file, const std::string& bytes)> read;
};

TEST(LargestInput, EveryReaderTakesItsLargestInputInLinearTime) {
    const std::size_t page = limits::kPageBytes;
    const std::size_t answer = limits::kOpenDataBytes;
    const auto streamed = [](auto reader) {
        return [reader](const fs::path&, const std::string& bytes) {
            text::StreamReader in(bytes);
            reader(in);
        };
    };
    const LargestInput cases[] = {
        {"current conditions: a marker on every line",
         filled("", "Humidity Current Weather Conditions R>x /SELECT><BR> LEMD 582M\n", page),
         streamed([](text::StreamReader& in) { readCurrentConditionsPage(in, {}, "LEMD", 2); })},
        {"current conditions: a table of rows that never complete",
         filled("Latest\n", "(1(2(3\n\n\n>>>>>", page),
         streamed([](text::StreamReader& in) { readCurrentConditionsPage(in, {}, "LEMD", 0); })},
        {"current conditions: one endless number", filled("Latest\n(", "9", page),
         streamed([](text::StreamReader& in) { readCurrentConditionsPage(in, {}, "LEMD", 0); })},
        {"query page: an endless report",
         filled("by METARs form January\n<FONT FACE=\"Monospace,Courier\">LEMD 291800Z ", "BKN020 ",
                page),
         streamed([](text::StreamReader& in) { readQueryPage(in, {}, 1); })},
        {"station file: endless words", filled("2024/07/17 12:00\nLEMD 171200Z ", "FEW020 ", page),
         streamed([](text::StreamReader& in) { readStationFile(in, {}); })},
        {"Banyeres table: endless lines",
         filled("",
                std::string("29/07/21 13:30 25.1 0 0 55 15.2 0 0 0 10.0 SSE") +
                    " 0 0 0 0 1013.4 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n",
                page),
         streamed([](text::StreamReader& in) { readBanyeresFile(in, {}); })},
        {"text-list sounding: numbers that never end a row",
         filled("<H2>72357 OUN Norman Observations at 00Z 04 May 1999</H2>\n\n\n\n\n\n\n\n\n\n",
                "1000.0 ", page),
         streamed([](text::StreamReader& in) { readTextListSounding(in); })},
        {"second service: one endless table line",
         filled("<center><table>\n" + std::string(500, ' '), "<td>1000.5</td>", page),
         streamed([](text::StreamReader& in) { readSecondServiceSounding(in); })},
        {"forecast listing: endless rows and humidity lines",
         filled("Estimated Surface Height\n", "1000. 110. 25.0 20.0 180. 5.0\nRelative Humidity\n",
                page),
         streamed([](text::StreamReader& in) { parseForecastListing(in); })},
        {"OpenData index answer: a key begun on every byte, a value never closed",
         filled("", "\"datos\" : \"exit", answer) + "\"datos\" : \"https://x/",
         [](const fs::path& file, const std::string& bytes) {
             write(file, bytes);
             SessionState session;
             ReadOpenDataAnswer(session, file, false);
         }},
        {"OpenData data answer: endless records",
         filled("[",
                "{\"idema\" : \"8019\", \"fint\" : \"2024-07-17T12:00:00\", \"ta\" : 30.5, "
                "\"pres\" : 1012.0, \"vv\" : 2.5, \"dv\" : 90.0, \"ubi\" : \"X\", \"hr\" : 50 },",
                answer),
         [](const fs::path& file, const std::string& bytes) {
             write(file, bytes);
             SessionState session;
             ReadOpenDataRecords(session, file, false, "ALICANTE");
             finishOpenDataSeries(session);
         }},
        {"automatic-station list: endless stations",
         filled("", "ID = 8019X; NOMBRE = ALICANTE; PROVINCIA = ALICANTE;\n", kMaxEmaListBytes),
         [](const fs::path& file, const std::string& bytes) {
             write(file, bytes);
             SessionState session;
             EXPECT_TRUE(LoadEmaList(session, file));
             EXPECT_GT(session.emaList.count, 10000);
         }},
        {"link list: endless pairs", filled("", "Enlace\nhttps://ejemplo.org/\n", 1024 * 1024),
         [](const fs::path& file, const std::string& bytes) {
             write(file, bytes);
             readListFile(file, kLinksFormat);
         }},
    };
    test::ScratchPlaces places;
    for (const LargestInput& c : cases) {
        SCOPED_TRACE(c.reader);
        const auto start = std::chrono::steady_clock::now();
        c.read(places.root() / "entrada", c.bytes);
        EXPECT_LT(std::chrono::steady_clock::now() - start, kGenerousBound);
    }
}

// One byte past the limit and a reader gets nothing to read: the limit is
// what bounds the work above.
TEST(LargestInput, FilesPastTheirLimitAreNotRead) {
    test::ScratchPlaces places;
    const fs::path list = places.root() / "lista.ema";
    write(list,
          filled("", "ID = 8019X; NOMBRE = ALICANTE; PROVINCIA = ALICANTE;\n", kMaxEmaListBytes) +
              std::string(kMaxEmaListBytes, ' '));
    SessionState session;
    const int before = session.emaList.count;
    EXPECT_FALSE(LoadEmaList(session, list));
    EXPECT_EQ(session.emaList.count, before);

    const fs::path big = places.root() / "grande";
    write(big, std::string(text::kDefaultFileLimit + 1, 'x'));
    EXPECT_FALSE(text::StreamReader::open(big));
}

} // namespace
} // namespace brisalta
