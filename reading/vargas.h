#pragma once

#include <array>
#include <string_view>

#include "reading/chart_reading.h"

namespace reading {

// The sixteen divisional charts (the Shodashavarga): each divides every sign into its number of
// equal parts (the Trimsamsa into five unequal ones) and gives each part a sign.
struct VargaChart {
    int divisions;          // 1 for the Rashi chart, 9 for the Navamsa, …
    std::string_view key;   // "D1" … "D60", as the command line's JSON names it
    std::string_view name;  // "Rashi", "Hora", …
};

inline constexpr std::array<VargaChart, kVargaCount> kVargaCharts{{
    {1, "D1", "Rashi"},
    {2, "D2", "Hora"},
    {3, "D3", "Drekkana"},
    {4, "D4", "Chaturthamsa"},
    {7, "D7", "Saptamsa"},
    {9, "D9", "Navamsa"},
    {10, "D10", "Dasamsa"},
    {12, "D12", "Dwadasamsa"},
    {16, "D16", "Shodasamsa"},
    {20, "D20", "Vimsamsa"},
    {24, "D24", "Chaturvimsamsa"},
    {27, "D27", "Bhamsa"},
    {30, "D30", "Trimsamsa"},
    {40, "D40", "Khavedamsa"},
    {45, "D45", "Akshavedamsa"},
    {60, "D60", "Shashtiamsa"},
}};

// Where a chart stands in kVargaCharts.
inline constexpr int kRashiVarga = 0;
inline constexpr int kNavamsaVarga = 5;

// The sign (0 for Aries to 11 for Pisces) that the chart at index varga of kVargaCharts gives a
// position shown in whole arc-seconds from 0° Aries (0 to 1 295 999).
int VargaSignOfArcSeconds(int varga, int arcSeconds);

// The signs of the Sun to Ketu and the ascendant in every chart, from their arc-seconds in body
// order.
VargaSigns VargasOf(const BodyArcSeconds& arcSeconds);

}  // namespace reading
