#pragma once

#include <QString>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reading/birth_data.h"
#include "reading/chart_reading.h"
#include "reading/vargas.h"
#include "ui/chart/box_placement.h"

namespace ui {

inline constexpr int kDetailCount = 6;
inline constexpr int kBirthLineCount = 8;

// The charts the display can show: one of the sixteen divisional charts, by its place in
// reading::kVargaCharts. The Rashi chart places the bodies by their signs, the others by their
// signs in that chart; the two most used are named.
enum class ChartKind : int { kRashi = reading::kRashiVarga, kNavamsa = reading::kNavamsaVarga };

constexpr ChartKind VargaChart(int varga) {
    return static_cast<ChartKind>(varga);
}
constexpr int VargaOf(ChartKind chart) {
    return static_cast<int>(chart);
}

// The chart's own name, shown in it, in the language spoken: "Rashi Chart", "Navamsa Chart" as
// the program always named them, and the others by their names and numbers, such as
// "Dasamsa (D10)".
QString ChartCaption(ChartKind chart);

// Every text the chart display shows for one reading, in the language spoken when it was filled.
struct ChartDisplayContent {
    // The box texts of every chart, by sign, and the sign of its Lagna (nothing when unknown).
    std::array<BoxTexts, reading::kVargaCount> chartBoxTexts;
    std::array<std::optional<int>, reading::kVargaCount> lagnaSigns;
    std::array<std::string, reading::kChartBodyCount> planetPositions;
    // Ayanamsa, Lagna, Nakshatra, Rashi, Pada, Lord.
    std::array<std::string, kDetailCount> detailValues;
    // Name, City, State, Country, Date of Birth, Time of Birth, Latitude, Longitude.
    std::array<std::string, kBirthLineCount> birthLines;
    // Small lines under the chart that say how it was cast (the time zone, the positions), one
    // a line; the screen, the pictures, the documents and the page all show them.
    std::vector<std::string> notes;

    friend bool operator==(const ChartDisplayContent&, const ChartDisplayContent&) = default;

    const BoxTexts& boxTextsOf(ChartKind chart) const { return chartBoxTexts[VargaOf(chart)]; }
    BoxTexts& boxTextsOf(ChartKind chart) { return chartBoxTexts[VargaOf(chart)]; }
    std::optional<int> lagnaSignOf(ChartKind chart) const { return lagnaSigns[VargaOf(chart)]; }
};

// The display's texts for a finished calculation in the language spoken: the reading's English
// names translated, numbers in the language's digits. The month's name comes from the caller, who
// knows the user's language.
ChartDisplayContent FillDisplay(const reading::BirthData& birth,
                                const reading::ChartReading& reading, std::string_view monthName);

// The full name of a month (1 to 12) in the user's language.
std::string MonthNameForUser(int month);

}  // namespace ui
