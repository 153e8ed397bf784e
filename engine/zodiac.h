#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace engine {

inline constexpr int kSignCount = 12;
inline constexpr int kArcSecondsPerSign = 30 * 3600;

// Three-letter abbreviations in zodiac order, index 0 (Aries) to 11 (Pisces). Position texts end
// in them and the chart places bodies by them.
inline constexpr std::array<std::string_view, kSignCount> kSignAbbreviations{
    "Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};

// Sanskrit names of the signs, shown as the Lagna and as the Moon's Rashi.
inline constexpr std::array<std::string_view, kSignCount> kRashiNames{
    "Mesha", "Vrishabha", "Mithuna", "Kataka", "Simha",  "Kanya",
    "Thula", "Vrishcika", "Dhanush", "Makara", "Kumbha", "Meena"};

// The sign index of an abbreviation, compared exactly; nothing for any other text.
constexpr std::optional<int> SignIndexOf(std::string_view abbreviation) {
    for (int k = 0; k < kSignCount; ++k) {
        if (kSignAbbreviations[k] == abbreviation) {
            return k;
        }
    }
    return std::nullopt;
}

}  // namespace engine
