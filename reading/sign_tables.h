#pragma once

#include <array>
#include <string_view>

#include "engine/zodiac.h"
#include "reading/dasha_lords.h"

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
// signs has a row in each. Row 29 spells "Dhanistha", which no Moon reading produces. The lords
// come from the dasha order, so the lord shown and the dasha's first lord cannot disagree.
inline constexpr std::array<NakshatraLordRow, kNakshatraLordRowCount> NakshatraLordTable{{
    {"Aswini", LordNameOfNakshatra(0), "4"},
    {"Bharani", LordNameOfNakshatra(1), "4"},
    {"Krittika", LordNameOfNakshatra(2), "1"},
    {"Krittika", LordNameOfNakshatra(2), "3"},
    {"Rohini", LordNameOfNakshatra(3), "4"},
    {"Mrigsira", LordNameOfNakshatra(4), "2"},
    {"Mrigsira", LordNameOfNakshatra(4), "2"},
    {"Ardra", LordNameOfNakshatra(5), "4"},
    {"Punarvasu", LordNameOfNakshatra(6), "3"},
    {"Punarvasu", LordNameOfNakshatra(6), "1"},
    {"Pushya", LordNameOfNakshatra(7), "4"},
    {"Aslesha", LordNameOfNakshatra(8), "4"},
    {"Magha", LordNameOfNakshatra(9), "4"},
    {"Purbha Phalguni", LordNameOfNakshatra(10), "4"},
    {"Uttara Phalguni", LordNameOfNakshatra(11), "1"},
    {"Uttara Phalguni", LordNameOfNakshatra(11), "3"},
    {"Hasta", LordNameOfNakshatra(12), "4"},
    {"Chitra", LordNameOfNakshatra(13), "2"},
    {"Chitra", LordNameOfNakshatra(13), "2"},
    {"Swati", LordNameOfNakshatra(14), "4"},
    {"Vishakha", LordNameOfNakshatra(15), "3"},
    {"Vishakha", LordNameOfNakshatra(15), "1"},
    {"Anuradha", LordNameOfNakshatra(16), "4"},
    {"Jyeshtha", LordNameOfNakshatra(17), "4"},
    {"Mula", LordNameOfNakshatra(18), "4"},
    {"Purva Ashadha", LordNameOfNakshatra(19), "4"},
    {"Uttara Ashadha", LordNameOfNakshatra(20), "1"},
    {"Uttara Ashadha", LordNameOfNakshatra(20), "3"},
    {"Shravana", LordNameOfNakshatra(21), "4"},
    {"Dhanistha", LordNameOfNakshatra(22), "2"},
    {"Dhanishtha", LordNameOfNakshatra(22), "2"},
    {"Shatbisha", LordNameOfNakshatra(23), "4"},
    {"Poorva Bhadrapada", LordNameOfNakshatra(24), "3"},
    {"Poorva Bhadrapada", LordNameOfNakshatra(24), "1"},
    {"Uttara Bhadrapada", LordNameOfNakshatra(25), "4"},
    {"Revati", LordNameOfNakshatra(26), "4"},
}};

}  // namespace reading
