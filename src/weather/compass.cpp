// Compass abbreviations and their Spanish names.
#include "weather/compass.h"

namespace brisalta::compass {
namespace {

constexpr std::string_view kNames[16] = {
    "Norte",       "Nor-Noreste",  "Noreste",  "EsteNoreste",    "Este",  "EsteSureste",
    "Sureste",     "SurSureste",   "Sur",      "Sur-Suroeste",   "SurOeste", "Oeste-Suroeste",
    "Oeste",       "Oeste-Noroeste", "Noroeste", "Nor-Noroeste"};

// Upper bounds (inclusive) of the sectors 0..14; 349 and above is "N" again.
constexpr int kUpperBounds[15] = {11, 34, 56, 79, 101, 124, 146, 169, 191, 214, 236, 259, 281, 304, 326};

} // namespace

std::string_view abbreviationOfDegrees(int degrees, int speed) {
    if (degrees <= kUpperBounds[0]) {
        return speed == 0 ? std::string_view("Calm") : kAbbreviations[0];
    }
    for (int i = 1; i < 15; ++i) {
        if (degrees <= kUpperBounds[i]) {
            return kAbbreviations[i];
        }
    }
    if (degrees <= 348) {
        return kAbbreviations[15];
    }
    return kAbbreviations[0];
}

std::optional<int> indexOf(std::string_view abbreviation) {
    for (int i = 0; i < 16; ++i) {
        if (kAbbreviations[i] == abbreviation) {
            return i;
        }
    }
    return std::nullopt;
}

std::string spanishName(std::string_view abbreviation) {
    if (abbreviation == "Calm" || abbreviation == "---") {
        return "Calma";
    }
    if (const auto index = indexOf(abbreviation)) {
        return std::string(kNames[*index]);
    }
    return std::string(abbreviation);
}

} // namespace brisalta::compass
