// Wind interpolation at a height and direction names.
#include "thermo/windprofile.h"

#include "session/numeric.h"
#include "thermo/thermodynamics.h"

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

        const float d1 = rows[i][kWindDirection];
        const float d2 = rows[i + 1][kWindDirection];
        double delta = 0.0;
        if (d1 >= 0 && d1 <= 180 && d2 >= 180 && d2 <= 360) {
            delta = (360.0f - d2) + d1;
        } else if (d1 >= 180 && d2 >= 0 && d2 <= 180) {
            delta = (360.0f - d1) + d2;
        } else {
            delta = static_cast<double>(d2) - static_cast<double>(d1);
        }
        result.direction = truncToInt(f * (delta / 100.0) + d1);
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
