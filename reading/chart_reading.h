#pragma once

#include <array>
#include <string>

namespace reading {

// Body order of every position list.
enum Body : int {
    kSun,
    kMoon,
    kMercury,
    kVenus,
    kMars,
    kJupiter,
    kSaturn,
    kRahu,
    kKetu,
    kAscendant,
    kMidheaven,
};
inline constexpr int kBodyCount = 11;
inline constexpr int kChartBodyCount = 9;         // Sun to Ketu: the bodies placed in the chart
inline constexpr int kRetrogradePlanetCount = 5;  // Mercury to Saturn

using BodyTexts = std::array<std::string, kBodyCount>;
using BodyLongitudes = std::array<double, kBodyCount>;
using BodyArcSeconds = std::array<int, kBodyCount>;  // as the long position texts show them

// The Sun to Ketu and the ascendant: the bodies of the navamsa chart.
inline constexpr int kNavamsaBodyCount = 10;
using NavamsaSigns = std::array<std::string, kNavamsaBodyCount>;

// The computed reading. Angles leave the engine only as texts.
struct ChartReading {
    BodyTexts planetNames;      // "Sun" … "Midheaven"
    BodyTexts planetLabels;     // "Surya" … with " (R) " behind retrograde Mercury to Saturn
    BodyTexts planetPositions;  // short position texts such as "05 Sag 15"
    std::string ascendantText;  // long position texts
    std::string midheavenText;
    std::string signedAyanamsaText;  // always begins with "-"
    std::string ayanamsaText;        // the same without the minus sign
    std::string lagnaSign;           // "Ari" … "Pis"
    std::string lagnaName;           // "Mesha" … "Meena"
    std::string nakshatra;
    std::string rashi;
    std::string nakshatraLord;
    std::string pada;                                       // "1" to "4"
    std::array<bool, kRetrogradePlanetCount> retrograde{};  // Mercury, Venus, Mars, Jupiter, Saturn
    std::string moonPositionText;                           // the Moon's long position text
    BodyTexts planetLongPositions;  // the bodies' long position texts, such as 5° 15' 32" Sag
    NavamsaSigns navamsa;  // sign abbreviations of the navamsa, Sun to Ketu and the ascendant
    // Sidereal longitudes in degrees as computed, before the texts cut them, in body order;
    // for other programs to compare with, never for display.
    BodyLongitudes longitudes{};
    double ayanamsaDegrees = 0;  // the ayanamsa shown, positive

    friend bool operator==(const ChartReading&, const ChartReading&) = default;
};

}  // namespace reading
