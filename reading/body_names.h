#pragma once

#include <array>
#include <string_view>

#include "reading/chart_reading.h"

namespace reading {

// English names of the bodies in position-list order, as the text report pairs them.
inline constexpr std::array<std::string_view, kBodyCount> kPlanetNames{
    "Sun",    "Moon", "Mercury", "Venus",     "Mars",     "Jupiter",
    "Saturn", "Rahu", "Ketu",    "Ascendant", "Midheaven"};

// Display names without retrograde marks, as the chart's boxes show them.
inline constexpr std::array<std::string_view, kBodyCount> kPlanetLabels{
    "Surya", "Chandra", "Budha", "Shukra",    "Mangala",  "Guru",
    "Shani", "Rahu",    "Ketu",  "Ascendant", "Midheaven"};

// The same held in place, made when compiling: a chart copies them as a block.
inline constexpr BodyTexts kPlanetLabelTexts = [] {
    BodyTexts labels{};
    for (int body = 0; body < kBodyCount; ++body) {
        labels[body] = kPlanetLabels[body];
    }
    return labels;
}();

}  // namespace reading
