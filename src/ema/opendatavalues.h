// Conversions of the values of an AEMET OpenData hourly record into the whole
// numbers, compass words and hours of the 24-hour series.
#pragma once

#include <optional>
#include <string_view>

namespace brisalta::opendata {

// The leading decimal number of a value, as atof reads it in the C locale:
// blanks skipped, optional sign, fraction and exponent; 0 when there is none.
// May be infinite or NaN ("1e999", "nan").
double leadingNumber(std::string_view value);

// Nearest whole number, halves away from zero (12.5 -> 13, -0.5 -> -1). A value
// that is not a finite number or does not fit an int is missing (kMissing).
int nearestOrMissing(double x);

// Drops the fraction (87.9 -> 87), with the same missing rule.
int truncOrMissing(double x);

// 16-point compass abbreviation of a direction in degrees: [348.75, 360) and
// [0, 11.25) "N", [11.25, 33.75) "NNE", ... [326.25, 348.75) "NNW". Nothing for
// a direction below 0, from 360 on, or NaN.
std::optional<std::string_view> compassOfDegrees(double degrees);

// Date and hour of an observation time such as "2021-03-04T15:00:00" (UTC).
struct ObservationTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
};

// Reads characters 0-3, 5-6, 8-9 and 11-12 as year, month, day and hour.
// Nothing when the text is too short to hold the hour.
std::optional<ObservationTime> parseObservationTime(std::string_view fint);

} // namespace brisalta::opendata
