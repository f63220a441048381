// Direction and month words of the tables and exports.
#include "tables/directiontexts.h"

#include "weather/compass.h"

#include <algorithm>

namespace brisalta::tables {
namespace {

// The points of the compass rounded to whole degrees, "N" first, clockwise.
constexpr int kDegrees[16] = {0,   22,  45,  68,  90,  112, 135, 158,
                              180, 202, 225, 248, 270, 292, 315, 338};

constexpr std::string_view kMonths[12] = {"Enero",      "Febrero", "Marzo",     "Abril",
                                          "Mayo",       "Junio",   "Julio",     "Agosto",
                                          "Septiembre", "Octubre", "Noviembre", "Diciembre"};

} // namespace

std::string spanishAbbreviation(std::string_view direction) {
    if (direction == "Calm" || direction == "---") {
        return "Calma";
    }
    if (direction == "Variable") {
        return "Variable";
    }
    if (!compass::indexOf(direction)) {
        return {};
    }
    std::string spanish(direction);
    std::replace(spanish.begin(), spanish.end(), 'W', 'O');
    return spanish;
}

int directionDegrees(std::string_view direction) {
    const auto index = compass::indexOf(direction);
    return index ? kDegrees[*index] : 0;
}

std::optional<std::string> monthName(int month) {
    if (month < 1 || month > 12) {
        return std::nullopt;
    }
    return std::string(kMonths[month - 1]);
}

} // namespace brisalta::tables
