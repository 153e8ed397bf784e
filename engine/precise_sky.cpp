#include "engine/precise_sky.h"

#include <cmath>
#include <numbers>

#include "engine/chebyshev_series.h"
#include "engine/ephemeris_tables.h"
#include "engine/light_deflection.h"

namespace engine {

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180;
constexpr int kSun = 0;
constexpr int kFirstPlanet = 2;  // Mercury; the planets to Saturn follow
constexpr int kRahu = 7;

double Wrap360(double degrees) {
    const double wrapped = degrees - 360 * std::floor(degrees / 360);
    return wrapped < 360 ? wrapped : 0;  // a tiny negative angle rounds up to 360
}

struct Angles {
    double ascendant;  // tropical degrees
    double midheaven;
};

// The ascendant and midheaven from the local apparent sidereal time (the right ascension of the
// meridian) and the true obliquity.
Angles AnglesOf(double localSiderealTime, double obliquity, double latitude) {
    const double theta = localSiderealTime * kRadiansPerDegree;
    const double epsilon = obliquity * kRadiansPerDegree;
    const double phi = latitude * kRadiansPerDegree;
    const double midheaven = std::atan2(std::sin(theta), std::cos(theta) * std::cos(epsilon));
    const double ascendant = std::atan2(std::cos(theta), -(std::sin(theta) * std::cos(epsilon) +
                                                           std::tan(phi) * std::sin(epsilon)));
    return {ascendant / kRadiansPerDegree, midheaven / kRadiansPerDegree};
}

}  // namespace

PreciseSky ComputePreciseSky(double julianDayUt, double latitudeDegrees,
                             double eastLongitudeDegrees, AyanamsaMode ayanamsa, NodeKind node) {
    namespace table = ephemeris;
    const double nutation = SeriesAt(table::kNutationInLongitude, julianDayUt);
    const SeriesValue ayanamsaLessNutation =
        SeriesAndRateAt(table::kAyanamsasLessNutation[static_cast<int>(ayanamsa)], julianDayUt);
    // The true ayanamsa includes nutation, as apparent longitudes do: a sidereal longitude is
    // the same with or without it.
    const double ayanamsaDegrees = ayanamsaLessNutation.value + nutation;

    PreciseSky sky;
    sky.ayanamsa = ayanamsaDegrees;
    // Longitudes on the mean equinox of date.
    std::array<SeriesValue, kPreciseBodyCount> tropical{};
    for (int body = 0; body < static_cast<int>(table::kLongitudes.size()); ++body) {
        tropical[body] = SeriesAndRateAt(table::kLongitudes[body], julianDayUt);
    }
    const SunDeflection sun({tropical[kSun].value, 0, SeriesAt(table::kSunDistance, julianDayUt)});
    for (int planet = 0; planet < static_cast<int>(table::kLatitudes.size()); ++planet) {
        SeriesValue& longitude = tropical[kFirstPlanet + planet];
        const EclipticPosition position{longitude.value,
                                        SeriesAt(table::kLatitudes[planet], julianDayUt),
                                        SeriesAt(table::kDistances[planet], julianDayUt)};
        longitude.value += sun.InLongitude(position, table::kDeflectionFactorInsideSun);
    }
    tropical[kRahu] = SeriesAndRateAt(
        node == NodeKind::kMean ? table::kMeanNodeWithoutNutation : table::kTrueNodeWithoutNutation,
        julianDayUt);
    for (int body = 0; body < kPreciseBodyCount; ++body) {
        sky.longitudes[body] = Wrap360(tropical[body].value - ayanamsaLessNutation.value);
        sky.speeds[body] = tropical[body].ratePerDay - ayanamsaLessNutation.ratePerDay;
    }

    const double meanObliquity = SeriesAt(table::kMeanObliquity, julianDayUt);
    const double trueObliquity = meanObliquity + SeriesAt(table::kNutationInObliquity, julianDayUt);
    // Apparent sidereal time: the mean one plus the equation of the equinoxes. The rotation of
    // the whole days and of the day's fraction are taken apart: days from J2000 times 361° would
    // keep too few digits for the fraction of a turn.
    const double days = julianDayUt - table::kRotationEpoch;
    const double wholeDays = std::trunc(days);
    const double rotation = (days - wholeDays) * table::kEarthRotationDegreesPerDay +
                            wholeDays * (table::kEarthRotationDegreesPerDay - 360);
    const double siderealTime = rotation +
                                SeriesAt(table::kMeanSiderealTimeLessRotation, julianDayUt) +
                                nutation * std::cos(trueObliquity * kRadiansPerDegree);
    const Angles angles =
        AnglesOf(Wrap360(siderealTime + eastLongitudeDegrees), trueObliquity, latitudeDegrees);
    sky.ascendant = Wrap360(angles.ascendant - ayanamsaDegrees);
    sky.midheaven = Wrap360(angles.midheaven - ayanamsaDegrees);
    return sky;
}

}  // namespace engine
