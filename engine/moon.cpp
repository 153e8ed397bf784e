#include "engine/moon.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <utility>

#include "engine/constants.h"

namespace engine {

namespace {

// The fundamental arguments D, M, M′ and F in radians, in the order of a term's multiples.
using FundamentalArguments = std::array<double, 4>;

// Term k of the series, its multiples and coefficient known when compiling: a zero multiple
// adds nothing to the argument, and is left out rather than multiplied and added. The sum comes
// out the same to the last bit, since adding a zero leaves a number as it is.
template <std::size_t K>
double TermOfSeries(const FundamentalArguments& arguments, double eccentricityFactor) {
    constexpr LunarTerm kTerm = LunarLongitudeTerms[K];
    constexpr std::array<int, 4> kMultiples{kTerm.multipleOfD, kTerm.multipleOfM,
                                            kTerm.multipleOfMPrime, kTerm.multipleOfF};
    double argument = 0;
    if constexpr (kMultiples[0] != 0) {
        argument += kMultiples[0] * arguments[0];
    }
    if constexpr (kMultiples[1] != 0) {
        argument += kMultiples[1] * arguments[1];
    }
    if constexpr (kMultiples[2] != 0) {
        argument += kMultiples[2] * arguments[2];
    }
    if constexpr (kMultiples[3] != 0) {
        argument += kMultiples[3] * arguments[3];
    }
    double coefficient = kTerm.coefficient;
    if constexpr (kTerm.multipleOfM == 1 || kTerm.multipleOfM == -1) {
        coefficient *= eccentricityFactor;
    }
    return coefficient * std::sin(argument);
}

// The terms added in the table's order.
template <std::size_t... K>
double SumOfSeries(const FundamentalArguments& arguments, double eccentricityFactor,
                   std::index_sequence<K...>) {
    double sum = 0;
    ((sum += TermOfSeries<K>(arguments, eccentricityFactor)), ...);
    return sum;
}

}  // namespace

double MoonTropicalLongitude(double t) {
    // Fundamental arguments in degrees, turned into radians without reduction.
    const FundamentalArguments arguments{
        (297.8502042 + 445267.1115168 * t) * kDegreesToRadians,  // elongation D
        (357.5291092 + 35999.0502909 * t) * kDegreesToRadians,   // the Sun's anomaly M
        (134.9634114 + 477198.8676313 * t) * kDegreesToRadians,  // the Moon's anomaly M′
        (93.2720993 + 483202.0175273 * t) * kDegreesToRadians,   // latitude argument F
    };
    const double meanLongitude = 218.3164591 + 481267.88134236 * t;
    const double eccentricityFactor = 1 - 0.002516 * t - 0.0000074 * t * t;
    const double sum =
        SumOfSeries(arguments, eccentricityFactor, std::make_index_sequence<kLunarTermCount>{});

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
