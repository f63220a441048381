// Forecast listings of the READY sounding tool: table, cut at 55 or 50 hPa,
// wind in km/h, humidity list, place and date, titles and flags.
#include "sounding/forecastsounding.h"

#include "session/sessionstate.h"
#include "support/testplaces.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

namespace brisalta {
namespace {


ForecastListing parse(const std::string& listing) {
    text::StreamReader reader(listing, text::StreamReader::Mode::Text);
    return parseForecastListing(reader);
}

const std::string kTableHead = " PRESS HGT(MSL) TEMP DEW PT  WND DIR  WND SPD\n"
                               " HPA       M      C     C       DEG     M/S\n"
                               " E = Estimated Surface Height\n\n";

// A listing with the given place line, date line, table rows and humidity list.
std::string listing(const std::string& place, const std::string& rows,
                    const std::string& humidity = " Relative Humidity\n PRESS RH\n 900. 50.\n 850. 40.\n 800. 30.\n",
                    const std::string& date = " YEAR: 2020 MONTH: 3 DAY: 7 HOUR: 12\n") {
    return " READY sounding\n" + place + date + kTableHead + rows + "\n" + humidity;
}

const std::string kThreeRows = "  900.   1000.   15.0    5.0   270.0    10.0\n"
                               "  850.   1500.   10.0    0.0   280.0    12.0\n"
                               "  800.   2000.    5.0   -5.0   290.0    14.0\n"
                               "  750.   2500.\n"; // a short line ends the table

TEST(ForecastListing, ReadsRowsWithWindInKmhAndHumidityFromTheList) {
    const ForecastListing l = parse(listing(" Sounding for lat-lon: 40.42, -3.70\n", kThreeRows));
    ASSERT_EQ(l.rows.size(), 3u);
    // 10 m/s is stored as 36 km/h.
    EXPECT_EQ(l.rows[0], (SoundingRow{900.0f, 1000.0f, 15.0f, 5.0f, 50.0f, 270.0f, 36.0f}));
    EXPECT_EQ(l.rows[2][kHumidity], 30.0f);
    EXPECT_TRUE(l.humidityFound);
    EXPECT_FALSE(l.cutAtLevel);
}

TEST(ForecastListing, CutsAtThe55HectopascalRowBefore50) {
    const std::string rows = "  100.  16000.  -60.0  -80.0   270.0    20.0\n"
                             "   55.  20000.  -60.0  -80.0   270.0    20.0\n"
                             "   50.  20600.  -60.0  -80.0   270.0    20.0\n"
                             "   40.  22000.  -60.0  -80.0   270.0    20.0\n";
    const ForecastListing l = parse(listing(" Sounding for lat-lon: 1, 2\n", rows));
    EXPECT_TRUE(l.cutAtLevel);
    ASSERT_EQ(l.rows.size(), 2u);
    EXPECT_EQ(l.rows.back()[kPressure], 55.0f);
}

TEST(ForecastListing, EstimatedHeightsAndPaddedFirstRowAreReadAsCounted) {
    const std::string rows = "  862.  1377.E\n"
                             "  860.  1397.E  18.1  -10.1    83.9     4.5\n"
                             "  856.  1438.E  19.3  -10.9    82.7     4.5\n"
                             "  850.\n";
    const ForecastListing l = parse(listing(" Sounding for lat-lon: 1, 2\n", rows));
    EXPECT_EQ(l.skip, 2);
    ASSERT_EQ(l.rows.size(), 2u);
    EXPECT_EQ(l.rows[0][kPressure], 860.0f);
    EXPECT_EQ(l.rows[0][kHeight], 1397.0f);
    EXPECT_EQ(l.rows[1][kDewPoint], -10.9f);
    EXPECT_EQ(l.rows[1][kWindSpeed], static_cast<float>(4.5f * 3.6));
}

// Purpose: the place in coordinates and station mode, and the titles built from it.
TEST(ForecastListing, BuildsTitlesFromPlaceAndDate) {
    struct Case {
        std::string placeLines;
        const char* title;
        const char* fileTitle;
    };
    const Case cases[] = {
        {" Sounding for lat-lon: 40.42, -3.70\n",
         "Sondeo previsto para las 12 hrs UTC del dia 7 del 3 de 2020. Coordenadas 40.42N 3.70W",
         "Sondeo previsto 12hrs_Dia7-3-2020_40.42N_3.70W"},
        {" Sounding for lat-lon: -33.45, 151.2\n",
         "Sondeo previsto para las 12 hrs UTC del dia 7 del 3 de 2020. Coordenadas 33.45S 151.20E",
         "Sondeo previsto 12hrs_Dia7-3-2020_33.45S_151.20E"},
        // The words may follow on the next line; the last line with ':' wins.
        {" Sounding for lat-lon: 10, 10\n Sounding for lat-lon:\n 28.05,\n -16.57\n",
         "Sondeo previsto para las 12 hrs UTC del dia 7 del 3 de 2020. Coordenadas 28.05N 16.57W",
         "Sondeo previsto 12hrs_Dia7-3-2020_28.05N_16.57W"},
        // Station mode: after 18 characters, '*' as blanks, one leading 'r' removed.
        {"  Sounding for    rLEMD*Madrid*Barajas\n",
         "Sondeo previsto para las 12 hrs UTC del dia 7 del 3 de 2020. Estación: LEMD Madrid Barajas",
         "Sondeo previsto 12hrs_Dia7-3-2020_LEMD Madrid Barajas"},
        {"  Sounding for    GCXO\n  Sounding for    rrLPPT\n",
         "Sondeo previsto para las 12 hrs UTC del dia 7 del 3 de 2020. Estación: rLPPT",
         "Sondeo previsto 12hrs_Dia7-3-2020_rLPPT"},
        // No place line at all: an empty station text.
        {"", "Sondeo previsto para las 12 hrs UTC del dia 7 del 3 de 2020. Estación: ",
         "Sondeo previsto 12hrs_Dia7-3-2020_"},
    };
    for (const Case& c : cases) {
        const ForecastTitles t = forecastTitles(parse(listing(c.placeLines, kThreeRows)));
        EXPECT_EQ(text::toUtf8(t.title), c.title) << c.placeLines;
        EXPECT_EQ(t.fileTitle, c.fileTitle) << c.placeLines;
    }
}

TEST(ForecastListing, DateComesFromTheLastDayLine) {
    const ForecastListing l =
        parse(listing(" Sounding for lat-lon: 1, 2\n", kThreeRows, " Relative Humidity\n",
                      " YEAR: 2019 MONTH: 1 DAY: 2 HOUR: 00\n YEAR: 2021 MONTH: 11 DAY: 30 HOUR: 18\n"));
    EXPECT_EQ(l.year, "2021");
    EXPECT_EQ(l.month, "11");
    EXPECT_EQ(l.day, "30");
    EXPECT_EQ(l.hour, "18");
}

TEST(ForecastListing, WithoutHumidityListEveryHumidityIsZero) {
    const ForecastListing l = parse(listing(" Sounding for lat-lon: 1, 2\n", kThreeRows, ""));
    EXPECT_FALSE(l.humidityFound);
    for (const SoundingRow& row : l.rows) {
        EXPECT_EQ(row[kHumidity], 0.0f);
    }
}

TEST(ForecastListing, FileTitleIsCutTo255Bytes) {
    const std::string place = "  Sounding for    " + std::string(400, 'X') + "\n";
    const ForecastTitles t = forecastTitles(parse(listing(place, kThreeRows)));
    EXPECT_EQ(t.fileTitle.size(), 255u);
}

} // namespace
} // namespace brisalta
