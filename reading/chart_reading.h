#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/small_text.h"
#include "reading/chart_settings.h"

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

// Names from the program's constant tables, which live as long as the program.
using BodyNames = std::array<std::string_view, kBodyCount>;
// Texts made for one chart, held in the record itself.
using BodyTexts = std::array<engine::SmallText, kBodyCount>;
using BodyLongitudes = std::array<double, kBodyCount>;
using BodyArcSeconds = std::array<int, kBodyCount>;      // as the long position texts show them
using BodySpeeds = std::array<double, kChartBodyCount>;  // degrees a day, Sun to Ketu

// The Sun to Ketu and the ascendant: the bodies of the navamsa chart. Their navamsa signs are
// abbreviations from the sign table itself, which lives as long as the program.
inline constexpr int kNavamsaBodyCount = 10;
using NavamsaSigns = std::array<std::string_view, kNavamsaBodyCount>;

// The signs (0 for Aries to 11 for Pisces) of the same ten bodies in each of the sixteen
// divisional charts, in the order of kVargaCharts (reading/vargas.h).
inline constexpr int kVargaCount = 16;
using VargaSigns = std::array<std::array<std::uint8_t, kNavamsaBodyCount>, kVargaCount>;

// The computed reading. Angles leave the engine only as texts. It holds no pointer to anything
// but the constant tables, so it is copied as plain bytes, and a chart allocates nothing.
struct ChartReading {
    BodyNames planetNames;      // "Sun" … "Midheaven"
    BodyTexts planetLabels;     // "Surya" … with " (R) " behind retrograde Mercury to Saturn
    BodyTexts planetPositions;  // short position texts such as "05 Sag 15"
    engine::SmallText ascendantText;  // long position texts
    engine::SmallText midheavenText;
    engine::SmallText signedAyanamsaText;  // always begins with "-"
    engine::SmallText ayanamsaText;        // the same without the minus sign
    std::string_view lagnaSign;            // "Ari" … "Pis"
    std::string_view lagnaName;            // "Mesha" … "Meena"
    std::string_view nakshatra;
    std::string_view rashi;
    std::string_view nakshatraLord;
    std::string_view pada;                                  // "1" to "4"
    std::array<bool, kRetrogradePlanetCount> retrograde{};  // Mercury, Venus, Mars, Jupiter, Saturn
    engine::SmallText moonPositionText;                     // the Moon's long position text
    BodyTexts planetLongPositions;  // the bodies' long position texts, such as 5° 15' 32" Sag
    NavamsaSigns navamsa;  // sign abbreviations of the navamsa, Sun to Ketu and the ascendant
    VargaSigns vargas{};   // every divisional chart's signs, from the same arc-seconds
    // Sidereal longitudes in degrees as computed, before the texts cut them, in body order;
    // for other programs to compare with, never for display.
    BodyLongitudes longitudes{};
    double ayanamsaDegrees = 0;  // the ayanamsa shown, positive
    // How the reading was calculated; with mean elements always the default settings, since
    // their ayanamsa (Lahiri's, from a polynomial) and node (the mean one) are fixed.
    ChartSettings settings;
    // The precise ephemeris's daily motions, behind its retrograde marks; all zero with mean
    // elements, whose marks come from the table of stations.
    BodySpeeds speeds{};

    friend bool operator==(const ChartReading&, const ChartReading&) = default;
};

}  // namespace reading
