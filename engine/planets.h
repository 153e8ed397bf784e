#pragma once

#include <array>

namespace engine {

// Rows of the element table. The Earth's row serves the Sun.
enum class OrbitBody { kMercury, kVenus, kEarth, kMars, kJupiter, kSaturn };
inline constexpr int kOrbitBodyCount = 6;

// The bodies whose geocentric longitude the engine computes from orbital elements.
enum class Planet { kSun, kMercury, kVenus, kMars, kJupiter, kSaturn };
inline constexpr int kPlanetCount = 6;

// Mean elements of the J2000 ecliptic and equinox: each a value at J2000 and a rate per Julian
// century (mean Keplerian elements with linear rates, as published by JPL for 1800–2050).
struct ElementRow {
    double semiMajorAxis, semiMajorAxisRate;              // AU, AU per century
    double eccentricity, eccentricityRate;                // per century
    double inclination, inclinationRate;                  // degrees, arcseconds per century
    double ascendingNode, ascendingNodeRate;              // degrees, arcseconds per century
    double perihelionLongitude, perihelionLongitudeRate;  // degrees, arcseconds per century
    double meanLongitude, meanLongitudeRate;              // degrees, arcseconds per century
};

inline constexpr std::array<ElementRow, kOrbitBodyCount> kElementTable{{
    {0.38709893, 0.00000066, 0.20563069, 0.00002527, 7.00487, -23.51, 48.33167, -446.30, 77.45645,
     573.57, 252.25084, 538101628.29},
    {0.72333199, 0.00000092, 0.00677323, -0.00004938, 3.39471, -2.86, 76.68069, -996.89, 131.53298,
     -108.80, 181.97973, 210664136.06},
    {1.00000011, -0.00000005, 0.01671022, -0.00003804, 0.00005, -46.94, -11.26064, -18228.25,
     102.94719, 1198.28, 100.46435, 129597740.63},
    {1.52366231, -0.00007221, 0.09341233, 0.00011902, 1.85061, -25.47, 49.57854, -1020.19,
     336.04084, 1560.78, 355.45332, 68905103.78},
    {5.20336301, 0.00060737, 0.04839266, -0.00012880, 1.30530, -4.15, 100.55615, 1217.17, 14.75385,
     839.93, 34.40438, 10925078.35},
    {9.53707032, -0.00301530, 0.05415060, -0.00036762, 2.48446, 6.11, 113.71504, -1591.05, 92.43194,
     -1948.89, 49.94432, 4401052.95},
}};

// Elements at a moment, angles in radians.
struct Elements {
    double semiMajorAxis;  // AU
    double eccentricity;
    double inclination;          // radians
    double ascendingNode;        // radians
    double perihelionLongitude;  // radians
    double meanLongitude;        // radians, in [0, 2π)
};

// Elements of a row at d days from 2000 January 1, 12h UT.
Elements OrbitalElements(OrbitBody body, double daysFromJ2000);

// True anomaly in [0, 2π) from the mean anomaly (radians) and the eccentricity, by Newton's
// iteration of Kepler's equation to 1e-12 radians.
double TrueAnomaly(double meanAnomaly, double eccentricity);

// Geocentric tropical ecliptic longitude in degrees, in [0, 360). No precession to the date,
// nutation, aberration or light time.
double PlanetLongitude(Planet planet, double daysFromJ2000);

// The longitudes of all six planets, indexed by Planet, with the Earth computed once.
std::array<double, kPlanetCount> PlanetLongitudes(double daysFromJ2000);

}  // namespace engine
