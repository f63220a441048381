// The thermodynamic functions against the numbers the diagram is drawn with,
// and their behaviour outside the formulas' reach.
#include "thermo/thermodynamics.h"

#include <gtest/gtest.h>

#include <cmath>

namespace brisalta {
namespace {

TEST(Thermodynamics, DerivedConstantsHoldTheirValues) {
    EXPECT_NEAR(standardAtmosphereFactor(), 3.7335137741767372, 1e-15);
    EXPECT_NEAR(poissonReferenceFactor(), 0.1381642419263397, 1e-16);
    EXPECT_EQ(kPoissonExponentSingle, -0.28600001335144043);
}

TEST(Thermodynamics, StandardPressureAtSeaLevelIsJustBelow1013WhateverTheStation) {
    // 0.19035 × 5.2534 = 0.99998469, so the anchor is 1012.89 hPa, not 1013.
    for (double t0 : {-20.0, 0.0, 15.0, 35.0}) {
        EXPECT_NEAR(standardPressure(0.0, t0 + kKelvinOffset), 1012.893, 0.001) << t0;
    }
    EXPECT_NEAR(standardPressure(5500.0, 15.0 + kKelvinOffset), 505.1, 0.1);
    EXPECT_LT(standardPressure(1000.0, 288.16), standardPressure(900.0, 288.16));
}

TEST(Thermodynamics, DryAdiabatAtTheReferencePressureIsItsOwnTemperature) {
    for (int theta = -20; theta <= 60; theta += 10) {
        EXPECT_NEAR(dryAdiabatTemperature(theta, 1013.0), theta + kKelvinOffset, 1e-4) << theta;
    }
    // θ = 20 °C at 700 hPa lies near −9.4 °C.
    EXPECT_NEAR(dryAdiabatTemperature(20, 700.0) - kKelvinOffset, -9.41, 0.01);
}

TEST(Thermodynamics, SurfacePotentialTemperatureUsesThe10HectopascalOffsetAndTruncates) {
    // p1 ≈ 1012.89, θK = 294 (from 294.0019…), θ = trunc(20.84) = 20.
    EXPECT_EQ(surfacePotentialTemperature(20, 0, 20.0 + kKelvinOffset), 20);
    // At 600 m the same air is about 6 K warmer in potential temperature.
    EXPECT_EQ(surfacePotentialTemperature(20, 600, 20.0 + kKelvinOffset), 26);
    EXPECT_EQ(surfacePotentialTemperature(-5, 0, -5.0 + kKelvinOffset), -5);
}

TEST(Thermodynamics, MagnusVapourPressureAndDewPointInvertEachOther) {
    EXPECT_DOUBLE_EQ(saturationVapourPressure(0.0), 6.1078);
    EXPECT_NEAR(saturationVapourPressure(20.0), 23.38, 0.01);
    for (double t : {-60.0, -40.0, -10.0, 0.0, 15.5, 30.0, 45.0, 100.0}) {
        EXPECT_NEAR(dewPointOf(saturationVapourPressure(t)), t, 1e-9) << t;
    }
}

TEST(Thermodynamics, MixingRatioLinesUseTheirVapourPressure) {
    EXPECT_NEAR(vapourPressureOf(30.0, 1000.0), 46.014, 0.001);
    EXPECT_NEAR(dewPointOf(vapourPressureOf(30.0, 1000.0)), 31.42, 0.01);
    EXPECT_NEAR(vapourPressureOf(1.0, 850.0), 850.0 / 622.97, 1e-12);
    EXPECT_NEAR(mixingRatioOf(vapourPressureOf(10.0, 700.0), 700.0), 10.0, 1e-12);
    EXPECT_NEAR(mixingRatioOf(23.37, 1013.0), 14.68, 0.01);
}

// Purpose: inputs outside the formulas give their limits, never NaN or a trap.
TEST(Thermodynamics, InputsOutsideTheFormulasGiveTheirLimits) {
    EXPECT_EQ(dewPointOf(0.0), -kMagnusC);
    EXPECT_EQ(dewPointOf(-3.0), -kMagnusC);
    EXPECT_EQ(dewPointOf(1e300), 10000.0);
    EXPECT_EQ(saturationVapourPressure(-kMagnusC), 0.0);
    EXPECT_EQ(saturationVapourPressure(-300.0), 0.0);
    EXPECT_TRUE(std::isinf(mixingRatioOf(1000.0, 1000.0)));
    EXPECT_TRUE(std::isinf(mixingRatioOf(1200.0, 1000.0)));
    EXPECT_EQ(vapourPressureOf(HUGE_VAL, 850.0), 850.0);
    EXPECT_EQ(vapourPressureOf(-kMixingRatioConstant, 850.0), 0.0);
    EXPECT_EQ(standardPressure(60000.0, 288.16), 0.0);
    EXPECT_EQ(standardPressure(0.0, 0.0), 0.0);
    EXPECT_EQ(dryAdiabatTemperature(20, 0.0), 0.0);
    EXPECT_EQ(dryAdiabatTemperature(20, -5.0), 0.0);
    EXPECT_EQ(surfacePotentialTemperature(12, 40000, 288.16), 12);
}

} // namespace
} // namespace brisalta
