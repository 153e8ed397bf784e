#pragma once

#include <span>

namespace engine {

// A geocentric position on the ecliptic of date.
struct EclipticPosition {
    double longitude;  // degrees
    double latitude;   // degrees
    double distance;   // astronomical units
};

// How far the Sun's gravity shifts a planet's apparent ecliptic longitude, in degrees, to be
// added to a longitude computed without it. The relativistic deflection of light passing the
// Sun, in the vector form of the Explanatory Supplement to the Astronomical Almanac (1992,
// section 3.328):
//   p1 = p + (2μ / c²E) ((p·q) e − (e·p) q) / (1 + q·e),
// where p, q and e are the unit vectors from the Earth to the planet, from the Sun to the planet
// and from the Sun to the Earth, and E is the Sun's distance from the Earth.
// The formula holds outside the Sun's disk; behind it the ephemeris tables scale it down.
double LightDeflectionInLongitude(const EclipticPosition& planet, const EclipticPosition& sun);

// The planet's angular distance from the Sun's centre in apparent radii of the Sun (696 000 km).
double SeparationInSunRadii(const EclipticPosition& planet, const EclipticPosition& sun);

// The deflection in longitude with the factor behind the disk applied: the factor is a Chebyshev
// series in 2ρ − 1 for a separation of ρ < 1 solar radii, and 1 beyond the limb.
double LightDeflectionInLongitude(const EclipticPosition& planet, const EclipticPosition& sun,
                                  std::span<const double> factorInsideSun);

}  // namespace engine
