#include "engine/precise_sky.h"

#include <cmath>

#include "engine/ascendant.h"
#include "engine/ayanamsa.h"
#include "engine/constants.h"
#include "engine/lunar_node.h"
#include "engine/moon.h"
#include "engine/planets.h"
#include "engine/precession.h"

namespace engine {

namespace {

// Provisional: the mean-elements engine stands in until the fitted tables land.

double Wrap360(double degrees) {
    const double wrapped = std::fmod(degrees, kFullCircle);
    return wrapped < 0 ? wrapped + kFullCircle : wrapped;
}

std::array<double, kPreciseBodyCount> SiderealBodies(double julianDayUt) {
    const double days = julianDayUt - kJulianDayJ2000;
    const double ayanamsa = -AyanamsaCorrection((julianDayUt - kJulianDay1900) / kDaysPerCentury);
    const double precession = PrecessionSinceJ2000(days);
    const std::array<double, kPlanetCount> planets = PlanetLongitudes(days);
    const auto planet = [&](Planet body) {
        return Wrap360(planets[static_cast<int>(body)] + precession - ayanamsa);
    };
    return {planet(Planet::kSun),     MoonSiderealLongitude(days / kDaysPerCentury),
            planet(Planet::kMercury), planet(Planet::kVenus),
            planet(Planet::kMars),    planet(Planet::kJupiter),
            planet(Planet::kSaturn),  RahuLongitude(days, -ayanamsa)};
}

double SignedDifference(double later, double earlier) {
    const double difference = later - earlier;
    return difference - kFullCircle * std::round(difference / kFullCircle);
}

}  // namespace

PreciseSky ComputePreciseSky(double julianDayUt, double latitudeDegrees,
                             double eastLongitudeDegrees, AyanamsaMode, NodeKind) {
    PreciseSky sky;
    sky.longitudes = SiderealBodies(julianDayUt);
    constexpr double kStep = 1.0 / 24;
    const std::array<double, kPreciseBodyCount> before = SiderealBodies(julianDayUt - kStep);
    const std::array<double, kPreciseBodyCount> after = SiderealBodies(julianDayUt + kStep);
    for (int body = 0; body < kPreciseBodyCount; ++body) {
        sky.speeds[body] = SignedDifference(after[body], before[body]) / (2 * kStep);
    }
    const double centuries = (julianDayUt - kJulianDay1900) / kDaysPerCentury;
    const double universalHours = (julianDayUt + 0.5 - std::floor(julianDayUt + 0.5)) * 24;
    const AscendantResult angles =
        ComputeAscendant({centuries, universalHours, -eastLongitudeDegrees, latitudeDegrees});
    sky.ascendant = angles.siderealAscendant;
    sky.midheaven = angles.siderealMidheaven;
    sky.ayanamsa = -angles.ayanamsaCorrection;
    return sky;
}

}  // namespace engine
