// The thermodynamics of the sounding diagram and the ceiling simulation: a
// standard atmosphere anchored on the sounding's lowest level, dry adiabats as
// potential temperature at 1013 hPa, the Magnus saturation vapour pressure and
// its inverse, and the water-vapour mixing ratio. Pure functions; every
// constant is the one the diagram has always been drawn with.
#pragma once

namespace brisalta {

inline constexpr double kReferencePressure = 1013.0; // hPa
inline constexpr double kKelvinOffset = 273.16;      // added to °C (not 273.15)
inline constexpr double kLapseRate = 0.0065;         // K/m
inline constexpr double kStandardExponentA = 0.19035;
inline constexpr double kStandardExponentB = 5.2534;
inline constexpr double kPoissonExponent = -0.286;
// The same exponent as a 32-bit float had held it; used only for C0.
inline constexpr double kPoissonExponentSingle = static_cast<double>(-0.286f);
inline constexpr double kMagnusA = 6.1078; // hPa at 0 °C
inline constexpr double kMagnusB = 17.2693882;
inline constexpr double kMagnusC = 237.3; // °C
inline constexpr double kMixingRatioConstant = 621.97; // g/kg
inline constexpr double kKnotsToKmh = 1.852;

// PA = 1013^0.19035 ≈ 3.7335137741767372.
double standardAtmosphereFactor();
// C0 = 1013^(−0.28600001335144043) ≈ 0.1381642419263397.
double poissonReferenceFactor();

// Pressure in hPa at an absolute height h (m) of a standard atmosphere whose
// lowest level has the temperature t0Kelvin (T0 + 273.16):
// (PA · (T0K − 0.0065 h) / T0K)^5.2534 — about 1012.89 hPa at h = 0. Where the
// formula has no value (T0K ≤ 0, or above the top of that atmosphere) the
// result is 0.
double standardPressure(double heightMetres, double t0Kelvin);

// Temperature in K of the dry adiabat θ (°C at 1013 hPa) at a pressure in hPa:
// (θ + 273.16) · C0 / p^(−0.286). 0 for a pressure ≤ 0.
double dryAdiabatTemperature(int thetaCelsius, double pressureHpa);

// Potential temperature (°C, whole degrees) of a surface temperature T (°C)
// for a sounding whose lowest level is at h0 (m) with T0K: with
// p1 = standardPressure(h0, T0K), θK = trunc((T + 273.16) · (p1 − 10)^(−0.286) / C0)
// and θ = trunc(θK − 273.16). The 10 hPa offset makes θ about one degree warmer
// than the plain conversion. Where p1 − 10 ≤ 0 the result is T itself.
int surfacePotentialTemperature(int temperatureCelsius, int h0Metres, double t0Kelvin);

// Saturation vapour pressure in hPa over water at T (°C), Magnus form:
// 6.1078 · exp(17.2693882 · T / (T + 237.3)). 0 for T ≤ −237.3.
double saturationVapourPressure(double temperatureCelsius);

// Dew point in °C of a vapour pressure e (hPa), the inverse of the above:
// x = ln(e / 6.1078), Td = 237.3 · x / (17.2693882 − x). A vapour pressure
// ≤ 0 gives −237.3 (the limit); one beyond the formula's reach gives 10000.
double dewPointOf(double vapourPressureHpa);

// Mixing ratio in g/kg of vapour pressure e at pressure p (hPa):
// 621.97 · e / (p − e). Infinite when e ≥ p (the limit as e approaches p).
double mixingRatioOf(double vapourPressureHpa, double pressureHpa);

// Vapour pressure in hPa of mixing ratio w (g/kg) at pressure p (hPa):
// w · p / (621.97 + w). An infinite w gives p (the limit); w = −621.97 gives 0.
double vapourPressureOf(double mixingRatioGkg, double pressureHpa);

} // namespace brisalta
