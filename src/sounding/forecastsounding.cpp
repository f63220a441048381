// Reader of the forecast sounding listings of the READY sounding tool.
#include "sounding/forecastsounding.h"

#include "sounding/soundinglimits.h"
#include "sounding/tablescan.h"
#include "text/codepage.h"
#include "text/format.h"
#include "text/textutil.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <sstream>

namespace brisalta {
namespace {

constexpr std::size_t kLineBuffer = 256;
constexpr int kHeaderLines = 132;
constexpr int kHumidityBlockLines = 160;
constexpr std::size_t kStationColumn = 18;
constexpr std::size_t kWholeWord = std::numeric_limits<std::size_t>::max();
constexpr double kMetresPerSecondToKmh = 3.6;

// The listing's table climbs far above the diagram; it is cut at the first row
// that starts with 55 or 50 hPa.
bool cutsAt55Or50(float value, std::int64_t /*total*/, std::int64_t line) {
    return (value == 50.0f || value == 55.0f) && line == 1;
}

bool isCutPressure(float pressure) { return pressure == 50.0f || pressure == 55.0f; }

// The leading number of a word as the C library's text-to-double conversion
// reads it ("40.42," gives 40.42); 0 when there is none.
double leadingNumber(const std::string& word) {
    text::StreamReader reader(word);
    double value = 0.0;
    return reader.readDouble(value) == text::ScanResult::Converted ? value : 0.0;
}

std::string withoutLineEnd(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    return text;
}

void readTable(ForecastListing& result, text::StreamReader& listing, std::size_t tableStart) {
    ValueStream in(listing);
    in.seek(tableStart);
    const RowCount counted = countTableRows(in, kForecastColumns, cutsAt55Or50);
    result.tableRows = counted.rows;
    result.skip = counted.skip;
    result.cutAtLevel = counted.cutAtLevel;
    if (counted.rows == 0) {
        return;
    }
    const std::int64_t kept = std::min<std::int64_t>(counted.rows, kMirrorRows);
    result.truncated = kept < counted.rows;

    // Read exactly as counted: one character after each value, which also
    // passes over the "E" that marks estimated heights ("1377.E").
    in.seek(tableStart);
    float value = 0.0f;
    for (std::int64_t i = 0; i < counted.skip; ++i) {
        in.scanThenChar(value);
    }
    constexpr int kColumnOf[kForecastColumns] = {kPressure, kHeight,        kTemperature,
                                                 kDewPoint, kWindDirection, kWindSpeed};
    result.rows.reserve(static_cast<std::size_t>(kept));
    for (std::int64_t r = 0; r < kept; ++r) {
        SoundingRow row{};
        for (int v = 0; v < kForecastColumns; ++v) {
            float read = 0.0f;
            in.scanThenChar(read);
            row[static_cast<std::size_t>(kColumnOf[v])] = read;
        }
        row[kWindSpeed] = static_cast<float>(row[kWindSpeed] * kMetresPerSecondToKmh);
        result.rows.push_back(row);
        // Rows past the cut row would never be read; the sounding ends here.
        if (counted.cutAtLevel && isCutPressure(row[kPressure])) {
            break;
        }
    }
}

// The list after the last "Relative Humidity" line of the first block of 160
// lines that has one: two header words, then pressure and humidity pairs.
void readHumidity(ForecastListing& result, text::StreamReader& listing) {
    listing.rewind();
    std::string line;
    std::size_t listStart = 0;
    while (!result.humidityFound && !listing.atEnd()) {
        for (int i = 0; i < kHumidityBlockLines; ++i) {
            if (!listing.readLine(line, kLineBuffer)) {
                break;
            }
            if (text::textContains("Relative Humidity", line)) {
                result.humidityFound = true;
                listStart = listing.tell();
            }
        }
    }
    if (!result.humidityFound) {
        return;
    }
    listing.seek(listStart);
    std::string word;
    for (int i = 0; i < 3; ++i) {
        listing.readWord(word, kWholeWord);
    }
    for (std::size_t r = 0; r < result.rows.size(); ++r) {
        listing.readFloat(result.rows[r][kHumidity]);
        if (r + 1 < result.rows.size()) {
            listing.readWord(word, kWholeWord);
        }
    }
}

void readPlaceAndDate(ForecastListing& result, text::StreamReader& listing) {
    listing.rewind();
    std::string line;
    std::optional<std::size_t> colonAt;
    std::string stationLine;
    std::string dayLine;
    for (int i = 0; i < kHeaderLines; ++i) {
        const std::size_t lineStart = listing.tell();
        if (!listing.readLine(line, kLineBuffer)) {
            break;
        }
        if (text::textContains("Sounding for", line)) {
            stationLine = line;
            const std::size_t colon = line.find(':');
            if (colon != std::string::npos) {
                colonAt = lineStart + colon;
            }
        }
        if (text::textContains("DAY", line)) {
            dayLine = line;
        }
    }

    if (colonAt) {
        result.coordinatesMode = true;
        listing.seek(*colonAt + 1);
        std::string word;
        if (listing.readWord(word, kWholeWord)) {
            result.latitude = leadingNumber(word);
        }
        if (listing.readWord(word, kWholeWord)) {
            result.longitude = leadingNumber(word);
        }
    } else if (stationLine.size() > kStationColumn) {
        std::string station = withoutLineEnd(stationLine.substr(kStationColumn));
        std::replace(station.begin(), station.end(), '*', ' ');
        if (!station.empty() && station.front() == 'r') {
            station.erase(0, 1);
        }
        result.station = station;
    }

    // Label, year, label, month, label, day, label, hour.
    std::istringstream words(dayLine);
    std::string w[8];
    for (std::string& each : w) {
        if (!(words >> each)) {
            break;
        }
    }
    result.year = w[1];
    result.month = w[3];
    result.day = w[5];
    result.hour = w[7];
}

} // namespace

ForecastListing parseForecastListing(text::StreamReader& listing) {
    ForecastListing result;
    listing.rewind();
    std::string line;
    std::size_t tableStart = 0;
    for (int i = 0; i < kHeaderLines; ++i) {
        if (!listing.readLine(line, kLineBuffer)) {
            break;
        }
        if (text::textContains("Estimated Surface Height", line)) {
            result.headerFound = true;
            tableStart = listing.tell();
            break;
        }
    }
    if (!result.headerFound) {
        return result;
    }
    readTable(result, listing, tableStart);
    if (result.rows.empty()) {
        return result;
    }
    readHumidity(result, listing);
    readPlaceAndDate(result, listing);
    return result;
}

ForecastTitles forecastTitles(const ForecastListing& l) {
    ForecastTitles t;
    const char* hour = l.hour.c_str();
    const char* day = l.day.c_str();
    const char* month = l.month.c_str();
    const char* year = l.year.c_str();
    if (l.coordinatesMode) {
        const double lat = std::fabs(l.latitude);
        const char* ns = l.latitude < 0 ? "S" : "N";
        const double lon = std::fabs(l.longitude);
        const char* ew = l.longitude < 0 ? "W" : "E";
        t.title = text::format1252(
            "Sondeo previsto para las %s hrs UTC del dia %s del %s de %s. Coordenadas %.2f%s %.2f%s",
            hour, day, month, year, lat, ns, lon, ew);
        t.fileTitle = text::format1252("Sondeo previsto %shrs_Dia%s-%s-%s_%.2f%s_%.2f%s", hour, day,
                                       month, year, lat, ns, lon, ew);
    } else {
        const char* station = l.station.c_str();
        t.title = text::format1252(
            "Sondeo previsto para las %s hrs UTC del dia %s del %s de %s. Estación: %s", hour, day,
            month, year, station);
        t.fileTitle = text::format1252("Sondeo previsto %shrs_Dia%s-%s-%s_%s", hour, day, month,
                                       year, station);
    }
    if (t.fileTitle.size() > 255) {
        t.fileTitle.resize(255);
    }
    return t;
}

} // namespace brisalta
