// Placement rules of "Techo por horas".
#include "ceilinghours/ceilinghoursgeometry.h"

#include "thermo/windprofile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace brisalta {
namespace {

constexpr double kHeightLimit = 100000.0; // m

} // namespace

HeightScale heightScaleFor(double lowest, double highest) {
    if (!std::isfinite(lowest) || !std::isfinite(highest)) {
        lowest = highest = 0.0;
    }
    // A hand-edited elevation must not overflow the scale's whole metres.
    lowest = std::clamp(lowest, -kHeightLimit, kHeightLimit);
    highest = std::clamp(highest, -kHeightLimit, kHeightLimit);
    if (highest < lowest) {
        std::swap(lowest, highest);
    }
    static constexpr std::array<int, 7> kSteps = {100, 200, 250, 500, 1000, 2000, 2500};
    HeightScale scale;
    for (const int step : kSteps) {
        const double bottom = std::floor(lowest / step) * step;
        const double top = std::max(bottom + step, std::ceil(highest / step) * step);
        scale = HeightScale{static_cast<int>(bottom), static_cast<int>(top), step};
        if ((top - bottom) / step <= 8) {
            return scale;
        }
    }
    // Taller than 20 km: coarser steps, still eight or fewer of them.
    const double step = std::ceil((highest - lowest) / 8 / 5000) * 5000;
    const double bottom = std::floor(lowest / step) * step;
    return HeightScale{static_cast<int>(bottom),
                       static_cast<int>(std::max(bottom + step, std::ceil(highest / step) * step)),
                       static_cast<int>(step)};
}

double heightY(const HeightScale& scale, double metres) {
    const double span = scale.top - scale.bottom;
    if (span <= 0) {
        return kHoursBottom;
    }
    return kHoursBottom - (metres - scale.bottom) * (kHoursBottom - kHoursTop) / span;
}

std::string_view directionAbbreviation(int degrees) {
    struct Name {
        std::string_view full;
        std::string_view shortName;
    };
    static constexpr std::array<Name, 16> kNames = {{
        {"Norte", "N"},
        {"NorNoreste", "NNE"},
        {"Noreste", "NE"},
        {"EsteNoreste", "ENE"},
        {"Este", "E"},
        {"EsteSureste", "ESE"},
        {"Sureste", "SE"},
        {"SurSureste", "SSE"},
        {"Sur", "S"},
        {"SurSuroeste", "SSO"},
        {"Suroeste", "SO"},
        {"OesteSuroeste", "OSO"},
        {"Oeste", "O"},
        {"OesteNoroeste", "ONO"},
        {"Noroeste", "NO"},
        {"NorNoroeste", "NNO"},
    }};
    const std::string_view full = directionName(degrees);
    for (const Name& n : kNames) {
        if (n.full == full) {
            return n.shortName;
        }
    }
    return "N";
}

} // namespace brisalta
