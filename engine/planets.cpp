#include "engine/planets.h"

#include <cmath>
#include <cstddef>

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

// Newton's step of Kepler's equation E − e sin E = M.
double KeplerStep(double eccentricAnomaly, double meanAnomaly, double e) {
    return eccentricAnomaly - (eccentricAnomaly - e * std::sin(eccentricAnomaly) - meanAnomaly) /
                                  (1 - e * std::cos(eccentricAnomaly));
}

double KeplerStart(double meanAnomaly, double e) {
    return meanAnomaly + e * std::sin(meanAnomaly) * (1 + e * std::cos(meanAnomaly));
}

double TrueFromEccentricAnomaly(double eccentricAnomaly, double e) {
    double nu = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(eccentricAnomaly / 2));
    if (nu < 0) {
        nu += kTwoPi;
    }
    return nu;
}

double MeanAnomaly(const Elements& elements) {
    return ReduceToTwoPi(elements.meanLongitude - elements.perihelionLongitude);
}

// True anomalies of several orbits at once. Each orbit takes exactly the steps it would take
// alone, so the results are the same; solving them side by side lets the processor overlap the
// independent chains of sines and divisions.
template <std::size_t N>
std::array<double, N> TrueAnomalies(const std::array<Elements, N>& elements) {
    std::array<double, N> mean{};
    std::array<double, N> eccentric{};
    std::array<bool, N> converged{};
    for (std::size_t k = 0; k < N; ++k) {
        mean[k] = MeanAnomaly(elements[k]);
        eccentric[k] = KeplerStart(mean[k], elements[k].eccentricity);
    }
    for (std::size_t remaining = N; remaining > 0;) {
        for (std::size_t k = 0; k < N; ++k) {
            if (converged[k]) {
                continue;
            }
            const double previous = eccentric[k];
            eccentric[k] = KeplerStep(previous, mean[k], elements[k].eccentricity);
            if (std::fabs(eccentric[k] - previous) <= kKeplerTolerance) {
                converged[k] = true;
                --remaining;
            }
        }
    }
    std::array<double, N> trueAnomaly{};
    for (std::size_t k = 0; k < N; ++k) {
        trueAnomaly[k] = TrueFromEccentricAnomaly(eccentric[k], elements[k].eccentricity);
    }
    return trueAnomaly;
}

double OrbitRadius(const Elements& elements, double trueAnomaly) {
    const double e = elements.eccentricity;
    return elements.semiMajorAxis * (1 - e * e) / (1 + e * std::cos(trueAnomaly));
}

// The Earth's position in its own orbital plane; its inclination and node are not used.
Heliocentric EarthPosition(const Elements& earth, double trueAnomaly) {
    const double radius = OrbitRadius(earth, trueAnomaly);
    const double angle = trueAnomaly + earth.perihelionLongitude;
    return {radius * std::cos(angle), radius * std::sin(angle)};
}

Heliocentric BodyPosition(const Elements& elements, double trueAnomaly) {
    const double radius = OrbitRadius(elements, trueAnomaly);
    const double node = elements.ascendingNode;
    const double u = trueAnomaly + elements.perihelionLongitude - node;
    const double cosI = std::cos(elements.inclination);
    return {radius * (std::cos(node) * std::cos(u) - std::sin(node) * std::sin(u) * cosI),
            radius * (std::sin(node) * std::cos(u) + std::cos(node) * std::sin(u) * cosI)};
}

double GeocentricLongitude(const Heliocentric& body, const Heliocentric& earth) {
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
    double eccentricAnomaly = KeplerStart(meanAnomaly, eccentricity);
    double previous = 0;
    do {
        previous = eccentricAnomaly;
        eccentricAnomaly = KeplerStep(previous, meanAnomaly, eccentricity);
    } while (std::fabs(eccentricAnomaly - previous) > kKeplerTolerance);
    return TrueFromEccentricAnomaly(eccentricAnomaly, eccentricity);
}

double PlanetLongitude(Planet planet, double daysFromJ2000) {
    const std::array<Elements, 2> elements{OrbitalElements(OrbitBody::kEarth, daysFromJ2000),
                                           OrbitalElements(RowOf(planet), daysFromJ2000)};
    const std::array<double, 2> nu{TrueAnomaly(MeanAnomaly(elements[0]), elements[0].eccentricity),
                                   TrueAnomaly(MeanAnomaly(elements[1]), elements[1].eccentricity)};
    const Heliocentric earth = EarthPosition(elements[0], nu[0]);
    const Heliocentric body =
        planet == Planet::kSun ? Heliocentric{0, 0} : BodyPosition(elements[1], nu[1]);
    return GeocentricLongitude(body, earth);
}

std::array<double, kPlanetCount> PlanetLongitudes(double daysFromJ2000) {
    std::array<Elements, kOrbitBodyCount> elements{};
    for (int row = 0; row < kOrbitBodyCount; ++row) {
        elements[row] = OrbitalElements(static_cast<OrbitBody>(row), daysFromJ2000);
    }
    const std::array<double, kOrbitBodyCount> nu = TrueAnomalies(elements);
    const int earthRow = static_cast<int>(OrbitBody::kEarth);
    const Heliocentric earth = EarthPosition(elements[earthRow], nu[earthRow]);

    std::array<double, kPlanetCount> longitudes{};
    for (int planet = 0; planet < kPlanetCount; ++planet) {
        const int row = static_cast<int>(RowOf(static_cast<Planet>(planet)));
        const Heliocentric body = static_cast<Planet>(planet) == Planet::kSun
                                      ? Heliocentric{0, 0}
                                      : BodyPosition(elements[row], nu[row]);
        longitudes[planet] = GeocentricLongitude(body, earth);
    }
    return longitudes;
}

}  // namespace engine
