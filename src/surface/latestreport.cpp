// The latest report, from the query page or the per-station file.
#include "surface/latestreport.h"

#include "session/numeric.h"
#include "session/sessionstate.h"
#include "weather/derived.h"
#include "surface/metardecoder.h"
#include "weather/timeoffset.h"
#include "text/streamreader.h"
#include "text/textutil.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace brisalta {
namespace {

using text::StreamReader;
using text::textContains;

constexpr std::size_t kLineBuffer = 256;
constexpr int kQueryHeaderLines = 30;       // the report lies within the first 30 lines
constexpr std::size_t kReportTagLength = 31; // <FONT FACE="Monospace,Courier">
constexpr std::size_t kTrailingTags = 5;     // </FONT><BR> glued to the report, then 5 closing tags
constexpr std::size_t kWordLength = 99;
// A METAR has a few dozen groups; the cap only bounds what a damaged page can
// make us keep.
constexpr std::size_t kMaxReportWords = 1000;

constexpr std::string_view kMonths[12] = {"January", "February", "March",     "April",
                                          "May",     "June",     "July",      "August",
                                          "September", "October", "November", "December"};

// Every whitespace-separated word from the current position to the end, up to
// 99 bytes each (a longer run gives several words). Keeps the first `keep`
// words and returns how many there were in all.
std::size_t readWords(StreamReader& in, std::size_t keep, std::vector<std::string>& words) {
    std::size_t total = 0;
    std::string word;
    while (in.readWord(word, kWordLength)) {
        if (words.size() < keep) {
            words.push_back(word);
        }
        ++total;
    }
    return total;
}

struct QueryReport {
    std::vector<std::string> words; // station, day-hour-minute group, groups...
    std::string monthText = "xxxxxxxxx";
};

// Finds the report of the query page: the words after the tag that opens it,
// without the closing tags of the page.
std::optional<QueryReport> findQueryReport(StreamReader& page) {
    QueryReport report;
    bool headerFound = false;
    std::string line;
    for (int examined = 0; examined < kQueryHeaderLines; ++examined) {
        const std::size_t lineStart = page.tell();
        if (!page.readLine(line, kLineBuffer)) {
            return std::nullopt;
        }
        if (textContains("NIL", line)) {
            return std::nullopt;
        }
        if (textContains("by METARs form", line)) {
            headerFound = true;
            for (int m = 0; m < 12; ++m) {
                if (textContains(kMonths[m], line)) {
                    report.monthText = (m < 9 ? "0" : "") + std::to_string(m + 1);
                    break;
                }
            }
        }
        if (textContains("there are no data", line)) {
            headerFound = false;
        }
        if (textContains("<FONT", line)) {
            page.seek(lineStart + kReportTagLength);
            const std::size_t total = readWords(page, kMaxReportWords + kTrailingTags, report.words);
            const std::size_t kept = total > kTrailingTags ? total - kTrailingTags : 0;
            if (kept < report.words.size()) {
                report.words.resize(kept);
            }
            if (report.words.size() > kMaxReportWords) {
                report.words.resize(kMaxReportWords);
            }
            // The station and the time group at least; a tag instead of the
            // station means the page has no report.
            if (!headerFound || report.words.size() < 2 || report.words[0].starts_with('<')) {
                return std::nullopt;
            }
            return report;
        }
    }
    return std::nullopt;
}

} // namespace

void startLatestReport(GraphSeries& graph) {
    graph.visibilityText.clear();
    graph.variableWindText.clear();
    graph.skyText.clear();
    graph.trendVisibilityText.clear();
    graph.trendWindText.clear();
    graph.hasTrend = false;
    graph.hasGust = false;
    graph.gustSpeed = 0;
}

QueryPageReport readQueryPage(StreamReader& page, GraphSeries graph, int timeOffsetHours) {
    QueryPageReport out;
    out.graph = std::move(graph);
    const std::optional<QueryReport> report = findQueryReport(page);
    if (!report) {
        return out;
    }

    const std::vector<std::string>& words = report->words;
    const std::string_view timeGroup = words[1];
    const int day = text::leadingInteger(text::charactersOf(timeGroup, 1, 2));
    const int hhmm = text::leadingInteger(text::charactersOf(timeGroup, 3, 4)) * 100 +
                     text::leadingInteger(text::charactersOf(timeGroup, 5, 6));

    GraphSeries& g = out.graph;
    const MetarResult result = MetarDecoder::decodeGroups(words, words.size(), 2);
    storeReportInSeries(result, g);
    g.visibilityText = result.visibilityText;
    g.trendVisibilityText = result.trendVisibilityText;
    g.variableWindText = result.variableWindText;
    g.trendWindText = result.trendWindText;

    if (!(result.hasWind && result.hasTemperature && result.hasPressure)) {
        return out;
    }
    out.complete = true;
    g.month = text::leadingInteger(report->monthText);
    g.day = day;
    g.lastTime = hhmm;
    applyTimeOffset(g.day, g.lastTime, timeOffsetHours);

    // The report is newer than the page's table: it replaces the newest hour.
    constexpr int newest = kSlots - 1;
    g.temperature[newest] = result.temperature;
    g.dewPoint[newest] = result.dewPoint;
    g.windSpeed[newest] = result.windSpeedKmh;
    g.windDirection[newest] = result.windDirectionCode.view();
    if (g.pressureIsStation) {
        const double station = result.qnhHpa / stationPressureFactor(g.altitudeMetres);
        g.pressure[newest] = truncToInt(station);
    }
    return out;
}

GraphSeries readStationFile(StreamReader& file, GraphSeries graph) {
    // "yyyy/mm/dd hh:mm" on the first line, the report on the second.
    std::vector<std::string> words;
    readWords(file, kMaxReportWords, words);
    constexpr std::size_t firstGroup = 4; // date, time, station, day-hour-minute
    if (words.size() >= firstGroup) {
        storeReportInSeries(MetarDecoder::decodeGroups(words, words.size(), firstGroup), graph);
    }
    return graph;
}

} // namespace brisalta
