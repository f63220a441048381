// The new sounding interface's CSV: the recorded answers, levels left out or
// filled, the 250-level table, the column names, and the answers that hold no
// sounding.
#include "sources/wyomingcsv.h"

#include "sounding/soundinglimits.h"
#include "sourcesdata.h"
#include "text/format.h"

#include <gtest/gtest.h>

#include <string>

namespace brisalta::sources {
namespace {

using test::sample;

constexpr double kKnotsPerMs = 3600.0 / 1852.0;
const std::string kHeader =
    "time,longitude,latitude,pressure_hPa,geopotential height_m,temperature_C,"
    "dew point temperature_C,ice point temperature_C,relative humidity_%,humidity wrt ice_%,"
    "mixing ratio_g/kg,wind direction_degree,wind speed_m/s\n";

std::string siphon(const std::string& name) {
    return sample("uwyo_new/siphon_2026/" + name);
}

void expectRow(const SoundingRow& row, SoundingRow expected, const std::string& what) {
    for (int c = 0; c < kLevelColumns; ++c) {
        EXPECT_NEAR(row[c], expected[c], 0.01) << what << " column " << c;
    }
}

// Every recorded answer becomes a sounding the diagram accepts: lowest level
// first, winds in knots, at most up to the 100 hPa level (above it the level
// limits would refuse the whole sounding).
TEST(WyomingCsv, ReadsTheRecordedAnswers) {
    struct Case {
        std::string file;
        int levelsInAnswer;
        std::size_t rows;
        int dropped;
        bool firstDropped;
        int aboveTop;
        SoundingRow first;
        SoundingRow last;
    };
    const Case cases[] = {
        {"wyoming_sounding.body.csv",
         31,
         31,
         0,
         false,
         0,
         {959.0f, 345, 22.2f, 19.0f, 82, 160, float(9.3 * kKnotsPerMs)},
         // No wind in the answer: the wind of the level below.
         {251.0f, 10505, -52.5f, -56.7f, 61, 250, float(36.0 * kKnotsPerMs)}},
        {"wyoming_missing_station_info.body.csv",
         62,
         58,
         1,
         true,
         3,
         {1000.0f, 74, 28.8f, 24.3f, 77, 0, float(2.1 * kKnotsPerMs)},
         {100.0f, 16620, -80.7f, -88.7f, 27, 280, float(7.2 * kKnotsPerMs)}},
        {"wyoming_sounding_heights.body.csv",
         256,
         176,
         0,
         false,
         80,
         {977.0f, 345, 12.8f, 12.8f, 100, 0, 0},
         {100.0f, 16550, -60.1f, -87.1f, 2, 280, float(21.1 * kKnotsPerMs)}},
        {"wyoming_high_alt_sounding.body.csv",
         132,
         72,
         0,
         false,
         60,
         {919.0f, 874, -0.1f, -0.2f, 99, 240, float(1.5 * kKnotsPerMs)},
         {100.0f, 16110, -62.1f, -75.1f, 17, 285, float(16.5 * kKnotsPerMs)}},
    };
    for (const Case& c : cases) {
        const WyomingSounding s = readWyomingCsv(siphon(c.file));
        ASSERT_EQ(s.problem, SoundingProblem::None) << c.file;
        EXPECT_EQ(s.levelsInAnswer, c.levelsInAnswer) << c.file;
        ASSERT_EQ(s.rows.size(), c.rows) << c.file;
        EXPECT_EQ(s.droppedLevels, c.dropped) << c.file;
        EXPECT_EQ(s.firstLevelDropped, c.firstDropped) << c.file;
        EXPECT_EQ(s.levelsAboveTop, c.aboveTop) << c.file;
        EXPECT_FALSE(s.truncated) << c.file;
        expectRow(s.rows.front(), c.first, c.file + " first");
        expectRow(s.rows.back(), c.last, c.file + " last");
        for (std::size_t i = 1; i < s.rows.size(); ++i) {
            ASSERT_LT(s.rows[i][kPressure], s.rows[i - 1][kPressure]) << c.file << " row " << i;
        }
        EXPECT_TRUE(
            levelsWithinLimits(s.rows, static_cast<int>(s.rows.size()), observedLevelLimits()))
            << c.file;
    }
}

// A table of more levels than the sounding holds keeps the lowest 250.
TEST(WyomingCsv, KeepsTheLowest250Levels) {
    std::string body = kHeader;
    for (int i = 0; i < 300; ++i) {
        body += text::format("2024-01-01 11:00:00,-3.6,40.5,%.1f,%d,%.1f,%.1f,0,50,50,1,%d,%.1f\n",
                             1000.0 - 2.5 * i, 600 + 25 * i, 15.0 - 0.15 * i, 5.0 - 0.2 * i,
                             i % 360, 5.0);
    }
    const WyomingSounding s = readWyomingCsv(body);
    ASSERT_EQ(s.problem, SoundingProblem::None);
    EXPECT_EQ(s.levelsInAnswer, 300);
    ASSERT_EQ(s.rows.size(), 250u);
    EXPECT_TRUE(s.truncated);
    EXPECT_FLOAT_EQ(s.rows.front()[kPressure], 1000.0f);
    EXPECT_FLOAT_EQ(s.rows.back()[kPressure], 1000.0f - 2.5f * 249);
    EXPECT_FLOAT_EQ(s.rows.back()[kHeight], 600.0f + 25 * 249);
}

// Columns are read by name, in any order and with other units; missing
// humidity and wind are filled; a level missing one of the four values
// that define it is left out, wherever it stands.
TEST(WyomingCsv, ReadsColumnsByName) {
    struct Case {
        const char* what;
        std::string body;
        std::vector<SoundingRow> rows;
        int filledHumidity;
        int filledWind;
    };
    const Case cases[] = {
        {"reordered, knots",
         "wind speed_knot,dew point temperature_C,pressure_hPa,temperature_C,"
         "geopotential height_m,wind direction_degree\n"
         "10,5.0,950,15.0,540,200\n",
         {{950, 540, 15, 5, 51, 200, 10}},
         1,
         0},
        {"km/h",
         "pressure_hPa,geopotential height_m,temperature_C,dew point temperature_C,"
         "relative humidity_%,wind direction_degree,wind speed_km/h\n"
         "950,540,15,15,100,90,18.52\n",
         {{950, 540, 15, 15, 100, 90, 10}},
         0,
         0},
        {"no wind columns",
         "pressure_hPa,geopotential height_m,temperature_C,dew point temperature_C\n"
         "950,540,15,15\n900,990,12,10\n",
         {{950, 540, 15, 15, 100, 0, 0}, {900, 990, 12, 10, 88, 0, 0}},
         2,
         2},
        {"lowest wind missing, blanks and a middle gap",
         kHeader + "t,0,0,950.0,540,15.0,5.0,5,51,51,1,   ,    \n"
                   "t,0,0,925.0,   ,14.0,4.0,4,51,51,1,200, 5.0\n"
                   "t,0,0,900.0,990,12.0, M  ,4,51,51,1,210, 6.0\n"
                   "\n"
                   "t,0,0,850.0,1460,10.0,2.0,2,58,58,1,220, 7.0\n",
         {{950, 540, 15, 5, 51, 220, float(7 * kKnotsPerMs)},
          {850, 1460, 10, 2, 58, 220, float(7 * kKnotsPerMs)}},
         0,
         1},
        {"listed from the top",
         kHeader + "t,0,0,850.0,1460,10.0,2.0,2,58,58,1,220,7.0\n"
                   "t,0,0,950.0,540,15.0,5.0,5,51,51,1,200,5.0\n",
         {{950, 540, 15, 5, 51, 200, float(5 * kKnotsPerMs)},
          {850, 1460, 10, 2, 58, 220, float(7 * kKnotsPerMs)}},
         0,
         0},
    };
    for (const Case& c : cases) {
        const WyomingSounding s = readWyomingCsv(c.body);
        ASSERT_EQ(s.problem, SoundingProblem::None) << c.what;
        ASSERT_EQ(s.rows.size(), c.rows.size()) << c.what;
        for (std::size_t i = 0; i < c.rows.size(); ++i) {
            expectRow(s.rows[i], c.rows[i], std::string(c.what) + " row " + std::to_string(i));
        }
        EXPECT_EQ(s.filledHumidity, c.filledHumidity) << c.what;
        EXPECT_EQ(s.filledWind, c.filledWind) << c.what;
    }
}

// Every answer without a sounding, and why: the caller tells the user (the
// service's 404 is "No se puede encontrar dicha estación o no es válida la
// fecha o la hora.") and goes on to the classic services.
TEST(WyomingCsv, TellsWhyThereIsNoSounding) {
    const std::string notFound = siphon("wyoming_no_data.body.404.txt");
    struct Case {
        const char* what;
        std::string body;
        int status;
        SoundingProblem problem;
    };
    const Case cases[] = {
        {"404 text with its status", notFound, 404, SoundingProblem::NotFound},
        {"404 text with status 200", notFound, 200, SoundingProblem::NotFound},
        {"404 status, empty body", "", 404, SoundingProblem::NotFound},
        {"empty", "", 200, SoundingProblem::Empty},
        {"blank", "\r\n  \n", 200, SoundingProblem::Empty},
        {"redirect page",
         "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 2.0//EN\">\n<html><head>\n<title>302 Found"
         "</title>\n</head><body>\n<h1>Found</h1>\n</body></html>\n",
         200, SoundingProblem::HtmlPage},
        {"no dew point column",
         "time,pressure_hPa,geopotential height_m,temperature_C\nt,950,540,15\n", 200,
         SoundingProblem::UnexpectedShape},
        {"garbage", "\x01\x02,\xff\n", 200, SoundingProblem::UnexpectedShape},
        {"header only", kHeader, 200, SoundingProblem::NoLevels},
        {"only incomplete levels", kHeader + "t,0,0,950.0,,15.0,5.0\nt,0,0,nan,540,15,5\n", 200,
         SoundingProblem::NoLevels},
        {"only levels above 100 hPa", kHeader + "t,0,0,50.0,20590,-62.1,-83.1,0,5,9,0,340,4.1\n",
         200, SoundingProblem::NoLevels},
        {"too large", kHeader + std::string(kMaxSoundingBytes, ' ') + "x", 200,
         SoundingProblem::TooLarge},
    };
    for (const Case& c : cases) {
        const WyomingSounding s = readWyomingCsv(c.body, c.status);
        EXPECT_EQ(s.problem, c.problem) << c.what;
        EXPECT_TRUE(s.rows.empty()) << c.what;
    }
}

// The station text the title is built from, shaped as the text-list page's.
TEST(WyomingCsv, StationTextLooksLikeTheTextListOne) {
    EXPECT_EQ(wyomingStationText("08430", "Murcia"), "08430 Murcia ");
    EXPECT_EQ(wyomingStationText(" 72357", ""), "72357 ");
    EXPECT_EQ(readWyomingCsv(siphon("wyoming_sounding.body.csv")).launchTime,
              "1999-05-03 23:02:00");
}

} // namespace
} // namespace brisalta::sources
