// Humidity, pressure factor and rounding.
#include "weather/derived.h"

#include "session/numeric.h"

#include <cmath>

namespace brisalta {

int relativeHumidity(int temperature, int dewPoint) {
    const double t = temperature;
    const double td = dewPoint;
    const double ratio = (112.0 - 0.1 * t + td) / (112.0 + 0.9 * t);
    return truncToInt(100.0 * std::pow(ratio, 8));
}

double stationPressureFactor(double altitudeMetres) {
    return std::exp(altitudeMetres / (8429.76 - 0.09512 * altitudeMetres));
}

double roundToDecimals(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    double t = value * scale * 10.0;
    t = value >= 0 ? t + 5.0 : t - 5.0;
    t = t / 10.0;
    t = std::trunc(t);
    return t / scale;
}

} // namespace brisalta
