// The wind-direction and month words of the tables and the exports: the Spanish
// compass letters ("O" for west), the degrees the exports write for each
// point, and the Spanish month names.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brisalta::tables {

// The Spanish abbreviation of a slot's direction text: "N" ... "NNO" for the 16
// points (every "W" becomes "O"), "Calma" for "Calm" and "---", "Variable"
// for "Variable", and an empty text for anything else ("No", "", ...).
std::string spanishAbbreviation(std::string_view direction);

// Degrees the exports write for a slot's direction text: the 16 points at
// 0, 22, 45, 68, 90, ... 338, and 0 for any other text (calm and variable
// included).
int directionDegrees(std::string_view direction);

// Spanish name of a month 1..12 ("Enero" ... "Diciembre"); nothing outside.
std::optional<std::string> monthName(int month);

} // namespace brisalta::tables
