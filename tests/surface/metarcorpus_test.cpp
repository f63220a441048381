// Thousands of real METAR reports (four NOAA snapshots and the Spanish and Latin
// American subset) decoded as a smoke test: nothing crashes, every report gets
// a text, and a few known reports come out right.
#include "surface/metardecoder.h"

#include "support/testplaces.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace brisalta {
namespace {

std::vector<std::vector<std::string>> readReports(const std::string& name) {
    std::ifstream in(test::dataPath() / "samples" / "metar_corpus" / name);
    std::vector<std::vector<std::string>> reports;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::vector<std::string> report;
        std::string w;
        while (words >> w) {
            report.push_back(w);
        }
        if (!report.empty()) {
            reports.push_back(std::move(report));
        }
    }
    return reports;
}

TEST(MetarCorpus, EveryRealReportDecodes) {
    const char* files[] = {"pymetar_decoded_ob_2007-10-14.txt", "pymetar_decoded_ob_2010-01-17.txt",
                           "pymetar_decoded_ob_2010-10-31.txt", "pymetar_decoded_ob_2017-07-29.txt",
                           "pymetar_subset_spain_canarias_latam.txt"};
    std::size_t total = 0;
    std::size_t withEverything = 0;
    for (const char* file : files) {
        const auto reports = readReports(file);
        ASSERT_GT(reports.size(), 1000u) << file;
        for (const auto& words : reports) {
            const MetarResult r = MetarDecoder::decodeGroups(words, words.size(), 2);
            ASSERT_FALSE(r.report.empty()) << words[0];
            withEverything += r.hasWind && r.hasTemperature && r.hasPressure;
            ++total;
        }
    }
    EXPECT_GT(total, 29000u);
    // Most real reports carry wind, temperature and pressure.
    EXPECT_GT(withEverything, total * 8 / 10);
}

// Purpose: known reports of the Spanish subset give the values the graph uses.
TEST(MetarCorpus, KnownSpanishReportsGiveTheirValues) {
    const auto reports = readReports("pymetar_subset_spain_canarias_latam.txt");
    struct Expected {
        const char* firstWords; // station and time group
        const char* direction;
        int speed, temperature, dewPoint, qnh;
    };
    const Expected expected[] = {
        {"GCFV 141530Z", "NNE", 22, 29, 17, 1014},
        {"GCLP 141530Z", "NNE", 38, 26, 18, 1014},
        {"GCRR 141530Z", "N", 18, 27, 16, 1014},
    };
    for (const Expected& e : expected) {
        bool found = false;
        for (const auto& words : reports) {
            if (words.size() < 2 || words[0] + " " + words[1] != e.firstWords) {
                continue;
            }
            found = true;
            const MetarResult r = MetarDecoder::decodeGroups(words, words.size(), 2);
            EXPECT_EQ(r.windDirectionCode, e.direction) << e.firstWords;
            EXPECT_EQ(r.windSpeedKmh, e.speed) << e.firstWords;
            EXPECT_EQ(r.temperature, e.temperature) << e.firstWords;
            EXPECT_EQ(r.dewPoint, e.dewPoint) << e.firstWords;
            EXPECT_EQ(r.qnhHpa, e.qnh) << e.firstWords;
            break;
        }
        EXPECT_TRUE(found) << e.firstWords;
    }
}

} // namespace
} // namespace brisalta
