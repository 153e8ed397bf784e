#pragma once

#include <array>
#include <string_view>

#include "reading/birth_data.h"
#include "reading/chart_reading.h"
#include "reading/chart_settings.h"

namespace accuracy {

// The bodies whose sidereal longitudes are compared; Ketu only mirrors Rahu.
inline constexpr std::array<reading::Body, 10> kComparedBodies{
    reading::kSun,       reading::kMoon,     reading::kMercury, reading::kVenus,
    reading::kMars,      reading::kJupiter,  reading::kSaturn,  reading::kRahu,
    reading::kAscendant, reading::kMidheaven};
inline constexpr int kComparedBodyCount = static_cast<int>(kComparedBodies.size());

// The name of the i-th compared body.
std::string_view ComparedBodyName(int index);

using SkyLongitudes = std::array<double, kComparedBodyCount>;

struct ComparedSky {
    SkyLongitudes longitudes{};
    std::array<bool, reading::kRetrogradePlanetCount> retrograde{};  // Mercury to Saturn
};

// The Swiss Ephemeris's sidereal sky at the universal instant the program casts the birth's
// chart for, and the ascendant and midheaven of its place: with the settings' ayanamsa and node,
// or for the mean elements with Lahiri's ayanamsa and the mean node. A planet is retrograde
// where the library's speed is negative.
ComparedSky ReferenceSky(const reading::BirthData& birth, const reading::ChartSettings& settings);

// The same as the program computes it.
ComparedSky ProgramSky(const reading::BirthData& birth, const reading::ChartSettings& settings);

}  // namespace accuracy
