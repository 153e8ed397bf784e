#pragma once

#include <array>
#include <string>
#include <string_view>

#include "reading/birth_data.h"
#include "reading/chart_reading.h"
#include "ui/box_placement.h"

namespace ui {

inline constexpr int kDetailCount = 6;
inline constexpr int kBirthLineCount = 8;

// Every text the chart display shows for one reading.
struct ChartDisplayContent {
    BoxTexts boxTexts;
    std::array<std::string, reading::kChartBodyCount> planetPositions;
    // Ayanamsa, Lagna, Nakshatra, Rashi, Pada, Lord.
    std::array<std::string, kDetailCount> detailValues;
    // Name, City, State, Country, Date of Birth, Time of Birth, Latitude, Longitude.
    std::array<std::string, kBirthLineCount> birthLines;

    friend bool operator==(const ChartDisplayContent&, const ChartDisplayContent&) = default;
};

// The display's texts for a finished calculation; the month's name comes from the caller, who
// knows the user's language.
ChartDisplayContent FillDisplay(const reading::BirthData& birth,
                                const reading::ChartReading& reading, std::string_view monthName);

// The full name of a month (1 to 12) in the user's language.
std::string MonthNameForUser(int month);

}  // namespace ui
