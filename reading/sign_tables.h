#pragma once

#include <array>
#include <string_view>

#include "engine/zodiac.h"

namespace reading {

// Sign k of the zodiac, 0 (Aries) to 11 (Pisces); the chart's box k holds sign k.
inline constexpr const std::array<std::string_view, engine::kSignCount>& SignAbbreviationTable =
    engine::kSignAbbreviations;

// Sanskrit sign names: the Lagna's name and the Moon's Rashi.
inline constexpr const std::array<std::string_view, engine::kSignCount>& RashiNames =
    engine::kRashiNames;

inline constexpr int kNakshatraCount = 27;

// Nakshatra n spans sidereal longitudes from n × 13° 20′ up to (n + 1) × 13° 20′. The spellings
// are keys of the lord table.
inline constexpr std::array<std::string_view, kNakshatraCount> NakshatraNames{"Aswini",
                                                                              "Bharani",
                                                                              "Krittika",
                                                                              "Rohini",
                                                                              "Mrigsira",
                                                                              "Ardra",
                                                                              "Punarvasu",
                                                                              "Pushya",
                                                                              "Aslesha",
                                                                              "Magha",
                                                                              "Purbha Phalguni",
                                                                              "Uttara Phalguni",
                                                                              "Hasta",
                                                                              "Chitra",
                                                                              "Swati",
                                                                              "Vishakha",
                                                                              "Anuradha",
                                                                              "Jyeshtha",
                                                                              "Mula",
                                                                              "Purva Ashadha",
                                                                              "Uttara Ashadha",
                                                                              "Shravana",
                                                                              "Dhanishtha",
                                                                              "Shatbisha",
                                                                              "Poorva Bhadrapada",
                                                                              "Uttara Bhadrapada",
                                                                              "Revati"};

struct NakshatraLordRow {
    std::string_view nakshatra;
    std::string_view lord;
    std::string_view quartersInSign;  // how many of the nakshatra's quarters lie in the sign
};

inline constexpr int kNakshatraLordRowCount = 36;

// Rows 3k to 3k + 2 are the nakshatras with a part in sign k. A nakshatra that straddles two
// signs has a row in each. Row 29 spells "Dhanistha", which no Moon reading produces.
inline constexpr std::array<NakshatraLordRow, kNakshatraLordRowCount> NakshatraLordTable{{
    {"Aswini", "Ketu", "4"},
    {"Bharani", "Venus", "4"},
    {"Krittika", "Sun", "1"},
    {"Krittika", "Sun", "3"},
    {"Rohini", "Moon", "4"},
    {"Mrigsira", "Mars", "2"},
    {"Mrigsira", "Mars", "2"},
    {"Ardra", "Rahu", "4"},
    {"Punarvasu", "Jupiter", "3"},
    {"Punarvasu", "Jupiter", "1"},
    {"Pushya", "Saturn", "4"},
    {"Aslesha", "Mercury", "4"},
    {"Magha", "Ketu", "4"},
    {"Purbha Phalguni", "Venus", "4"},
    {"Uttara Phalguni", "Sun", "1"},
    {"Uttara Phalguni", "Sun", "3"},
    {"Hasta", "Moon", "4"},
    {"Chitra", "Mars", "2"},
    {"Chitra", "Mars", "2"},
    {"Swati", "Rahu", "4"},
    {"Vishakha", "Jupiter", "3"},
    {"Vishakha", "Jupiter", "1"},
    {"Anuradha", "Saturn", "4"},
    {"Jyeshtha", "Mercury", "4"},
    {"Mula", "Ketu", "4"},
    {"Purva Ashadha", "Venus", "4"},
    {"Uttara Ashadha", "Sun", "1"},
    {"Uttara Ashadha", "Sun", "3"},
    {"Shravana", "Moon", "4"},
    {"Dhanistha", "Mars", "2"},
    {"Dhanishtha", "Mars", "2"},
    {"Shatbisha", "Rahu", "4"},
    {"Poorva Bhadrapada", "Jupiter", "3"},
    {"Poorva Bhadrapada", "Jupiter", "1"},
    {"Uttara Bhadrapada", "Saturn", "4"},
    {"Revati", "Mercury", "4"},
}};

}  // namespace reading
