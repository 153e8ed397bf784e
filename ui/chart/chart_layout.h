#pragma once

#include <QtGlobal>
#include <array>

#include "ui/chart/box_placement.h"
#include "ui/twips.h"

// Where everything stands on the chart display, in twips. Positions inside the chart, the planet
// table and the details panel are measured from the top-left corner of that element.
namespace ui::layout {

inline constexpr TwipsRect kDisplay{0, 0, 15000, 8145};
inline constexpr TwipsRect kLogo{1320, 0, 2925, 1665};
inline constexpr TwipsRect kChart{1320, 1800, 5300, 5300};
inline constexpr TwipsRect kDetailsPanel{6840, 4545, 3705, 2565};
inline constexpr TwipsRect kPlanetTable{10680, 3825, 3550, 3285};

// The chart: a 3 × 3 grid of squares whose centre stays empty.
inline constexpr int kSquareSide = 1755;
inline constexpr int kFirstSquareSide = 1750;  // square 0 is drawn a little smaller
inline constexpr int kSquareCount = 9;

constexpr TwipsRect ChartSquare(int i) {
    const int side = i == 0 ? kFirstSquareSide : kSquareSide;
    return {kSquareSide * (i % 3), kSquareSide * (i / 3), side, side};
}

struct TwipsLine {
    int x1, y1, x2, y2;
};

// Each diagonal splits a corner square from the chart's outer corner to the centre square.
inline constexpr std::array<TwipsLine, 4> kDiagonals{{
    {3495, 1750, 5250, 0},     // top right
    {0, 5230, 1755, 3480},     // bottom left
    {0, 0, 1775, 1775},        // top left
    {3495, 3495, 5280, 5280},  // bottom right
}};

struct TwipsPoint {
    int left, top;
};

// Where the text of box k begins; it grows downward from there.
inline constexpr std::array<TwipsPoint, kBoxCount> kBoxTextAnchors{{
    {1920, 0},     // Aries: top middle square
    {840, 0},      // Taurus: top-left square, along the top edge
    {120, 720},    // Gemini: top-left square, along the left edge
    {120, 1920},   // Cancer: middle-left square
    {120, 3600},   // Leo: bottom-left square, along the left edge
    {960, 4320},   // Virgo: bottom-left square, along the bottom edge
    {1920, 3600},  // Libra: bottom middle square
    {3600, 4320},  // Scorpio: bottom-right square, along the bottom edge
    {4200, 3600},  // Sagittarius: bottom-right square, along the right edge
    {3600, 1920},  // Capricorn: middle-right square
    {4440, 840},   // Aquarius: top-right square, along the right edge
    {3600, 0},     // Pisces: top-right square, along the top edge
}};
inline constexpr int kBoxTextRestWidth = 570;
inline constexpr int kBoxTextRestHeight = 195;

// The planet table: a name and a position for the Sun to Ketu.
inline constexpr std::array<int, 9> kPlanetRowTops{300,  615,  945,  1275, 1590,
                                                   1920, 2250, 2565, 2895};
inline constexpr TwipsRect kPlanetNameCell{150, 0, 1935, 285};
inline constexpr TwipsRect kPlanetPositionCell{2070, 0, 1365, 285};
// Shown in the language spoken, translated in the context "ChartDisplay".
inline constexpr std::array<const char*, 9> kPlanetRowNames{
    QT_TRANSLATE_NOOP("ChartDisplay", "Surya / Sun"),
    QT_TRANSLATE_NOOP("ChartDisplay", "Chandra / Moon"),
    QT_TRANSLATE_NOOP("ChartDisplay", "Budha / Mercury"),
    QT_TRANSLATE_NOOP("ChartDisplay", "Shukra / Venus"),
    QT_TRANSLATE_NOOP("ChartDisplay", "Mangala / Mars"),
    QT_TRANSLATE_NOOP("ChartDisplay", "Guru / Jupiter"),
    QT_TRANSLATE_NOOP("ChartDisplay", "Shani / Saturn"),
    QT_TRANSLATE_NOOP("ChartDisplay", "Rahu / North Node"),
    QT_TRANSLATE_NOOP("ChartDisplay", "Ketu / South Node")};

// The details panel: a caption and a value in each row.
inline constexpr std::array<int, 6> kDetailRowTops{300, 670, 1050, 1425, 1785, 2160};
inline constexpr TwipsRect kDetailCaptionCell{120, 0, 1740, 270};
inline constexpr TwipsRect kDetailValueCell{1860, 0, 1740, 270};
inline constexpr std::array<const char*, 6> kDetailCaptions{
    QT_TRANSLATE_NOOP("ChartDisplay", "Ayanamsa"),
    QT_TRANSLATE_NOOP("ChartDisplay", "Lagna / Asc"),
    QT_TRANSLATE_NOOP("ChartDisplay", "Nakshatra"),
    QT_TRANSLATE_NOOP("ChartDisplay", "Rashi/Moon Sign"),
    QT_TRANSLATE_NOOP("ChartDisplay", "Pada"),
    QT_TRANSLATE_NOOP("ChartDisplay", "Lord")};

// The eight birth-detail lines, each as long as its text.
inline constexpr int kBirthLinesLeft = 6840;
inline constexpr std::array<int, 8> kBirthLineTops{1800, 2130, 2445, 2775, 3090, 3420, 3735, 4065};
inline constexpr int kBirthLineHeight = 195;

// The notes under the chart and the tables, across the display: how the chart was cast.
inline constexpr int kNotesLeft = 1320;
inline constexpr int kNotesTop = 7230;
inline constexpr int kNoteLineHeight = 210;
inline constexpr int kNoteCount = 4;  // as many as the room below the chart holds

// Font sizes in points.
inline constexpr double kDisplayFontSize = 8.25;  // box texts, birth lines, frame captions
inline constexpr double kTableFontSize = 9.75;    // planet table and details rows
inline constexpr double kNoteFontSize = 7.0;      // notes under the chart

}  // namespace ui::layout
