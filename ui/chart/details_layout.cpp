#include "ui/chart/details_layout.h"

#include <algorithm>
#include <optional>

#include "ui/chart/chart_layout.h"
#include "ui/program_fonts.h"
#include "ui/twips.h"

namespace ui {

namespace {

constexpr double kSizeStep = 0.25;         // points
constexpr double kPanelBottomMargin = 60;  // twips the last row keeps above the panel's edge

// The text broken at the blank that leaves its longer line shortest, when both lines fit width
// at pointSize.
std::optional<QStringList> TwoLines(const QString& text, double width, double pointSize) {
    std::optional<QStringList> best;
    double bestWidth = 0;
    for (qsizetype at = text.indexOf(QLatin1Char(' ')); at > 0;
         at = text.indexOf(QLatin1Char(' '), at + 1)) {
        const QString first = text.left(at).trimmed();
        const QString second = text.mid(at + 1).trimmed();
        if (first.isEmpty() || second.isEmpty()) {
            continue;
        }
        const double longer = std::max(PaintTextWidth(first, pointSize, false),
                                       PaintTextWidth(second, pointSize, false));
        if (longer <= width && (!best || longer < bestWidth)) {
            best = QStringList{first, second};
            bestWidth = longer;
        }
    }
    return best;
}

double CellWidth(const TwipsRect& cell) {
    return TwipsToPixels(cell.width) - kCellTextInsetLeft - kCellTextInsetRight;
}

// Twips a cell needs for its lines: the designed height for one, room for both for two.
double NeededHeight(const CellLines& cell, double designedHeight) {
    if (cell.lines.size() < 2) {
        return designedHeight;
    }
    const double pixels =
        2 * kCellTextInsetTop + cell.lines.size() * PaintLineHeight(cell.pointSize, false);
    return std::max(designedHeight, pixels * kTwipsPerPixel);
}

// The rows, or nothing when they do not fit in the panel.
std::optional<DetailRowPlaces> PlaceRows(const std::array<QString, kDetailCount>& captions,
                                         const std::array<QString, kDetailCount>& values,
                                         bool twoLines) {
    DetailRowPlaces rows;
    for (int row = 0; row < kDetailCount; ++row) {
        DetailRowPlace& place = rows[row];
        place.caption = FitCellLines(captions[row], CellWidth(layout::kDetailCaptionCell),
                                     layout::kTableFontSize, kSmallestCellTextSize, twoLines);
        place.value = FitCellLines(values[row], CellWidth(layout::kDetailValueCell),
                                   layout::kTableFontSize, kSmallestCellTextSize, twoLines);
        const double designed = layout::kDetailValueCell.height;
        place.height =
            std::max(NeededHeight(place.caption, designed), NeededHeight(place.value, designed));
    }
    // The rows stand as designed down to the first that has grown; below it each stands under
    // the one before, the designed gaps between them narrowed as far as the panel needs.
    const auto& tops = layout::kDetailRowTops;
    const double designedHeight = layout::kDetailValueCell.height;
    int grown = 0;
    while (grown < kDetailCount && rows[grown].height <= designedHeight) {
        rows[grown].top = tops[grown];
        ++grown;
    }
    if (grown == kDetailCount) {
        return rows;
    }
    double heights = 0;
    double gaps = 0;
    for (int row = grown; row < kDetailCount; ++row) {
        heights += rows[row].height;
        if (row + 1 < kDetailCount) {
            gaps += tops[row + 1] - tops[row] - designedHeight;
        }
    }
    const double room = layout::kDetailsPanel.height - kPanelBottomMargin - tops[grown] - heights;
    if (room < 0) {
        return std::nullopt;
    }
    const double share = gaps > 0 ? std::min(room / gaps, 1.0) : 1.0;
    double top = tops[grown];
    for (int row = grown; row < kDetailCount; ++row) {
        rows[row].top = top;
        if (row + 1 < kDetailCount) {
            top += rows[row].height + (tops[row + 1] - tops[row] - designedHeight) * share;
        }
    }
    return rows;
}

}  // namespace

CellLines FitCellLines(const QString& text, double width, double designedSize, double smallestSize,
                       bool twoLines) {
    for (double size = designedSize; size >= smallestSize - 1e-9; size -= kSizeStep) {
        if (PaintTextWidth(text, size, false) <= width) {
            return {size, {text}};
        }
        if (twoLines) {
            if (auto lines = TwoLines(text, width, size)) {
                return {size, *lines};
            }
        }
    }
    return {designedSize, {text}};
}

DetailRowPlaces LayOutDetailRows(const std::array<QString, kDetailCount>& captions,
                                 const std::array<QString, kDetailCount>& values) {
    if (auto wrapped = PlaceRows(captions, values, true)) {
        return *wrapped;
    }
    // One line a row always fits: the rows as designed.
    return PlaceRows(captions, values, false).value_or(DetailRowPlaces{});
}

}  // namespace ui
