#pragma once

#include <array>

namespace engine {

// One periodic term of the Moon's longitude: multiples of D, M, M′ and F and the coefficient in
// degrees.
struct LunarTerm {
    int multipleOfD;
    int multipleOfM;
    int multipleOfMPrime;
    int multipleOfF;
    double coefficient;
};

inline constexpr int kLunarTermCount = 25;

// The first 25 terms of the truncated ELP-2000/82 series for the Moon's longitude, added in this
// order; terms with M take the eccentricity factor E as well.
inline constexpr std::array<LunarTerm, kLunarTermCount> LunarLongitudeTerms{{
    {2, 0, -1, 0, 1.274027},  {0, 0, 1, 0, 6.288774},   {2, 0, 0, 0, 0.658314},
    {0, 0, 2, 0, 0.213618},   {0, 1, 0, 0, -0.185116},  {0, 0, 0, 2, -0.114332},
    {2, 0, -2, 0, 0.058793},  {2, -1, -1, 0, 0.057066}, {2, 0, 1, 0, 0.053322},
    {2, -1, 0, 0, 0.045758},  {0, 1, -1, 0, -0.040923}, {1, 0, 0, 0, -0.034720},
    {0, 1, 1, 0, -0.030383},  {2, 0, 0, -2, 0.015327},  {0, 0, 1, 2, -0.012528},
    {0, 0, 1, -2, 0.010980},  {4, 0, -1, 0, 0.010675},  {0, 0, 3, 0, 0.010034},
    {4, 0, -2, 0, 0.008548},  {2, 1, -1, 0, -0.007888}, {2, 1, 0, 0, -0.006766},
    {1, 0, -1, 0, -0.005163}, {1, 1, 0, 0, 0.004987},   {2, -1, 1, 0, 0.004036},
    {2, 0, 2, 0, 0.003994},
}};

// The Moon's tropical longitude in degrees, in [0, 360] (360 itself is kept), for T Julian
// centuries from 2000 January 1, 12h. No ΔT is applied.
double MoonTropicalLongitude(double centuriesFromJ2000);

// The Moon's own ayanamsa correction in degrees (negative): 85886.27″ + 5025.64″ T + 1.11″ T²
// less the nutation terms, negated. It differs from the engine's by under 3″.
double MoonAyanamsaCorrection(double centuriesFromJ2000);

// The Moon's sidereal longitude in degrees, in [0, 360).
double MoonSiderealLongitude(double centuriesFromJ2000);

}  // namespace engine
