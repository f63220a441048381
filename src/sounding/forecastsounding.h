// Forecast soundings: the plain-text profile listing that the NOAA Air
// Resources Laboratory's READY sounding tool produces for a model forecast,
// saved by the user. Its table has six numbers a level (pressure, height,
// temperature, dew point, wind direction, wind speed in m/s), the relative
// humidity comes in a list of its own, and the header lines give the place
// and the date the titles are built from.
#pragma once

#include "session/sessionstate.h"
#include "text/streamreader.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace brisalta {

inline constexpr int kForecastColumns = 6;

struct ForecastListing {
    bool headerFound = false;    // an "Estimated Surface Height" line among the first 132
    std::int64_t tableRows = 0;  // rows the counting pass found (0: no table)
    std::int64_t skip = 0;       // values of a padded first row passed over
    bool cutAtLevel = false;     // the table was cut at its 55 or 50 hPa row
    bool truncated = false;      // more rows than kMirrorRows: only the first were read
    std::vector<SoundingRow> rows; // lowest level first, speeds in km/h

    bool humidityFound = false; // a "Relative Humidity" list (else humidity is 0)

    bool coordinatesMode = false; // a "Sounding for" line with ':'
    double latitude = 0.0;        // degrees, north positive
    double longitude = 0.0;       // degrees, east positive
    std::string station;          // station mode: the station text ("" without a "Sounding for" line)

    // The date words of the last "DAY" line ("" when missing).
    std::string year;
    std::string month;
    std::string day;
    std::string hour;
};

// Reads a whole listing. The reader should be in text mode (CR LF reads as LF).
ForecastListing parseForecastListing(text::StreamReader& listing);

// The display title and the title in file-name form (at most 255 bytes), e.g.
// "Sondeo previsto para las 12 hrs UTC del dia 7 del 3 de 2020. Coordenadas
// 40.42N 3.70W" and "Sondeo previsto 12hrs_Dia7-3-2020_40.42N_3.70W".
struct ForecastTitles {
    std::string title;
    std::string fileTitle;
};
ForecastTitles forecastTitles(const ForecastListing& listing);

} // namespace brisalta
