#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "ui/chart/chart_display_content.h"

// Where the rows of the "Other Vedic Details" panel stand and how their texts are set.
namespace ui {

// A text set in a cell: one line, or two broken at a blank, at one size in points.
struct CellLines {
    double pointSize = 0;
    QStringList lines;
};

// How text is set in a cell width logical pixels wide, as wide as its text allows: on one line at
// designedSize when it fits; else broken at a blank onto two lines (when twoLines allows) at
// that size; only when neither fits, smaller, down to smallestSize, still preferring two lines
// to a smaller size. A text that fits in no way is one line at designedSize, left to the painter
// to shrink and cut short.
CellLines FitCellLines(const QString& text, double width, double designedSize, double smallestSize,
                       bool twoLines);

struct DetailRowPlace {
    double top = 0;     // twips from the panel's top
    double height = 0;  // twips
    CellLines caption;
    CellLines value;
};
using DetailRowPlaces = std::array<DetailRowPlace, kDetailCount>;

// The panel's rows for these captions and values. Texts that fit their cells stand on the rows
// as designed. A text too wide wraps onto a second line; its row grows, and the rows below move
// down and closer together within the panel. When even that leaves no room, every text keeps to
// one line and is set smaller.
DetailRowPlaces LayOutDetailRows(const std::array<QString, kDetailCount>& captions,
                                 const std::array<QString, kDetailCount>& values);

// The room a cell's text has, in logical pixels: the cell less its insets.
inline constexpr double kCellTextInsetLeft = 2;
inline constexpr double kCellTextInsetRight = 2;
inline constexpr double kCellTextInsetTop = 1;

// The smallest size a cell's text shrinks to before it must be cut short.
inline constexpr double kSmallestCellTextSize = 6.0;  // points

}  // namespace ui
