// Builders of the pages and listings the sounding tests feed to the readers:
// text-list pages laid out as the service writes them, second-service pages
// with their table on one line, and forecast listings.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace brisalta::test {

// One complete line of the text-list table, eleven fixed-width columns.
std::string textListRow(double pressure, int height, double temperature, double dewPoint,
                        int humidity, int direction, int knots);

// A text-list page: the ten header lines the reader skips (station header on
// the fifth), the table lines, and the block of station indices after it.
std::string textListPage(const std::vector<std::string>& tableLines,
                         const std::string& station = "08430 Murcia");

// `count` complete rows from 1000 hPa upwards, 25 hPa apart, heights rising
// 250 m a row.
std::vector<std::string> textListRows(int count, double firstPressure = 1000.0);

// One level of the second service: height, pressure, temperature, virtual
// temperature, dew point, humidity, direction, speed (km/h).
using SecondServiceLevel = std::array<double, 8>;

// `count` levels listed from the top down; level k from the ground (k = 0 the
// lowest) has height 100 + 100 k, pressure 1000 − 2.5 k, temperature 20 − 0.5 k,
// dew point 10 − 0.5 k, humidity 50, direction k mod 360, speed k.
std::vector<SecondServiceLevel> secondServiceLevels(int count);

// A second-service page whose "<center><table>" line is followed by more than
// 500 bytes of column headings without digits, then the levels on one line.
std::string secondServicePage(const std::vector<SecondServiceLevel>& levelsTopDown,
                              const std::string& before = "");

} // namespace brisalta::test
