// The current-conditions page: header lines first, then the hourly table walked
// one character at a time.
#include "surface/currentconditionspage.h"

#include "session/numeric.h"
#include "weather/derived.h"
#include "surface/hourlyslots.h"
#include "weather/timeoffset.h"
#include "text/streamreader.h"
#include "text/textutil.h"

#include <string>
#include <string_view>
#include <utility>

namespace brisalta {
namespace {

using text::ScanResult;
using text::StreamReader;
using text::textContains;

constexpr std::size_t kLineBuffer = 256;   // lines are read 255 bytes at a time
constexpr std::size_t kTitleReach = 70;    // the station name ends within 70 bytes
constexpr std::size_t kDateFromEnd = 21;   // " yyyy.mm.dd hhmm UTC\n"
constexpr std::size_t kPercentReach = 100; // the humidity figure follows within 100 bytes
constexpr int kClosingTagsBeforeWind = 6;  // the wind cell opens after the 6th '>' of a row
constexpr double kKmhPerMph = 1.609;

// The station name follows the first "R>" of the line (the end of a <BR>) and
// runs to the next tag.
void readTitle(std::string_view line, GraphSeries& graph) {
    const std::size_t marker = line.find("R>");
    if (marker == std::string_view::npos) {
        return;
    }
    const std::size_t start = marker + 2;
    for (std::size_t i = start; i < line.size() && i - start < kTitleReach; ++i) {
        if (line[i] == '<') {
            graph.title = std::string(line.substr(start, i - start));
            return;
        }
    }
}

// The line naming the station ends with its elevation in metres ("582M").
void readElevation(std::string_view line, GraphSeries& graph) {
    const std::size_t n = line.size();
    if (n < 3 || line[n - 2] != 'M') {
        return;
    }
    // The figure is the 1 to 5 characters between the preceding blank and the "M".
    const std::size_t m = n - 2;
    std::size_t start = m;
    while (start > 0 && m - start < 6 && line[start - 1] != ' ') {
        --start;
    }
    const std::size_t digits = m - start;
    if (start == 0 || line[start - 1] != ' ' || digits < 1 || digits > 5) {
        return;
    }
    graph.altitudeMetres = text::leadingInteger(line.substr(start, digits));
    graph.altitudeKnown = true;
    graph.pressureIsStation = true;
}

// A literal character of a scanf format: consumed when it is next.
bool skipLiteral(StreamReader& page, char literal) {
    if (page.peekChar() != static_cast<unsigned char>(literal)) {
        return false;
    }
    page.getChar();
    return true;
}

// The line holding the units form ends with the observation time as
// "yyyy.mm.dd hhmm UTC". `lineEnd` is the position just after that line. The
// fields are stored one by one as they convert, like "%d.%d.%d %d".
void readObservationTime(StreamReader& page, std::size_t lineEnd, GraphSeries& graph, int offset) {
    page.seek(lineEnd >= kDateFromEnd ? lineEnd - kDateFromEnd : 0);
    int* const fields[] = {&graph.year, &graph.month, &graph.day, &graph.lastTime};
    int converted = 0;
    for (int i = 0; i < 4; ++i) {
        int value = 0;
        if (page.readInt(value) != ScanResult::Converted) {
            break;
        }
        *fields[i] = value;
        ++converted;
        // Year, month and day are joined by dots; the blank before the time
        // matches any white space, which "%d" skips anyway.
        if (i < 2 && !skipLiteral(page, '.')) {
            break;
        }
    }
    // Shifting a time the page did not give would shift the previous one twice.
    if (converted == 4) {
        applyTimeOffset(graph.day, graph.lastTime, offset);
    }
    page.seek(lineEnd);
}

// The humidity figure is the number just before the first "%" that follows
// the "Humidity" line.
void readHumidity(StreamReader& page, GraphSeries& graph) {
    const std::size_t lineEnd = page.tell();
    const std::string_view bytes = page.bytes();
    for (std::size_t i = lineEnd; i < bytes.size() && i - lineEnd < kPercentReach; ++i) {
        if (bytes[i] == '%') {
            page.seek(i >= 3 ? i - 3 : 0);
            int humidity = 0;
            if (page.readInt(humidity) == ScanResult::Converted) {
                graph.humidity = humidity;
            }
            break;
        }
    }
    page.seek(lineEnd);
}

// Examines the lines before the table. Returns where the table walk starts:
// the beginning of the "Latest" line, or where the examination stopped.
std::size_t readHeader(CurrentConditionsPage& result, StreamReader& page, std::string_view icao,
                       int timeOffsetHours) {
    GraphSeries& graph = result.graph;
    const std::size_t lines = page.count('\n');
    std::string line;
    for (std::size_t examined = 0; examined < lines; ++examined) {
        const std::size_t lineStart = page.tell();
        if (!page.readLine(line, kLineBuffer)) {
            break;
        }
        if (textContains("Current Weather Conditions", line)) {
            readTitle(line, graph);
        }
        if (!icao.empty() && !graph.pressureIsStation && textContains(icao, line)) {
            readElevation(line, graph);
        }
        if (textContains("/SELECT><BR>", line)) {
            readObservationTime(page, page.tell(), graph, timeOffsetHours);
        }
        if (textContains("Humidity", line)) {
            result.stationFound = true;
            readHumidity(page, graph);
        }
        if (textContains("Latest", line)) {
            result.stationFound = true;
            return lineStart;
        }
    }
    return page.tell();
}

// The wind cell: a direction word, then the speed in miles per hour unless
// the word says calm ("Calm" may come glued to the closing tag).
void readWind(StreamReader& page, GraphSeries& graph, int slot) {
    std::string word;
    if (!page.readWord(word, 8) || word.empty()) {
        graph.windDirection[slot] = "No";
        graph.windSpeed[slot] = kMissing;
        return;
    }
    if (word[0] == 'C') {
        graph.windDirection[slot] = word.substr(0, 4);
        graph.windSpeed[slot] = 0;
        return;
    }
    graph.windDirection[slot] = word;
    int mph = 0;
    graph.windSpeed[slot] =
        page.readInt(mph) == ScanResult::Converted ? truncToInt(mph * kKmhPerMph) : kMissing;
}

void storePressure(GraphSeries& graph, int slot, int hpa) {
    if (graph.pressureIsStation) {
        const double station = hpa / stationPressureFactor(graph.altitudeMetres);
        graph.pressure[slot] = truncToInt(station);
    } else {
        graph.pressure[slot] = hpa;
    }
}

// Walks the table from the current position. The page lists the newest hour
// first, so rows fill the slots from 23 downwards. Each row gives four numbers
// after "(" (hour, temperature, dew point, pressure) and its wind after the
// sixth '>' that follows them. Returns the newest slot the walk did not reach
// (-1 when it filled all 24).
int walkTable(StreamReader& page, GraphSeries& graph) {
    int slot = kSlots - 1;
    int numbers = 0;     // "(" seen in the current row, 0..4
    bool complete = false;
    int closingTags = 0; // '>' seen since the row's numbers were complete
    int lineBreaks = 0;  // since the last "("
    while (slot >= 0) {
        const int c = page.getChar();
        if (c == StreamReader::kEof) {
            break;
        }
        if (complete) {
            if (c == '>' && ++closingTags == kClosingTagsBeforeWind) {
                readWind(page, graph, slot);
                --slot;
                numbers = 0;
                complete = false;
                closingTags = 0;
            }
            continue;
        }
        if (c == '\n') {
            ++lineBreaks;
            continue;
        }
        if (c != '(') {
            continue;
        }
        // A row whose numbers stop short: the next "(" lies more than two
        // lines further on and starts the next row.
        if (numbers >= 1 && lineBreaks > 2) {
            clearSlot(graph, slot);
            --slot;
            numbers = 0;
            if (slot < 0) {
                break;
            }
        }
        lineBreaks = 0;
        int value = 0;
        const bool read = page.readInt(value) == ScanResult::Converted;
        ++numbers;
        switch (numbers) {
        case 1:
            if (read) {
                graph.hour[slot] = value;
            }
            break;
        case 2:
            graph.temperature[slot] = read ? value : kMissing;
            break;
        case 3:
            graph.dewPoint[slot] = read ? value : kMissing;
            break;
        default:
            if (read) {
                storePressure(graph, slot, value);
            } else {
                graph.pressure[slot] = kMissing;
            }
            complete = true;
            break;
        }
    }
    if (slot < 0) {
        return -1;
    }
    return numbers > 0 ? slot - 1 : slot;
}

} // namespace

CurrentConditionsPage readCurrentConditionsPage(StreamReader& page, GraphSeries graph,
                                                std::string_view icao, int timeOffsetHours) {
    CurrentConditionsPage result;
    result.graph = std::move(graph);
    page.seek(readHeader(result, page, icao, timeOffsetHours));
    if (!page.atEnd() && !result.stationFound) {
        result.problem = CurrentConditionsPage::Problem::UnknownStation;
        return result;
    }

    // A new station never shows the previous station's values.
    GraphSeries& g = result.graph;
    clearSlots(g);
    const int newestUnreached = walkTable(page, g);
    const MissingCounts missing = validateSlots(g);
    numberEarlierHours(g, newestUnreached);
    if (!missing.enoughForGraph()) {
        result.problem = CurrentConditionsPage::Problem::TooFewData;
    }
    return result;
}

} // namespace brisalta
