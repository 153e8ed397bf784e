#include "engine/planets.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/constants.h"

namespace engine {

namespace {

constexpr double kKeplerTolerance = 1e-12;

struct Heliocentric {
    double x;
    double y;
};

OrbitBody RowOf(Planet planet) {
    switch (planet) {
        case Planet::kSun:
            return OrbitBody::kEarth;
        case Planet::kMercury:
            return OrbitBody::kMercury;
        case Planet::kVenus:
            return OrbitBody::kVenus;
        case Planet::kMars:
            return OrbitBody::kMars;
        case Planet::kJupiter:
            return OrbitBody::kJupiter;
        case Planet::kSaturn:
            return OrbitBody::kSaturn;
    }
    return OrbitBody::kEarth;
}

struct OrbitPoint {
    double radius;
    double trueAnomaly;
};

OrbitPoint PointOnOrbit(const Elements& elements) {
    const double meanAnomaly = ReduceToTwoPi(elements.meanLongitude - elements.perihelionLongitude);
    const double e = elements.eccentricity;
    const double nu = TrueAnomaly(meanAnomaly, e);
    return {elements.semiMajorAxis * (1 - e * e) / (1 + e * std::cos(nu)), nu};
}

// The Earth's position in its own orbital plane; its inclination and node are not used.
Heliocentric EarthPosition(double daysFromJ2000) {
    const Elements earth = OrbitalElements(OrbitBody::kEarth, daysFromJ2000);
    const OrbitPoint point = PointOnOrbit(earth);
    const double angle = point.trueAnomaly + earth.perihelionLongitude;
    return {point.radius * std::cos(angle), point.radius * std::sin(angle)};
}

Heliocentric BodyPosition(OrbitBody body, double daysFromJ2000) {
    const Elements elements = OrbitalElements(body, daysFromJ2000);
    const OrbitPoint point = PointOnOrbit(elements);
    const double node = elements.ascendingNode;
    const double u = point.trueAnomaly + elements.perihelionLongitude - node;
    const double cosI = std::cos(elements.inclination);
    return {point.radius * (std::cos(node) * std::cos(u) - std::sin(node) * std::sin(u) * cosI),
            point.radius * (std::sin(node) * std::cos(u) + std::cos(node) * std::sin(u) * cosI)};
}

}  // namespace

Elements OrbitalElements(OrbitBody body, double daysFromJ2000) {
    const ElementRow& row = kElementTable[static_cast<int>(body)];
    const double t = daysFromJ2000 / kDaysPerCentury;
    const auto angle = [t](double value, double ratePerCentury) {
        return (value + ratePerCentury * t / 3600) * kDegreesToRadians;
    };
    return {row.semiMajorAxis + row.semiMajorAxisRate * t,
            row.eccentricity + row.eccentricityRate * t,
            angle(row.inclination, row.inclinationRate),
            angle(row.ascendingNode, row.ascendingNodeRate),
            angle(row.perihelionLongitude, row.perihelionLongitudeRate),
            ReduceToTwoPi(angle(row.meanLongitude, row.meanLongitudeRate))};
}

double TrueAnomaly(double meanAnomaly, double eccentricity) {
    const double e = eccentricity;
    double eccentricAnomaly =
        meanAnomaly + e * std::sin(meanAnomaly) * (1 + e * std::cos(meanAnomaly));
    double previous = 0;
    do {
        previous = eccentricAnomaly;
        eccentricAnomaly = previous - (previous - e * std::sin(previous) - meanAnomaly) /
                                          (1 - e * std::cos(previous));
    } while (std::fabs(eccentricAnomaly - previous) > kKeplerTolerance);
    double nu = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(eccentricAnomaly / 2));
    if (nu < 0) {
        nu += kTwoPi;
    }
    return nu;
}

namespace {

double GeocentricLongitude(Planet planet, double daysFromJ2000, const Heliocentric& earth) {
    const Heliocentric body =
        planet == Planet::kSun ? Heliocentric{0, 0} : BodyPosition(RowOf(planet), daysFromJ2000);
    double longitude = ArcTan2(body.y - earth.y, body.x - earth.x) * kPlanetRadiansToDegrees;
    while (longitude > kFullCircle) {
        longitude -= kFullCircle;
    }
    while (longitude < 0) {
        longitude += kFullCircle;
    }
    return longitude;
}

}  // namespace

double PlanetLongitude(Planet planet, double daysFromJ2000) {
    return GeocentricLongitude(planet, daysFromJ2000, EarthPosition(daysFromJ2000));
}

std::array<double, kPlanetCount> PlanetLongitudes(double daysFromJ2000) {
    const Heliocentric earth = EarthPosition(daysFromJ2000);
    std::array<double, kPlanetCount> longitudes{};
    for (int planet = 0; planet < kPlanetCount; ++planet) {
        longitudes[planet] = GeocentricLongitude(static_cast<Planet>(planet), daysFromJ2000, earth);
    }
    return longitudes;
}

}  // namespace engine
