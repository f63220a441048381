// Hostile inputs for every sounding reader: no line breaks, binary bytes, a
// line of ten megabytes, numbers that never end, NaN and infinite values.
// Nothing may crash, hang or read past the data, and nothing absurd is shown.
#include "app/soundingloading.h"
#include "sounding/forecastsounding.h"
#include "net/tempfiles.h"
#include "sounding/secondservicetable.h"
#include "sounding/textlisttable.h"

#include "session/sessionstate.h"
#include "soundingpages.h"
#include "support/scriptedui.h"
#include "support/testplaces.h"

#include <gtest/gtest.h>

#include <random>

namespace brisalta {
namespace {

constexpr std::size_t kTenMegabytes = 10u << 20;
constexpr std::size_t kOneMegabyte = 1u << 20;

std::string binaryGarbage(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& b : bytes) {
        b = static_cast<char>(random() & 0xFF);
    }
    return bytes;
}

std::string repeated(const std::string& piece, std::size_t size) {
    std::string out;
    out.reserve(size + piece.size());
    while (out.size() < size) {
        out += piece;
    }
    return out;
}

const std::string kTextListHeader = test::textListPage({}).substr(
    0, test::textListPage({}).find("</PRE>"));

// `big` is the size of the long inputs: lines without a line break and
// numbers that never end.
std::vector<std::string> hostileTexts(std::size_t big) {
    return {
        "",
        std::string(1, '\0'),
        binaryGarbage(1 << 16, 1),
        kTextListHeader + binaryGarbage(1 << 16, 2),
        std::string(big, 'x'),
        // Numbers that never end, on one line and on many.
        kTextListHeader + repeated("1 ", big),
        kTextListHeader + repeated("1000.0 100.0 -7 nan inf 1e999 -1e999 0x1p3 \n", kOneMegabyte),
        " E = Estimated Surface Height\n" + repeated("9 ", big),
        "<center><table>\n" + repeated("<td>1</td><td>-</td>", big),
        "<center><table>\n" + repeated("-", big) + "\n",
        repeated("Observations Sounding for: DAY Relative Humidity <center><table>\n", kOneMegabyte),
    };
}

TEST(HostileInput, ReadersStayInsideTheirInput) {
    std::vector<std::string> texts = hostileTexts(kOneMegabyte);
    // A line of ten megabytes, and as many megabytes of numbers that never end.
    texts.push_back(std::string(kTenMegabytes, 'x'));
    texts.push_back(kTextListHeader + repeated("1 ", kTenMegabytes));
    for (const std::string& bytes : texts) {
        {
            text::StreamReader page(bytes, text::StreamReader::Mode::Text);
            const TextListTable t = parseTextListPage(page);
            EXPECT_LE(t.rows.size(), static_cast<std::size_t>(kMirrorRows));
        }
        {
            text::StreamReader page(bytes, text::StreamReader::Mode::Text);
            const SecondServiceCut c = cutSecondServiceTable(page);
            text::StreamReader shortTable(c.shortTable, text::StreamReader::Mode::Text);
            parseSecondServiceTable(shortTable);
            text::StreamReader raw(bytes);
            parseSecondServiceTable(raw);
        }
        {
            text::StreamReader listing(bytes, text::StreamReader::Mode::Text);
            const ForecastListing l = parseForecastListing(listing);
            EXPECT_LE(l.rows.size(), static_cast<std::size_t>(kMirrorRows));
            forecastTitles(l);
        }
    }
}

TEST(HostileInput, SessionReadersNeverShowAbsurdValues) {
    for (const std::string& bytes : hostileTexts(kOneMegabyte)) {
        for (int second = 0; second <= 1; ++second) {
            test::ScratchPlaces places;
            test::ScriptedUi ui;
            SessionState session;
            session.sounding.fromSecondService = second;
            test::writeFile(places.tempFolder() /
                                (second ? tempfiles::kSecondSounding : tempfiles::kSoundingList),
                            bytes);
            loadObservedSounding(session, ui, places.tempFolder());
            EXPECT_LE(session.sounding.count, kMirrorRows);
            EXPECT_EQ(session.sounding.levels.size(),
                      static_cast<std::size_t>(session.sounding.count));
            // Numbers that never end leave no table; garbage never passes the limits.
            EXPECT_FALSE(session.view.soundingShown);
        }
        test::ScratchPlaces places;
        test::ScriptedUi ui;
        SessionState session;
        test::writeFile(places.currentFolder() / "listing.txt", bytes);
        loadForecastSounding(session, ui, places.currentFolder() / "listing.txt");
        EXPECT_LE(session.sounding.count, kMirrorRows);
        EXPECT_FALSE(session.view.soundingShown);
    }
}

TEST(HostileInput, NanAndInfiniteValuesInATableHideTheSounding) {
    for (const char* row : {"  850.0   1500    nan    5.0     50   5.00    200     10  290.0  310.0  291.0",
                            "  850.0   1500   10.0    5.0     50   5.00    inf     10  290.0  310.0  291.0",
                            "  850.0  1e999   10.0    5.0     50   5.00    200     10  290.0  310.0  291.0"}) {
        test::ScratchPlaces places;
        test::ScriptedUi ui;
        SessionState session;
        std::vector<std::string> rows = test::textListRows(5);
        rows[1] = row;
        rows.push_back("  251.0  10505");
        test::writeFile(places.tempFolder() / tempfiles::kSoundingList, test::textListPage(rows));
        loadObservedSounding(session, ui, places.tempFolder());
        EXPECT_EQ(session.sounding.count, 5) << row;
        EXPECT_FALSE(session.view.soundingShown) << row;
        EXPECT_TRUE(session.sounding.rowsAllocated) << row;
    }
}

} // namespace
} // namespace brisalta
