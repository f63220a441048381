// The Banyeres school station table.
#include "surface/banyeresfile.h"

#include "session/numeric.h"
#include "surface/hourlyslots.h"
#include "weather/derived.h"
#include "text/streamreader.h"
#include "text/textutil.h"

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace brisalta {
namespace {

using text::StreamReader;

constexpr int kAltitudeMetres = 729;
constexpr std::size_t kFewestLineBreaks = 10;

// Word positions of a line (0-based; the table numbers them from 1).
constexpr std::size_t kDateWord = 0;
constexpr std::size_t kTimeWord = 1;
constexpr std::size_t kTemperatureWord = 2;
constexpr std::size_t kHumidityWord = 5;
constexpr std::size_t kDewPointWord = 6;
constexpr std::size_t kWindSpeedWord = 10;
constexpr std::size_t kWindDirectionWord = 11;
constexpr std::size_t kPressureWord = 16;

// The file split into lines (line k runs up to its line break) and each line
// into its words. A line with fewer words than the table has simply lacks the
// values that would follow.
class DataLines {
public:
    explicit DataLines(std::string_view bytes) : mBytes(bytes) {
        mStarts.push_back(0);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                mStarts.push_back(i + 1);
            }
        }
    }

    // Number of line breaks in the file.
    long lineBreaks() const { return static_cast<long>(mStarts.size()) - 1; }

    // The words of line `index`, or none when the file has no such line.
    std::vector<std::string_view> wordsOf(long index) const {
        std::vector<std::string_view> words;
        if (index < 0 || index >= static_cast<long>(mStarts.size())) {
            return words;
        }
        const std::size_t begin = mStarts[static_cast<std::size_t>(index)];
        const std::size_t end = static_cast<std::size_t>(index) + 1 < mStarts.size()
                                    ? mStarts[static_cast<std::size_t>(index) + 1]
                                    : mBytes.size();
        std::size_t i = begin;
        while (i < end) {
            while (i < end && text::isScanBlank(static_cast<unsigned char>(mBytes[i]))) {
                ++i;
            }
            const std::size_t wordStart = i;
            while (i < end && !text::isScanBlank(static_cast<unsigned char>(mBytes[i]))) {
                ++i;
            }
            if (i > wordStart) {
                words.push_back(mBytes.substr(wordStart, i - wordStart));
            }
        }
        return words;
    }

private:
    std::string_view mBytes;
    std::vector<std::size_t> mStarts;
};

std::string_view wordAt(const std::vector<std::string_view>& words, std::size_t index,
                        std::size_t maxChars = std::string_view::npos) {
    return index < words.size() ? words[index].substr(0, maxChars) : std::string_view();
}

// A decimal word rounded to a whole number, or 6666 when it holds no number
// ("---" where the console had no reading).
int roundedOf(std::string_view word) {
    StreamReader reader{std::string(word)};
    double value = 0.0;
    if (reader.readDouble(value) != text::ScanResult::Converted || !std::isfinite(value)) {
        return kMissing;
    }
    return truncToInt(roundToDecimals(value, 0));
}

int integerOf(std::string_view word) {
    StreamReader reader{std::string(word)};
    int value = 0;
    return reader.readInt(value) == text::ScanResult::Converted ? value : kMissing;
}

// The time word as hhmm text: "13:30" -> "1330", "9:30" -> "0930".
std::string hhmmTextOf(std::string_view time) {
    if (time.size() == 5) {
        return {time[0], time[1], time[3], time[4]};
    }
    if (time.size() == 4) {
        return {'0', time[0], time[2], time[3]};
    }
    return {};
}

// Date of the last line: dd/mm/yy or d/mm/yy.
void readDate(std::string_view date, GraphSeries& graph) {
    std::string day;
    std::string_view month;
    std::string_view year;
    if (date.size() == 8) {
        day = std::string(text::charactersOf(date, 1, 2));
        month = text::charactersOf(date, 4, 5);
        year = text::charactersOf(date, 7, 8);
    } else if (date.size() == 7) {
        day = "0" + std::string(text::charactersOf(date, 1, 1));
        month = text::charactersOf(date, 3, 4);
        year = text::charactersOf(date, 6, 7);
    } else {
        graph.day = 0;
        graph.month = 0;
        graph.year = 0;
        return;
    }
    graph.day = text::leadingInteger(day);
    graph.month = text::leadingInteger(month);
    graph.year = 2000 + text::leadingInteger(year);
}

// Reads one line into a slot. Returns the humidity of the line.
int readSlot(const std::vector<std::string_view>& words, GraphSeries& graph, int slot) {
    graph.hour[slot] = text::leadingInteger(text::charactersOf(wordAt(words, kTimeWord, 5), 1, 2));
    graph.temperature[slot] = roundedOf(wordAt(words, kTemperatureWord));
    graph.dewPoint[slot] = roundedOf(wordAt(words, kDewPointWord));
    graph.windSpeed[slot] = roundedOf(wordAt(words, kWindSpeedWord));
    const std::string_view direction = wordAt(words, kWindDirectionWord, 3);
    graph.windDirection[slot] = direction.empty() ? std::string_view("No") : direction;
    // The file gives the pressure reduced to sea level; the graph shows the
    // station's own.
    const int seaLevel = roundedOf(wordAt(words, kPressureWord));
    if (seaLevel == kMissing) {
        graph.pressure[slot] = kMissing;
    } else {
        const double station = seaLevel / stationPressureFactor(kAltitudeMetres);
        graph.pressure[slot] = truncToInt(roundToDecimals(station, 0));
    }
    return integerOf(wordAt(words, kHumidityWord));
}

} // namespace

BanyeresTable readBanyeresFile(StreamReader& file, GraphSeries graph) {
    BanyeresTable result;
    result.graph = std::move(graph);
    GraphSeries& g = result.graph;
    g.title = "Banyeres, Alicante";
    g.pressureIsStation = true;
    g.altitudeKnown = true;
    g.altitudeMetres = kAltitudeMetres;

    const DataLines lines(file.bytes());
    const long n = lines.lineBreaks();
    if (n < static_cast<long>(kFewestLineBreaks)) {
        result.problem = BanyeresTable::Problem::TooFewLines;
        return result;
    }

    // The last line dates the graph and tells whether the file ends on a half hour.
    const long lastLine = n - 1;
    const std::vector<std::string_view> last = lines.wordsOf(lastLine);
    readDate(wordAt(last, kDateWord, 8), g);
    const std::string hhmm = hhmmTextOf(wordAt(last, kTimeWord, 5));
    g.lastTime = text::leadingInteger(hhmm);
    const bool endsOnHalfHour = hhmm.size() == 4 && hhmm[2] == '3';

    // Every second line from here on is a full hour, the last of them the last
    // full hour of the file.
    const long firstLine = endsOnHalfHour ? n - 48 : n - 47;
    int newestUnreached = -1;
    for (int slot = 0; slot < kSlots; ++slot) {
        const long line = firstLine + 2L * slot;
        if (line < 0) {
            // A file shorter than a day: the oldest slots stay empty.
            clearSlot(g, slot);
            g.banyeresHumiditySeries[slot] = kMissing;
            newestUnreached = slot;
            continue;
        }
        g.banyeresHumiditySeries[slot] = readSlot(lines.wordsOf(line), g, slot);
    }

    if (endsOnHalfHour) {
        // The half hour after the last full hour is the newest reading; the
        // humidity series keeps the full hour.
        g.humidity = readSlot(last, g, kSlots - 1);
    } else {
        g.humidity = g.banyeresHumiditySeries[kSlots - 1];
    }

    validateSlots(g);
    numberEarlierHours(g, newestUnreached);
    return result;
}

} // namespace brisalta
