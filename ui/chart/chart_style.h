#pragma once

#include <QtGlobal>
#include <array>
#include <optional>
#include <string_view>

namespace ui {

// The three ways of drawing a chart. East Indian is the program's own and the default.
enum class ChartStyle { kEast, kNorth, kSouth };

struct ChartStyleName {
    ChartStyle style;
    std::string_view key;  // on the command line and in the settings: "east", "north", "south"
    const char* name;      // in the View menu, translated in the context "ChartWords"
};

inline constexpr std::array<ChartStyleName, 3> kChartStyles{{
    {ChartStyle::kEast, "east", QT_TRANSLATE_NOOP("ChartWords", "East Indian")},
    {ChartStyle::kNorth, "north", QT_TRANSLATE_NOOP("ChartWords", "North Indian")},
    {ChartStyle::kSouth, "south", QT_TRANSLATE_NOOP("ChartWords", "South Indian")},
}};

constexpr const ChartStyleName& NameOf(ChartStyle style) {
    return kChartStyles[static_cast<int>(style)];
}

constexpr std::optional<ChartStyle> StyleOfKey(std::string_view key) {
    for (const ChartStyleName& row : kChartStyles) {
        if (row.key == key) {
            return row.style;
        }
    }
    return std::nullopt;
}

}  // namespace ui
