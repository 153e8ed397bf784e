#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reading/chart_reading.h"

namespace ui {

// The chart has twelve boxes; box k always holds sign k, 0 (Aries) to 11 (Pisces).
inline constexpr int kBoxCount = 12;
using BoxTexts = std::array<std::string, kBoxCount>;

// Entries of a box text are separated by CR LF.
inline constexpr std::string_view kBoxLineBreak = "\r\n";

// The box of the sign whose abbreviation stands at characters 4 to 6 of a short position text
// ("05 Sag 15" → 8), or nothing when the text is too short or names no sign.
std::optional<int> BoxOfPosition(std::string_view positionText);

// The twelve box texts of a reading: "Asc" in the box of the Lagna's sign, then the labels of the
// Sun to Ketu in that order, each in the box its position text names. A body whose position names
// no sign is left out.
BoxTexts PlaceInBoxes(std::string_view lagnaSign, const reading::BodyTexts& labels,
                      const reading::BodyTexts& positions);

// The same for a divisional chart: "Asc" in the box of the ascendant's sign in that chart, then
// the labels of the Sun to Ketu, each in the box of its sign there.
BoxTexts PlaceVargaInBoxes(const reading::VargaSigns::value_type& signs,
                           const reading::BodyTexts& labels);

// The sign (0 for Aries to 11) of a sign's abbreviation, or nothing.
std::optional<int> SignOfAbbreviation(std::string_view abbreviation);

// The entries of a box text, in order; an empty text has none.
std::vector<std::string> BoxEntries(std::string_view boxText);

}  // namespace ui
