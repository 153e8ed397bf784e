#pragma once

#include <array>
#include <string_view>

namespace reading {

struct DashaLord {
    std::string_view name;
    int years;  // the length of the lord's mahadasha
};

inline constexpr int kDashaLordCount = 9;

// The Vimshottari order of the nine lords, which also rules the nakshatras: nakshatra n (0 for
// Aswini) belongs to lord n mod 9.
inline constexpr std::array<DashaLord, kDashaLordCount> kDashaLords{{
    {"Ketu", 7},
    {"Venus", 20},
    {"Sun", 6},
    {"Moon", 10},
    {"Mars", 7},
    {"Rahu", 18},
    {"Jupiter", 16},
    {"Saturn", 19},
    {"Mercury", 17},
}};

// The years of the whole cycle of nine mahadashas.
inline constexpr int kDashaCycleYears = 120;

constexpr int DashaLordOfNakshatra(int nakshatra) {
    return nakshatra % kDashaLordCount;
}

constexpr std::string_view LordNameOfNakshatra(int nakshatra) {
    return kDashaLords[DashaLordOfNakshatra(nakshatra)].name;
}

}  // namespace reading
