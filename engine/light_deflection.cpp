#include "engine/light_deflection.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "engine/quick_sine.h"

namespace engine {

namespace {

// 2μ/c² for the Sun in astronomical units: twice its gravitational radius, 2953.25 m, over the
// astronomical unit.
constexpr double kSunSchwarzschildRadiusAu = 1.97412574336e-8;
constexpr double kRadiansPerDegree = std::numbers::pi / 180;
constexpr double kSunRadiusAu = 696000 / 149597870.7;
// The cosine of 2°. A planet farther than that from the Sun's direction is not behind the disk,
// whose radius is at most 0.28°: its separation need not be worked out.
constexpr double kNearSunCosine = 0.99939082701909573;

}  // namespace

SunDeflection::Seen SunDeflection::SeenAt(SineCosine longitude, SineCosine latitude,
                                          double distance) {
    Seen seen;
    seen.sinLongitude = longitude.sine;
    seen.cosLongitude = longitude.cosine;
    seen.cosLatitude = latitude.cosine;
    seen.unit = {latitude.cosine * longitude.cosine, latitude.cosine * longitude.sine,
                 latitude.sine};
    seen.position = {seen.unit.x * distance, seen.unit.y * distance, seen.unit.z * distance};
    return seen;
}

SunDeflection::Seen SunDeflection::SeenFromEarthByLibm(const EclipticPosition& position) {
    const double longitude = position.longitude * kRadiansPerDegree;
    const double latitude = position.latitude * kRadiansPerDegree;
    return SeenAt({std::sin(longitude), std::cos(longitude)},
                  {std::sin(latitude), std::cos(latitude)}, position.distance);
}

SunDeflection::Seen SunDeflection::SeenFromEarthQuickly(const EclipticPosition& position) {
    return SeenAt(QuickSineAndCosine(position.longitude), QuickSineAndCosine(position.latitude),
                  position.distance);
}

SunDeflection::Seen SunDeflection::SeenFromEarth(const EclipticPosition& position) const {
    return trigonometry_ == Trigonometry::kQuickSeries ? SeenFromEarthQuickly(position)
                                                       : SeenFromEarthByLibm(position);
}

SunDeflection::SunDeflection(const EclipticPosition& sun, Trigonometry trigonometry)
    : distance_(sun.distance), trigonometry_(trigonometry) {
    const Seen seen = SeenFromEarth(sun);
    position_ = seen.position;
    unit_ = seen.unit;
}

double SunDeflection::Deflection(const Seen& planet) const {
    const Vector& p = planet.unit;
    // q: the planet from the Sun; e: the Earth from the Sun.
    const Vector fromSun{planet.position.x - position_.x, planet.position.y - position_.y,
                         planet.position.z - position_.z};
    const double fromSunDistance =
        std::sqrt(fromSun.x * fromSun.x + fromSun.y * fromSun.y + fromSun.z * fromSun.z);
    const Vector q{fromSun.x / fromSunDistance, fromSun.y / fromSunDistance,
                   fromSun.z / fromSunDistance};
    const Vector e{-unit_.x, -unit_.y, -unit_.z};
    const double pq = p.x * q.x + p.y * q.y + p.z * q.z;
    const double ep = e.x * p.x + e.y * p.y + e.z * p.z;
    const double qe = q.x * e.x + q.y * e.y + q.z * e.z;
    const double factor = kSunSchwarzschildRadiusAu / distance_ / (1 + qe);
    const Vector shift{factor * (pq * e.x - ep * q.x), factor * (pq * e.y - ep * q.y),
                       factor * (pq * e.z - ep * q.z)};
    // The shift is perpendicular to p to first order; its east-west part moves the longitude.
    const double eastward = -planet.sinLongitude * shift.x + planet.cosLongitude * shift.y;
    return eastward / planet.cosLatitude / kRadiansPerDegree;
}

double SunDeflection::SeparationInSunRadii(const Seen& planet) const {
    // The half-chord keeps its precision at small angles, where an arccosine would not.
    const Vector chord{planet.unit.x - unit_.x, planet.unit.y - unit_.y, planet.unit.z - unit_.z};
    const double separation =
        2 * std::asin(std::sqrt(chord.x * chord.x + chord.y * chord.y + chord.z * chord.z) / 2);
    return separation / std::asin(kSunRadiusAu / distance_);
}

double SunDeflection::InLongitude(const EclipticPosition& planet) const {
    return Deflection(SeenFromEarth(planet));
}

double SunDeflection::InLongitude(const EclipticPosition& planet,
                                  std::span<const double> factorInsideSun) const {
    const Seen seen = SeenFromEarth(planet);
    return FactoredDeflection(seen, Deflection(seen), factorInsideSun);
}

void SunDeflection::InLongitudes(std::span<const EclipticPosition> planets,
                                 std::span<const double> factorInsideSun,
                                 std::span<double> deflections) const {
    const std::size_t count = std::min({planets.size(), deflections.size(), kMostPlanets});
    std::array<Seen, kMostPlanets> seen;
    if (trigonometry_ == Trigonometry::kQuickSeries) {
        for (std::size_t i = 0; i < count; ++i) {
            seen[i] = SeenFromEarthQuickly(planets[i]);
        }
    } else {
        for (std::size_t i = 0; i < count; ++i) {
            seen[i] = SeenFromEarthByLibm(planets[i]);
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        deflections[i] = Deflection(seen[i]);
    }
    for (std::size_t i = 0; i < count; ++i) {
        deflections[i] = FactoredDeflection(seen[i], deflections[i], factorInsideSun);
    }
}

double SunDeflection::FactoredDeflection(const Seen& seen, double deflection,
                                         std::span<const double> factorInsideSun) const {
    const double cosine = seen.unit.x * unit_.x + seen.unit.y * unit_.y + seen.unit.z * unit_.z;
    if (factorInsideSun.empty() || cosine < kNearSunCosine) {
        return deflection;
    }
    const double rho = SeparationInSunRadii(seen);
    if (rho >= 1) {
        return deflection;
    }
    const double x = 2 * rho - 1;
    double next = 0;
    double afterNext = 0;
    for (std::size_t k = factorInsideSun.size() - 1; k >= 1; --k) {
        const double current = factorInsideSun[k] + 2 * x * next - afterNext;
        afterNext = next;
        next = current;
    }
    return deflection * (factorInsideSun[0] + x * next - afterNext);
}

double SunDeflection::SeparationInSunRadii(const EclipticPosition& planet) const {
    return SeparationInSunRadii(SeenFromEarth(planet));
}

double LightDeflectionInLongitude(const EclipticPosition& planet, const EclipticPosition& sun) {
    return SunDeflection(sun).InLongitude(planet);
}

double SeparationInSunRadii(const EclipticPosition& planet, const EclipticPosition& sun) {
    return SunDeflection(sun).SeparationInSunRadii(planet);
}

double LightDeflectionInLongitude(const EclipticPosition& planet, const EclipticPosition& sun,
                                  std::span<const double> factorInsideSun) {
    return SunDeflection(sun).InLongitude(planet, factorInsideSun);
}

}  // namespace engine
