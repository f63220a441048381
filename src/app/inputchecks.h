// The checks a dialog makes before it lets a request go: an empty or
// malformed airport code, sounding station number, automatic-station
// identifier or sounding date is refused with a Spanish sentence, so that no
// request is ever sent for it. Each returns the sentence (Windows-1252), or
// nothing when the value is good.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace brisalta {

// An ICAO location indicator: exactly 4 letters or digits (capitals).
std::optional<std::string> icaoCodeProblem(const std::string& code);

// The sounding station chosen for the next sounding: exactly 5 digits
// ("08221"); an empty one says where to choose one.
std::optional<std::string> soundingStationProblem(const std::string& number);

// A sounding station number typed by hand: the same rule; an empty one asks
// for the number.
std::optional<std::string> typedSoundingStationProblem(const std::string& number);

// An AEMET automatic-station identifier: 1 to 10 capital letters or digits
// ("8019", "6155A"). It travels inside the query's address.
std::optional<std::string> automaticStationIdProblem(const std::string& identifier);

// A sounding date (days since 1970-01-01 of the picked day and of today):
// never after today, nor before the first radiosonde archives (1 January 1973).
std::optional<std::string> soundingDateProblem(std::int64_t pickedDay, std::int64_t today);

} // namespace brisalta
