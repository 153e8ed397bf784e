#pragma once

#include <array>

#include "reading/chart_reading.h"

namespace reading {

// English names of the bodies in position-list order, as the text report pairs them.
inline constexpr std::array<const char*, kBodyCount> kPlanetNames{
    "Sun",    "Moon", "Mercury", "Venus",     "Mars",     "Jupiter",
    "Saturn", "Rahu", "Ketu",    "Ascendant", "Midheaven"};

// Display names without retrograde marks, as the chart's boxes show them.
inline constexpr std::array<const char*, kBodyCount> kPlanetLabels{
    "Surya", "Chandra", "Budha", "Shukra",    "Mangala",  "Guru",
    "Shani", "Rahu",    "Ketu",  "Ascendant", "Midheaven"};

}  // namespace reading
