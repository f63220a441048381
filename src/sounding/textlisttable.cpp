// Reader of the text-list service's page.
#include "sounding/textlisttable.h"

#include "sounding/tablescan.h"
#include "text/textutil.h"

#include <algorithm>

namespace brisalta {
namespace {

constexpr std::size_t kLineBuffer = 256;
constexpr int kHeaderLines = 5;
constexpr std::size_t kLinesBeforeTable = 10;

// The table stops at the 100 hPa level: a pressure of exactly 100.0 in the
// pressure column (a position that is a multiple of eleven) past the first
// hundred values, so that a 100.0 in the first rows does not end it.
bool cutsAt100(float value, std::int64_t total, std::int64_t /*line*/) {
    return value == 100.0f && total > 100 && (total - 1) % kTextListColumns == 0;
}

// The text between the first '>' at or after `from` and the first '<', "Obs"
// or line end of the same line.
std::string stationTextFrom(text::StreamReader& page, std::size_t from) {
    page.seek(from);
    for (std::size_t scanned = 0; scanned < kLineBuffer; ++scanned) {
        const int c = page.getChar();
        if (c == '>' || c == text::StreamReader::kEof) {
            break;
        }
    }
    std::string rest;
    page.readLine(rest, kLineBuffer);
    std::size_t cut = rest.find('<');
    cut = std::min(cut, rest.find("Obs"));
    // A header without its closing tag would otherwise keep the line end.
    cut = std::min(cut, rest.find_first_of("\r\n"));
    if (cut != std::string::npos) {
        rest.resize(cut);
    }
    return rest;
}

} // namespace

TextListTable parseTextListPage(text::StreamReader& page) {
    TextListTable result;
    page.rewind();
    std::string line;
    std::size_t headerStart = 0;
    for (int i = 0; i < kHeaderLines; ++i) {
        const std::size_t lineStart = page.tell();
        if (!page.readLine(line, kLineBuffer)) {
            break;
        }
        if (text::textContains("Observations", line)) {
            result.headerFound = true;
            headerStart = lineStart;
            break;
        }
    }
    if (!result.headerFound) {
        return result;
    }
    // The scan starts one byte before the header line: the line end of the
    // line above it.
    result.stationText = stationTextFrom(page, headerStart > 0 ? headerStart - 1 : 0);

    page.rewind();
    page.skipLines(kLinesBeforeTable);
    const std::size_t tableStart = page.tell();

    ValueStream in(page);
    const RowCount counted = countTableRows(in, kTextListColumns, cutsAt100);
    result.tableRows = counted.rows;
    result.skip = counted.skip;
    result.cutAt100 = counted.cutAtLevel;
    if (counted.rows == 0) {
        return result;
    }

    const std::int64_t kept = std::min<std::int64_t>(counted.rows, kMirrorRows);
    result.truncated = kept < counted.rows;
    result.rows.assign(static_cast<std::size_t>(kept), SoundingRow{});

    // The reading pass reads the values exactly as the counting pass counted
    // them, one character after each, so both passes agree on every position.
    in.seek(tableStart);
    float value = 0.0f;
    for (std::int64_t i = 0; i < counted.skip; ++i) {
        in.scanThenChar(value);
    }
    // Values 1-5 and 7-8 of a line; 6 is the mixing ratio and 9-11 the three
    // potential temperatures.
    constexpr int kColumnOf[kTextListColumns] = {kPressure, kHeight,        kTemperature,
                                                 kDewPoint, kHumidity,      -1,
                                                 kWindDirection, kWindSpeed, -1, -1, -1};
    for (SoundingRow& row : result.rows) {
        for (int v = 0; v < kTextListColumns; ++v) {
            float read = 0.0f;
            in.scanThenChar(read);
            if (kColumnOf[v] >= 0) {
                row[static_cast<std::size_t>(kColumnOf[v])] = read;
            }
        }
    }
    return result;
}

} // namespace brisalta
