// Quantities derived from the observations rather than read: relative humidity
// from temperature and dew point, and the ratio between QNH and station pressure.
#pragma once

namespace brisalta {

// Relative humidity in percent from temperature and dew point in whole °C:
// 100 · ((112 − 0.1·T + Td) / (112 + 0.9·T))^8, truncated toward zero and not
// clamped (a dew point above the temperature gives more than 100). Callers pass
// only slots where neither value is missing.
int relativeHumidity(int temperature, int dewPoint);

// QNH / station pressure at an altitude in metres:
// exp(h / (8429.76 − 0.09512·h)). 582 m gives 1.07197; 0 m gives 1.
double stationPressureFactor(double altitudeMetres);

// Rounds half away from zero to the given number of decimals, by the program's
// own rule: t = x·10^(d+1) ± 5, t / 10, integer part, divided by 10^d.
// 944.5 gives 945, −2.5 gives −3.
double roundToDecimals(double value, int decimals);

} // namespace brisalta
