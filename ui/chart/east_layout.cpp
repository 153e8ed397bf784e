// The East Indian chart: a 3 × 3 grid whose corner squares are cut by diagonals; the signs never
// move, Aries in the top middle and the rest counter-clockwise.
#include "ui/chart/style_layout.h"

namespace ui {

namespace {

// A box as a part of a grid square, its corners in units of the square's side.
struct SquarePart {
    int square;
    std::vector<layout::TwipsPoint> corners;
};

}  // namespace

StyleLayout EastLayout() {
    const std::array<SquarePart, kBoxCount> parts{{
        {1, {{0, 0}, {1, 0}, {1, 1}, {0, 1}}},  // Aries
        {0, {{0, 0}, {1, 0}, {1, 1}}},          // Taurus, along the top edge
        {0, {{0, 0}, {1, 1}, {0, 1}}},          // Gemini, along the left edge
        {3, {{0, 0}, {1, 0}, {1, 1}, {0, 1}}},  // Cancer
        {6, {{0, 0}, {1, 0}, {0, 1}}},          // Leo, along the left edge
        {6, {{1, 0}, {1, 1}, {0, 1}}},          // Virgo, along the bottom edge
        {7, {{0, 0}, {1, 0}, {1, 1}, {0, 1}}},  // Libra
        {8, {{0, 0}, {1, 1}, {0, 1}}},          // Scorpio, along the bottom edge
        {8, {{0, 0}, {1, 0}, {1, 1}}},          // Sagittarius, along the right edge
        {5, {{0, 0}, {1, 0}, {1, 1}, {0, 1}}},  // Capricorn
        {2, {{1, 0}, {1, 1}, {0, 1}}},          // Aquarius, along the right edge
        {2, {{0, 0}, {1, 0}, {0, 1}}},          // Pisces, along the top edge
    }};
    StyleLayout east;
    east.style = ChartStyle::kEast;
    // The coloured area is the grid's: the chart's element is a little larger than its three
    // squares, and colour beyond the border would show on every zoom and page.
    east.frame = {0, 0, 3 * layout::kSquareSide, 3 * layout::kSquareSide};
    east.lines = {layout::kDiagonals.begin(), layout::kDiagonals.end()};
    east.caption = layout::ChartSquare(4);
    for (int i = 0; i < layout::kSquareCount; ++i) {
        east.squares.push_back(layout::ChartSquare(i));
    }
    constexpr int side = layout::kSquareSide;
    for (int box = 0; box < kBoxCount; ++box) {
        const SquarePart& part = parts[box];
        BoxGeometry& geometry = east.boxes[box];
        for (const auto& corner : part.corners) {
            geometry.outline.push_back(
                {side * (part.square % 3 + corner.left), side * (part.square / 3 + corner.top)});
        }
        geometry.textAnchor = layout::kBoxTextAnchors[box];
    }
    return east;
}

}  // namespace ui
