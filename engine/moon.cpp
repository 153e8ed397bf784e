#include "engine/moon.h"

#include <cmath>

#include "engine/constants.h"

namespace engine {

double MoonTropicalLongitude(double t) {
    // Fundamental arguments in degrees, turned into radians without reduction.
    const double elongation = (297.8502042 + 445267.1115168 * t) * kDegreesToRadians;
    const double sunAnomaly = (357.5291092 + 35999.0502909 * t) * kDegreesToRadians;
    const double moonAnomaly = (134.9634114 + 477198.8676313 * t) * kDegreesToRadians;
    const double latitudeArgument = (93.2720993 + 483202.0175273 * t) * kDegreesToRadians;
    const double meanLongitude = 218.3164591 + 481267.88134236 * t;
    const double eccentricityFactor = 1 - 0.002516 * t - 0.0000074 * t * t;

    double sum = 0;
    for (const LunarTerm& term : LunarLongitudeTerms) {
        const double argument = term.multipleOfD * elongation + term.multipleOfM * sunAnomaly +
                                term.multipleOfMPrime * moonAnomaly +
                                term.multipleOfF * latitudeArgument;
        double coefficient = term.coefficient;
        if (term.multipleOfM == 1 || term.multipleOfM == -1) {
            coefficient *= eccentricityFactor;
        }
        sum += coefficient * std::sin(argument);
    }

    // Whole turns at once (the mean longitude runs to hundreds of thousands of degrees), then
    // the last turn one step at a time; 360 itself is kept.
    double longitude = meanLongitude + sum;
    if (longitude < 0) {
        longitude += kFullCircle * std::floor(-longitude / kFullCircle);
    }
    while (longitude < 0) {
        longitude += kFullCircle;
    }
    if (longitude > kFullCircle) {
        longitude -= kFullCircle * std::floor((longitude - kFullCircle) / kFullCircle);
    }
    while (longitude > kFullCircle) {
        longitude -= kFullCircle;
    }
    return longitude;
}

double MoonAyanamsaCorrection(double t) {
    const double node = 125.044555 - 1934.1361849 * t + 0.0020762 * t * t;
    const double sunLongitude = 280.466449 + 36000.7698231 * t + 0.0003106 * t * t;
    return (17.23 * std::sin(node * kDegreesToRadians) +
            1.27 * std::sin(2 * sunLongitude * kDegreesToRadians) - (5025.64 + 1.11 * t) * t -
            85886.27) /
           3600;
}

double MoonSiderealLongitude(double t) {
    double longitude = MoonTropicalLongitude(t) + MoonAyanamsaCorrection(t);
    if (longitude < 0) {
        longitude += kFullCircle;
    }
    return longitude;
}

}  // namespace engine
