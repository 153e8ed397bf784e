#include "engine/light_deflection.h"

#include <cmath>
#include <numbers>

namespace engine {

namespace {

// 2μ/c² for the Sun in astronomical units: twice its gravitational radius, 2953.25 m, over the
// astronomical unit.
constexpr double kSunSchwarzschildRadiusAu = 1.97412574336e-8;
constexpr double kRadiansPerDegree = std::numbers::pi / 180;
constexpr double kSunRadiusAu = 696000 / 149597870.7;

struct Vector {
    double x, y, z;
};

double Dot(const Vector& a, const Vector& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vector Scaled(const Vector& v, double factor) {
    return {v.x * factor, v.y * factor, v.z * factor};
}

Vector Difference(const Vector& a, const Vector& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

Vector UnitVector(const Vector& v) {
    return Scaled(v, 1 / std::sqrt(Dot(v, v)));
}

Vector Cartesian(const EclipticPosition& position) {
    const double longitude = position.longitude * kRadiansPerDegree;
    const double latitude = position.latitude * kRadiansPerDegree;
    const double across = position.distance * std::cos(latitude);
    return {across * std::cos(longitude), across * std::sin(longitude),
            position.distance * std::sin(latitude)};
}

}  // namespace

double LightDeflectionInLongitude(const EclipticPosition& planet, const EclipticPosition& sun) {
    const Vector fromEarth = Cartesian(planet);
    const Vector sunFromEarth = Cartesian(sun);
    const Vector p = UnitVector(fromEarth);
    const Vector q = UnitVector(Difference(fromEarth, sunFromEarth));
    const Vector e = UnitVector(Scaled(sunFromEarth, -1));
    const double factor = kSunSchwarzschildRadiusAu / sun.distance / (1 + Dot(q, e));
    const Vector shift = Difference(Scaled(e, factor * Dot(p, q)), Scaled(q, factor * Dot(e, p)));
    // The shift is perpendicular to p to first order; its east-west part moves the longitude.
    const double longitude = planet.longitude * kRadiansPerDegree;
    const double eastward = -std::sin(longitude) * shift.x + std::cos(longitude) * shift.y;
    return eastward / std::cos(planet.latitude * kRadiansPerDegree) / kRadiansPerDegree;
}

double SeparationInSunRadii(const EclipticPosition& planet, const EclipticPosition& sun) {
    const Vector p = UnitVector(Cartesian(planet));
    const Vector s = UnitVector(Cartesian(sun));
    // The half-chord keeps its precision at small angles, where an arccosine would not.
    const Vector chord = Difference(p, s);
    const double separation = 2 * std::asin(std::sqrt(Dot(chord, chord)) / 2);
    return separation / std::asin(kSunRadiusAu / sun.distance);
}

double LightDeflectionInLongitude(const EclipticPosition& planet, const EclipticPosition& sun,
                                  std::span<const double> factorInsideSun) {
    const double deflection = LightDeflectionInLongitude(planet, sun);
    const double rho = SeparationInSunRadii(planet, sun);
    if (rho >= 1 || factorInsideSun.empty()) {
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

}  // namespace engine
