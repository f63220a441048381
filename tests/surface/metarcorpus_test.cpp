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
#include <string_view>
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

bool sameResult(const MetarResult& a, const MetarResult& b) {
    return a.visibilityText == b.visibilityText && a.variableWindText == b.variableWindText &&
           a.skyText == b.skyText && a.weatherText == b.weatherText &&
           a.trendVisibilityText == b.trendVisibilityText && a.trendText == b.trendText &&
           a.trendWindText == b.trendWindText && a.hasTrend == b.hasTrend && a.hasWind == b.hasWind &&
           a.windDirectionCode == b.windDirectionCode && a.windSpeedKmh == b.windSpeedKmh &&
           a.hasGust == b.hasGust && a.gustKmh == b.gustKmh && a.hasTrendWind == b.hasTrendWind &&
           a.trendWindSpeedKmh == b.trendWindSpeedKmh && a.trendHasGust == b.trendHasGust &&
           a.trendGustKmh == b.trendGustKmh && a.hasTemperature == b.hasTemperature &&
           a.temperature == b.temperature && a.dewPoint == b.dewPoint && a.hasPressure == b.hasPressure &&
           a.qnhHpa == b.qnhHpa && a.report == b.report;
}

// Purpose: decoding views of the words (what the command line and the new
// sources hand in) gives exactly what decoding the words gives, on every report.
TEST(MetarCorpus, ViewsOfTheWordsDecodeTheSame) {
    const char* files[] = {"pymetar_decoded_ob_2007-10-14.txt", "pymetar_decoded_ob_2010-01-17.txt",
                           "pymetar_decoded_ob_2010-10-31.txt", "pymetar_decoded_ob_2017-07-29.txt",
                           "pymetar_subset_spain_canarias_latam.txt"};
    for (const char* file : files) {
        for (const auto& words : readReports(file)) {
            const std::vector<std::string_view> views(words.begin(), words.end());
            for (const std::size_t first : {std::size_t{2}, std::size_t{3}}) {
                ASSERT_TRUE(sameResult(MetarDecoder::decodeGroups(words, words.size(), first),
                                       MetarDecoder::decodeGroups(views, views.size(), first)))
                    << words[0] << " " << words[1];
            }
        }
    }
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
