// The South Indian chart: twelve squares round the edge of a 4 × 4 grid whose middle holds the
// chart's name. The signs never move: Pisces at the top left and the rest clockwise; a stroke
// across a corner marks the Lagna's sign.
#include "ui/chart/style_layout.h"

namespace ui {

StyleLayout SouthLayout() {
    constexpr int S = 5280;  // the grid's side: 352 pixels
    constexpr int C = S / 4;
    constexpr int kCornerCut = 300;  // the corner the Lagna's stroke crosses stays free of text
    // The grid cell of each sign, Aries to Pisces, as column and row.
    constexpr std::array<layout::TwipsPoint, kBoxCount> kCells{{
        {1, 0},
        {2, 0},
        {3, 0},
        {3, 1},
        {3, 2},
        {3, 3},
        {2, 3},
        {1, 3},
        {0, 3},
        {0, 2},
        {0, 1},
        {0, 0},
    }};
    StyleLayout south;
    south.style = ChartStyle::kSouth;
    south.frame = {0, 0, S, S};
    south.caption = {C, C, 2 * C, 2 * C};
    south.marksLagnaBox = true;
    for (int sign = 0; sign < kBoxCount; ++sign) {
        const int x = kCells[sign].left * C;
        const int y = kCells[sign].top * C;
        south.squares.push_back({x, y, C, C});
        south.boxes[sign] = {
            {{x, y}, {x + C - kCornerCut, y}, {x + C, y + kCornerCut}, {x + C, y + C}, {x, y + C}},
            {x + 90, y + 60},
            std::nullopt};
    }
    return south;
}

}  // namespace ui
