// Reader of the second sounding service's page and of its cut-out table.
#include "sounding/secondservicetable.h"

#include "sounding/tablescan.h"
#include "text/textutil.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace brisalta {
namespace {

constexpr std::size_t kLineBuffer = 256;
constexpr int kPageLines = 40;
constexpr std::size_t kOffsetPastTableLine = 500;
constexpr int kGroup = 8;
constexpr int kLeadingValues = 6;

bool keepsCharacter(int c) { return (c >= '0' && c <= '9') || c == '.' || c == '-'; }

} // namespace

SecondServiceCut cutSecondServiceTable(text::StreamReader& page) {
    SecondServiceCut result;
    page.rewind();
    std::string line;
    int lastCopied = 0;
    bool inTag = false;
    for (int i = 0; i < kPageLines; ++i) {
        // The end of the page ends the look: there is no further line to test.
        if (!page.readLine(line, kLineBuffer)) {
            break;
        }
        if (text::textContains("Invalid arguments passed", line)) {
            ++result.invalidArgumentLines;
        }
        if (!text::textContains("<center><table>", line)) {
            continue;
        }
        result.tableFound = true;
        result.shortTable.clear();
        page.seek(page.tell() + kOffsetPastTableLine);
        while (lastCopied != '\n') {
            const int c = page.getChar();
            if (c == text::StreamReader::kEof) {
                break;
            }
            lastCopied = c;
            if (c == '<') {
                inTag = true;
            } else if (c == '>') {
                inTag = false;
                result.shortTable.push_back(' ');
            } else if (!inTag) {
                result.shortTable.push_back(keepsCharacter(c) ? static_cast<char>(c) : ' ');
            }
        }
    }
    return result;
}

SecondServiceTable parseSecondServiceTable(text::StreamReader& shortTable) {
    SecondServiceTable result;
    ValueStream in(shortTable);
    in.seek(0);

    // Counting pass, in groups of eight reads. The column counter runs 0…6 in
    // the first group and 1…7 in the later ones, the eighth read of a group
    // being 0; the pressure column of the table reads with the counter at 2.
    float value = 0.0f;
    bool firstGroup = true;
    bool startFound = false;
    do {
        for (int k = 0; k < kGroup; ++k) {
            in.scanOrSkipWord(value);
            ++result.total;
            const int counter = k == kGroup - 1 ? 0 : (firstGroup ? k : k + 1);
            if (!startFound && counter == 2 && value >= 100.0f) {
                startFound = true;
                result.start = result.total;
            }
        }
        firstGroup = false;
    } while (!in.endSeen());

    const std::int64_t n = result.total - result.start;
    result.rows = (n - kLeadingValues) / kGroup; // toward zero, as C divides
    // Read rows 0 … rows − 2 exist; reversed row j is read row rows − 3 − j,
    // for j = 0 … rows − 3.
    const std::int64_t reversedRows = result.rows - 2;
    if (reversedRows <= 0) {
        return result;
    }
    result.usable = true;

    // Which read row feeds each profile row. With 103 table rows the last
    // profile row would fall one past the highest reversed row; it takes the
    // highest one instead.
    const std::int64_t step = (result.rows - 1) / kSecondServiceRows;
    std::vector<std::pair<std::int64_t, int>> sources; // (read row, profile row)
    sources.reserve(kSecondServiceRows);
    for (int i = 0; i < kSecondServiceRows; ++i) {
        const std::int64_t reversed = std::min<std::int64_t>(i * step, reversedRows - 1);
        sources.emplace_back(result.rows - 3 - reversed, i);
    }
    std::sort(sources.begin(), sources.end());

    // Reading pass. Only the read rows the profile takes are kept, so a huge
    // table never needs a huge allocation. The pass repeats until the end of
    // the text; a repeat that finds values again overwrites what it reads, and
    // a failed read leaves a value as it was.
    constexpr int kColumnOf[kGroup] = {kHeight,   kPressure,      kTemperature, -1,
                                       kDewPoint, kHumidity,      kWindDirection, kWindSpeed};
    in.seek(0);
    while (!in.endSeen()) {
        for (std::int64_t i = 0; i < result.start + kLeadingValues && !in.endSeen(); ++i) {
            in.scanOrSkipWord(value);
        }
        std::size_t next = 0;
        for (std::int64_t r = 0; r < result.rows - 1 && !in.endSeen(); ++r) {
            while (next < sources.size() && sources[next].first < r) {
                ++next;
            }
            for (int v = 0; v < kGroup; ++v) {
                float read = 0.0f;
                const bool converted = in.scanOrSkipWord(read) == text::ScanResult::Converted;
                if (!converted || kColumnOf[v] < 0) {
                    continue;
                }
                for (std::size_t s = next; s < sources.size() && sources[s].first == r; ++s) {
                    result.profile[static_cast<std::size_t>(sources[s].second)]
                                  [static_cast<std::size_t>(kColumnOf[v])] = read;
                }
            }
        }
    }
    return result;
}

} // namespace brisalta
