// Standard atmosphere, dry adiabats, Magnus vapour pressure and mixing ratio.
#include "thermo/thermodynamics.h"

#include "session/numeric.h"

#include <cmath>

namespace brisalta {

double standardAtmosphereFactor() {
    static const double pa = std::pow(kReferencePressure, kStandardExponentA);
    return pa;
}

double poissonReferenceFactor() {
    static const double c0 = std::pow(kReferencePressure, kPoissonExponentSingle);
    return c0;
}

double standardPressure(double heightMetres, double t0Kelvin) {
    if (!(t0Kelvin > 0.0)) {
        return 0.0;
    }
    const double base = standardAtmosphereFactor() * (t0Kelvin - kLapseRate * heightMetres) / t0Kelvin;
    if (base <= 0.0) {
        return 0.0;
    }
    return std::pow(base, kStandardExponentB);
}

double dryAdiabatTemperature(int thetaCelsius, double pressureHpa) {
    if (pressureHpa <= 0.0) {
        return 0.0;
    }
    return (thetaCelsius + kKelvinOffset) * poissonReferenceFactor() /
           std::pow(pressureHpa, kPoissonExponent);
}

int surfacePotentialTemperature(int temperatureCelsius, int h0Metres, double t0Kelvin) {
    const double p1 = standardPressure(h0Metres, t0Kelvin);
    const double p = p1 - 10.0;
    if (!(p > 0.0)) {
        return temperatureCelsius;
    }
    const int thetaKelvin = truncToInt((temperatureCelsius + kKelvinOffset) *
                                       std::pow(p, kPoissonExponent) / poissonReferenceFactor());
    return truncToInt(thetaKelvin - kKelvinOffset);
}

double saturationVapourPressure(double temperatureCelsius) {
    if (temperatureCelsius <= -kMagnusC) {
        return 0.0;
    }
    return kMagnusA * std::exp(kMagnusB * temperatureCelsius / (temperatureCelsius + kMagnusC));
}

double dewPointOf(double vapourPressureHpa) {
    if (vapourPressureHpa <= 0.0) {
        return -kMagnusC;
    }
    const double x = std::log(vapourPressureHpa / kMagnusA);
    if (x >= kMagnusB) {
        return 10000.0;
    }
    return kMagnusC * x / (kMagnusB - x);
}

double mixingRatioOf(double vapourPressureHpa, double pressureHpa) {
    const double dry = pressureHpa - vapourPressureHpa;
    if (dry <= 0.0) {
        return HUGE_VAL;
    }
    return kMixingRatioConstant * vapourPressureHpa / dry;
}

double vapourPressureOf(double mixingRatioGkg, double pressureHpa) {
    if (std::isinf(mixingRatioGkg) && mixingRatioGkg > 0) {
        return pressureHpa;
    }
    const double denominator = kMixingRatioConstant + mixingRatioGkg;
    if (denominator == 0.0) {
        return 0.0;
    }
    return mixingRatioGkg * pressureHpa / denominator;
}

} // namespace brisalta
