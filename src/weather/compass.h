// The 16-point compass of the surface graph: English abbreviations as the
// sources write them, their Spanish names and the rows of the wind-direction
// panel. Calm wind is "Calm" in the data and "Calma" for the user.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brisalta::compass {

// The 16 abbreviations, "N" first, clockwise.
inline constexpr std::string_view kAbbreviations[16] = {
    "N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
    "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"};

// Abbreviation of a direction in whole degrees, by the sectors of the METAR
// decoder (0–11 "N", 12–34 "NNE", ..., 349 and above "N"). The first sector is
// "Calm" when the wind speed is 0.
std::string_view abbreviationOfDegrees(int degrees, int speed);

// Index 0..15 of an abbreviation, or nothing for any other text.
std::optional<int> indexOf(std::string_view abbreviation);

// Spanish name of an abbreviation ("NNE" -> "Nor-Noreste"); "Calm" and "---"
// give "Calma". Any other text comes back unchanged. Windows-1252.
std::string spanishName(std::string_view abbreviation);

} // namespace brisalta::compass
