#include "engine/light_deflection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace engine {
namespace {

constexpr double kArcSecondsPerRadian = 180 * 3600 / std::numbers::pi;
// The deflection of starlight at the Sun's limb at 1 AU, 4GM/(c²R) (Explanatory Supplement).
constexpr double kLimbDeflectionArcSeconds = 1.7505;

// For a body far beyond the Sun the deflection tends to the starlight formula,
// (2μ/c²E) cot(ψ/2) away from the Sun, ψ the elongation (Explanatory Supplement, 3.326).
double StarlightDeflectionArcSeconds(double elongationDegrees, double sunDistance) {
    const double psi = elongationDegrees * std::numbers::pi / 180;
    return 1.97412574336e-8 / sunDistance / std::tan(psi / 2) * kArcSecondsPerRadian;
}

TEST(LightDeflection, FarBodiesAreDeflectedAsStarlightAwayFromTheSun) {
    const EclipticPosition sun{100, 0, 0.99};
    for (const double elongation : {0.3, 1.0, 5.0, 45.0, 90.0, 150.0}) {
        SCOPED_TRACE(elongation);
        const double expected = StarlightDeflectionArcSeconds(elongation, sun.distance);
        const EclipticPosition east{sun.longitude + elongation, 0, 1e7};
        const EclipticPosition west{sun.longitude - elongation, 0, 1e7};
        EXPECT_NEAR(LightDeflectionInLongitude(east, sun) * 3600, expected, expected * 1e-5);
        EXPECT_NEAR(LightDeflectionInLongitude(west, sun) * 3600, -expected, expected * 1e-5);
    }
}

TEST(LightDeflection, GrazingTheLimbGivesTheClassicalValue) {
    const EclipticPosition sun{250, 0, 1};
    const double limb = std::asin(696000 / 149597870.7) * 180 / std::numbers::pi;
    const EclipticPosition grazing{250 + limb, 0, 1e7};
    EXPECT_NEAR(SeparationInSunRadii(grazing, sun), 1, 1e-9);
    EXPECT_NEAR(LightDeflectionInLongitude(grazing, sun) * 3600, kLimbDeflectionArcSeconds, 0.001);
}

TEST(LightDeflection, APlanetBetweenTheSunAndTheEarthIsHardlyDeflected) {
    // Mercury at inferior conjunction, 0.6 AU away, 2° north of the Sun.
    const EclipticPosition sun{10, 0, 1};
    const EclipticPosition mercury{10.5, 2, 0.6};
    EXPECT_LT(std::fabs(LightDeflectionInLongitude(mercury, sun)) * 3600, 0.001);
}

TEST(LightDeflection, TheFactorBehindTheDiskAppliesOnlyWithinIt) {
    // A factor of ½ + ½(2ρ − 1) = ρ.
    const std::array<double, 2> factor{0.5, 0.5};
    const EclipticPosition sun{0, 0, 1};
    const double limb = std::asin(696000 / 149597870.7) * 180 / std::numbers::pi;
    for (const double rho : {0.25, 0.5, 0.9, 1.1, 3.0}) {
        SCOPED_TRACE(rho);
        const EclipticPosition planet{rho * limb, 0, 2.5};
        const double unscaled = LightDeflectionInLongitude(planet, sun);
        EXPECT_NEAR(SeparationInSunRadii(planet, sun), rho, 1e-9);
        EXPECT_DOUBLE_EQ(LightDeflectionInLongitude(planet, sun, factor),
                         rho < 1 ? unscaled * SeparationInSunRadii(planet, sun) : unscaled);
    }
}

TEST(LightDeflection, PlanetsTogetherAreDeflectedAsOneByOne) {
    const std::array<double, 2> factor{0.5, 0.5};
    const EclipticPosition sunPosition{123.4, 0, 0.987};
    for (const auto trigonometry :
         {SunDeflection::Trigonometry::kLibm, SunDeflection::Trigonometry::kQuickSeries}) {
        const SunDeflection sun(sunPosition, trigonometry);
        // Far from the Sun, near it, behind its disk and just beyond its limb.
        const std::array<EclipticPosition, 6> planets{{{10.0, 1.2, 2.5},
                                                       {123.9, -0.3, 1.4},
                                                       {123.45, 0.01, 5.2},
                                                       {123.65, 0.0, 9.5},
                                                       {303.4, 2.0, 0.6},
                                                       {250.0, -6.5, 0.3}}};
        std::array<double, planets.size()> together{};
        sun.InLongitudes(planets, factor, together);
        for (std::size_t i = 0; i < planets.size(); ++i) {
            EXPECT_EQ(together[i], sun.InLongitude(planets[i], factor)) << i;
        }
    }
}

TEST(LightDeflection, QuickSeriesServeEveryQuarterOfTheSky) {
    // Every quarter turn, both signs, angles beyond a turn and latitudes to the poles give the
    // deflection libm's sines and cosines would.
    const std::array<double, 2> factor{0.5, 0.5};
    for (const double sunLongitude : {0.0, 89.99, 181.3, 359.9}) {
        const SunDeflection byLibm({sunLongitude, 0, 1.01});
        const SunDeflection quickly({sunLongitude, 0, 1.01},
                                    SunDeflection::Trigonometry::kQuickSeries);
        double largest = 0;
        for (double longitude = -725; longitude < 1085; longitude += 0.37) {
            for (const double latitude : {-89.0, -45.0, -7.3, 0.0, 0.004, 3.1, 44.9, 89.99}) {
                const EclipticPosition planet{longitude, latitude, 1.7};
                const double apart =
                    quickly.InLongitude(planet, factor) - byLibm.InLongitude(planet, factor);
                largest = std::max(largest, std::fabs(apart) * 3600);
            }
        }
        EXPECT_LT(largest, 1e-9) << sunLongitude;
    }
}

}  // namespace
}  // namespace engine
