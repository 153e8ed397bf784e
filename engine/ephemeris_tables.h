#pragma once

#include <array>

#include "engine/chebyshev_series.h"

// The precise ephemeris: Chebyshev series fitted by tools/ephemeris to the Swiss Ephemeris over
// universal time from 1900-12-31 to 2051-01-02. The data file ephemeris_tables.cpp is generated;
// angles are in degrees, distances in astronomical units, all geocentric and of date.
namespace engine::ephemeris {

// Longitudes on the mean equinox of date (apparent but for nutation, whose fortnightly terms would
// need many more coefficients: it is added from its own series) of the Sun, Moon, Mercury, Venus,
// Mars, Jupiter and Saturn. Those of the planets also leave out the Sun's light deflection, which
// changes too fast near conjunction to fit: it is added from their latitude and distance.
extern const std::array<SpanSeries, 7> kLongitudes;
// Mercury to Saturn.
extern const std::array<SpanSeries, 5> kLatitudes;
extern const std::array<SpanSeries, 5> kDistances;
extern const SpanSeries kSunDistance;

// The mean and the true node on the mean equinox of date; nutation in longitude makes them
// apparent, as it does the bodies' longitudes.
extern const SpanSeries kMeanNodeWithoutNutation;
extern const SpanSeries kTrueNodeWithoutNutation;

extern const SpanSeries kNutationInLongitude;
extern const SpanSeries kNutationInObliquity;
extern const SpanSeries kMeanObliquity;

// Mean sidereal time at Greenwich less kEarthRotationDegreesPerDay a day since kRotationEpoch.
// The apparent one adds the equation of the equinoxes, nutation in longitude times the cosine of
// the true obliquity.
extern const SpanSeries kMeanSiderealTimeLessRotation;
inline constexpr double kEarthRotationDegreesPerDay = 360.98564736629;
inline constexpr double kRotationEpoch = 2451545.0;  // J2000, as a Julian day of UT

// The true ayanamsa of Lahiri, Raman, Krishnamurti and True Chitrapaksha, less nutation in
// longitude.
extern const std::array<SpanSeries, 4> kAyanamsasLessNutation;

// Behind the Sun's disk the reference shrinks the light deflection by a factor that depends on
// the planet's distance from the Sun's centre in solar radii, ρ < 1: a Chebyshev series in
// 2ρ − 1, measured from the reference's own positions.
inline constexpr int kDeflectionFactorCoefficients = 10;
extern const std::array<double, kDeflectionFactorCoefficients> kDeflectionFactorInsideSun;

}  // namespace engine::ephemeris
