#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "engine/quick_sine.h"

namespace engine {

// A geocentric position on the ecliptic of date.
struct EclipticPosition {
    double longitude;  // degrees
    double latitude;   // degrees
    double distance;   // astronomical units
};

// How far the Sun's gravity shifts planets' apparent ecliptic longitudes, in degrees, to be
// added to longitudes computed without it. The relativistic deflection of light passing the
// Sun, in the vector form of the Explanatory Supplement to the Astronomical Almanac (1992,
// section 3.328):
//   p1 = p + (2μ / c²E) ((p·q) e − (e·p) q) / (1 + q·e),
// where p, q and e are the unit vectors from the Earth to the planet, from the Sun to the planet
// and from the Sun to the Earth, and E is the Sun's distance from the Earth. The Sun's position is
// prepared once for all the planets of a moment.
class SunDeflection {
  public:
    // The directions' sines and cosines: libm's, or series within 3e-14 that take a fraction of
    // the time. The shift is at most a few arc-seconds, so either gives it to within a billionth
    // of an arc-second; the generator of the tables keeps to libm's, whose results it commits.
    enum class Trigonometry { kLibm, kQuickSeries };

    explicit SunDeflection(const EclipticPosition& sun,
                           Trigonometry trigonometry = Trigonometry::kLibm);

    // The formula as it stands, which holds outside the Sun's disk.
    double InLongitude(const EclipticPosition& planet) const;

    // With a factor behind the disk: a Chebyshev series in 2ρ − 1 for a planet ρ < 1 solar radii
    // from the Sun's centre, and 1 beyond the limb.
    double InLongitude(const EclipticPosition& planet,
                       std::span<const double> factorInsideSun) const;

    // The same for several planets at once, into deflections (as many as planets, at most
    // kMostPlanets): each planet's steps wait for one another, and side by side the processor
    // works on the others meanwhile. Each result is the same to the last bit as InLongitude's.
    static constexpr std::size_t kMostPlanets = 8;
    void InLongitudes(std::span<const EclipticPosition> planets,
                      std::span<const double> factorInsideSun, std::span<double> deflections) const;

    // The planet's angular distance from the Sun's centre in apparent radii of the Sun
    // (696 000 km).
    double SeparationInSunRadii(const EclipticPosition& planet) const;

  private:
    struct Vector {
        double x, y, z;
    };
    struct Seen {
        Vector position;  // astronomical units
        Vector unit;
        double sinLongitude, cosLongitude, cosLatitude;
    };
    static Seen SeenAt(SineCosine longitude, SineCosine latitude, double distance);
    static Seen SeenFromEarthByLibm(const EclipticPosition& position);
    static Seen SeenFromEarthQuickly(const EclipticPosition& position);
    Seen SeenFromEarth(const EclipticPosition& position) const;
    double Deflection(const Seen& planet) const;
    double SeparationInSunRadii(const Seen& planet) const;
    double FactoredDeflection(const Seen& planet, double deflection,
                              std::span<const double> factorInsideSun) const;

    Vector position_;  // the Sun's, astronomical units
    Vector unit_;
    double distance_;
    Trigonometry trigonometry_;
};

// The same for one planet.
double LightDeflectionInLongitude(const EclipticPosition& planet, const EclipticPosition& sun);
double SeparationInSunRadii(const EclipticPosition& planet, const EclipticPosition& sun);
double LightDeflectionInLongitude(const EclipticPosition& planet, const EclipticPosition& sun,
                                  std::span<const double> factorInsideSun);

}  // namespace engine
