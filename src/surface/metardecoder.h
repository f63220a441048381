// Turns the groups of one METAR report into the Spanish sky, phenomena and
// trend report and into the few values the graph needs for its latest hour.
//
// The decoder is deliberately literal: each word is tested against a fixed list
// of letter and length patterns, in a fixed order, and every matching test adds
// a fixed line. Any 4-digit word is a visibility, the first word holding a slash
// is the temperature group, and a word that matches nothing is ignored. No word
// can make it fail; missing digits read as 0.
#pragma once

#include "session/fixedtext.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace brisalta {

struct GraphSeries;

// One decoded report. Texts are Windows-1252.
struct MetarResult {
    std::string visibilityText;      // visibility line of the body
    std::string variableWindText;    // variable-direction line (body or trend, last wins)
    std::string skyText;             // cloud lines of the body
    std::string weatherText;         // phenomena, CAVOK, cumulonimbus, no-change lines of the body
    std::string trendVisibilityText; // visibility line of the trend
    std::string trendText;           // cloud, phenomena, CAVOK and cumulonimbus lines of the trend
    std::string trendWindText;       // wind sentence of the trend, no line break
    bool hasTrend = false;           // a TEMPO or BECMG word was met
    bool hasWind = false;
    FixedText<9> windDirectionCode;  // "N" ... "NNW", "Calm" or "Variable"
    int windSpeedKmh = 0;
    bool hasGust = false;
    int gustKmh = 0;
    bool hasTrendWind = false;
    int trendWindSpeedKmh = 0;
    bool trendHasGust = false;
    int trendGustKmh = 0;
    bool hasTemperature = false;
    int temperature = 0; // °C
    int dewPoint = 0;    // °C
    bool hasPressure = false;
    int qnhHpa = 0;
    std::string report; // the assembled report (becomes GraphSeries::skyReport)
};

class MetarDecoder {
public:
    // Decodes words[firstWord .. wordCount-1]; firstWord is the index of the
    // first word after the day-hour-minute group (2 for "LEMD 291800Z ...").
    // wordCount is clamped to the size of the list.
    static MetarResult decodeGroups(std::span<const std::string> words, std::size_t wordCount,
                                    std::size_t firstWord);
    // The same over views of the words (of a line kept by the caller).
    static MetarResult decodeGroups(std::span<const std::string_view> words, std::size_t wordCount,
                                    std::size_t firstWord);
};

// Stores what every decoding leaves in the graph: the report, the trend flag,
// the body cloud lines and the body gust.
void storeReportInSeries(const MetarResult& result, GraphSeries& series);

} // namespace brisalta
