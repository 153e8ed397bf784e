#pragma once

#include <array>
#include <string_view>

#include "reading/birth_data.h"
#include "reading/chart_reading.h"

namespace accuracy {

// The bodies whose sidereal longitudes are compared; Ketu only mirrors Rahu.
inline constexpr std::array<reading::Body, 9> kComparedBodies{
    reading::kSun,     reading::kMoon,   reading::kMercury, reading::kVenus,    reading::kMars,
    reading::kJupiter, reading::kSaturn, reading::kRahu,    reading::kAscendant};
inline constexpr int kComparedBodyCount = static_cast<int>(kComparedBodies.size());

// The name of the i-th compared body.
std::string_view ComparedBodyName(int index);

using SkyLongitudes = std::array<double, kComparedBodyCount>;

// Sidereal longitudes (Lahiri ayanamsa, the mean node for Rahu) from the Swiss Ephemeris at the
// universal instant the program casts the birth's chart for, and the ascendant of its place.
SkyLongitudes ReferenceLongitudes(const reading::BirthData& birth);

// The same bodies as the program computes them.
SkyLongitudes ProgramLongitudes(const reading::BirthData& birth);

}  // namespace accuracy
