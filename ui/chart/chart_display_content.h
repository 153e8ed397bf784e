#pragma once

#include <QString>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "reading/birth_data.h"
#include "reading/chart_reading.h"
#include "ui/chart/box_placement.h"

namespace ui {

inline constexpr int kDetailCount = 6;
inline constexpr int kBirthLineCount = 8;

// The two charts the display can show: the Rashi chart places the bodies by their signs, the
// Navamsa chart by their navamsa signs.
enum class ChartKind { kRashi, kNavamsa };

// The chart's own name, shown in it: "Rashi Chart" or "Navamsa Chart", in the language spoken.
QString ChartCaption(ChartKind chart);

// Every text the chart display shows for one reading, in the language spoken when it was filled.
struct ChartDisplayContent {
    BoxTexts boxTexts;
    BoxTexts navamsaBoxTexts;
    std::array<std::string, reading::kChartBodyCount> planetPositions;
    // Ayanamsa, Lagna, Nakshatra, Rashi, Pada, Lord.
    std::array<std::string, kDetailCount> detailValues;
    // Name, City, State, Country, Date of Birth, Time of Birth, Latitude, Longitude.
    std::array<std::string, kBirthLineCount> birthLines;
    // Small lines under the chart that say how it was cast (the time zone, the positions), one
    // a line; the screen, the pictures, the documents and the page all show them.
    std::vector<std::string> notes;

    friend bool operator==(const ChartDisplayContent&, const ChartDisplayContent&) = default;

    const BoxTexts& boxTextsOf(ChartKind chart) const {
        return chart == ChartKind::kNavamsa ? navamsaBoxTexts : boxTexts;
    }
};

// The display's texts for a finished calculation in the language spoken: the reading's English
// names translated, numbers in the language's digits. The month's name comes from the caller, who
// knows the user's language.
ChartDisplayContent FillDisplay(const reading::BirthData& birth,
                                const reading::ChartReading& reading, std::string_view monthName);

// The full name of a month (1 to 12) in the user's language.
std::string MonthNameForUser(int month);

}  // namespace ui
