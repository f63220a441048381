// Wind interpolation at a height and direction names.
#include "thermo/windprofile.h"

#include "session/numeric.h"
#include "thermo/thermodynamics.h"

#include <cmath>

namespace brisalta {

bool speedsInKnots(const SoundingProfile& profile) {
    return !profile.isForecast && !profile.fromSecondService;
}

WindAtHeight windAtHeight(double heightMetres, std::span<const SoundingRow> rows, bool knots,
                          WindAtHeight previous) {
    WindAtHeight result = previous;
    const double factor = knots ? kKnotsToKmh : 1.0;
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
        const double h1 = rows[i][kHeight];
        const double h2 = rows[i + 1][kHeight];
        if (!(h1 <= heightMetres && heightMetres <= h2)) {
            continue;
        }
        // Two levels at the same height bracket only that height: take the lower one.
        const double f = h2 > h1 ? (heightMetres - h1) * 100.0 / (h2 - h1) : 0.0;
        const double s1 = rows[i][kWindSpeed] * factor;
        const double s2 = rows[i + 1][kWindSpeed] * factor;
        result.speed = truncToInt(f * ((s2 - s1) / 100.0) + s1);

        // The wind turns from one level to the next the short way round: 350°
        // to 10° passes north, 170° to 190° passes south.
        const double d1 = rows[i][kWindDirection];
        const double d2 = rows[i + 1][kWindDirection];
        double delta = std::fmod(d2 - d1, 360.0);
        if (delta > 180.0) {
            delta -= 360.0;
        } else if (delta <= -180.0) {
            delta += 360.0;
        }
        const int direction = truncToInt(f * (delta / 100.0) + d1);
        result.direction = ((direction % 360) + 360) % 360;
    }
    return result;
}

std::string_view directionName(int d) {
    struct Sector {
        int from;
        std::string_view name;
    };
    static constexpr Sector kSectors[] = {
        {349, "Norte"},   {327, "NorNoroeste"}, {305, "Noroeste"},    {282, "OesteNoroeste"},
        {260, "Oeste"},   {237, "OesteSuroeste"}, {215, "Suroeste"},  {192, "SurSuroeste"},
        {170, "Sur"},     {147, "SurSureste"},  {125, "Sureste"},     {102, "EsteSureste"},
        {80, "Este"},     {57, "EsteNoreste"},  {35, "Noreste"},      {12, "NorNoreste"},
    };
    for (const Sector& s : kSectors) {
        if (d >= s.from) {
            return s.name;
        }
    }
    return "Norte";
}

} // namespace brisalta
