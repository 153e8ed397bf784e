// The North Indian chart: a square with its two diagonals and the diamond joining the middles of
// its sides. The houses never move: the first, the Lagna's, is the top middle diamond and the
// rest follow counter-clockwise; each shows the number of the sign it holds.
#include "ui/chart/style_layout.h"

namespace ui {

namespace {

// A house's corner where it meets its neighbours is cut off level or upright, kCut twips from
// the point: the sign's number stands there, and the box's text stays clear of it.
std::vector<layout::TwipsPoint> CutCorner(const std::vector<layout::TwipsPoint>& outline,
                                          layout::TwipsPoint corner) {
    constexpr int kCut = 420;
    std::vector<layout::TwipsPoint> cut;
    const std::size_t n = outline.size();
    for (std::size_t i = 0; i < n; ++i) {
        const auto& point = outline[i];
        if (point.left != corner.left || point.top != corner.top) {
            cut.push_back(point);
            continue;
        }
        // Every side of the houses runs at 45°: kCut along each axis on both sides.
        for (const auto& neighbour : {outline[(i + n - 1) % n], outline[(i + 1) % n]}) {
            const int dx = neighbour.left > point.left ? kCut : -kCut;
            const int dy = neighbour.top > point.top ? kCut : -kCut;
            cut.push_back({point.left + dx, point.top + dy});
        }
    }
    return cut;
}

}  // namespace

StyleLayout NorthLayout() {
    constexpr int S = 5280;  // the square's side: 352 pixels
    constexpr int M = S / 2;
    constexpr int Q = S / 4;
    StyleLayout north;
    north.style = ChartStyle::kNorth;
    north.frame = {0, 0, S, S};
    north.squares = {{0, 0, S, S}};
    north.lines = {{0, 0, S, S}, {S, 0, 0, S}, {M, 0, S, M},
                   {S, M, M, S}, {M, S, 0, M}, {0, M, M, 0}};
    // No box is free in the middle, and the notes stand under it: the name goes above the
    // chart, right of the logo.
    north.caption = {3000, -450, 2280, 400};
    north.housesFollowLagna = true;
    // Outline, where the text begins and where the sign's number stands, house by house.
    const std::array<BoxGeometry, kBoxCount> houses{{
        {{{M, 0}, {3 * Q, Q}, {M, M}, {Q, Q}}, {2160, 420}, {{M, M - 300}}},
        {{{0, 0}, {M, 0}, {Q, Q}}, {780, 60}, {{Q, Q - 260}}},
        {{{0, 0}, {Q, Q}, {0, M}}, {90, 840}, {{Q - 260, Q}}},
        {{{0, M}, {Q, Q}, {M, M}, {Q, 3 * Q}}, {420, 2160}, {{M - 300, M}}},
        {{{0, M}, {Q, 3 * Q}, {0, S}}, {90, 3480}, {{Q - 260, 3 * Q}}},
        {{{0, S}, {Q, 3 * Q}, {M, S}}, {780, 4380}, {{Q, 3 * Q + 260}}},
        {{{M, M}, {3 * Q, 3 * Q}, {M, S}, {Q, 3 * Q}}, {2160, 3240}, {{M, M + 300}}},
        {{{M, S}, {3 * Q, 3 * Q}, {S, S}}, {3420, 4380}, {{3 * Q, 3 * Q + 260}}},
        {{{S, S}, {3 * Q, 3 * Q}, {S, M}}, {4380, 3480}, {{3 * Q + 260, 3 * Q}}},
        {{{S, M}, {3 * Q, 3 * Q}, {M, M}, {3 * Q, Q}}, {3600, 2160}, {{M + 300, M}}},
        {{{S, M}, {3 * Q, Q}, {S, 0}}, {4380, 840}, {{3 * Q + 260, Q}}},
        {{{S, 0}, {3 * Q, Q}, {M, 0}}, {3420, 60}, {{3 * Q, Q - 260}}},
    }};
    north.boxes = houses;
    // The corner of each house that points to the chart's middle or to the crossing of two
    // lines: the rhombi meet in the middle, the triangles where a diagonal crosses the diamond.
    const std::array<layout::TwipsPoint, kBoxCount> numberCorners{{
        {M, M},
        {Q, Q},
        {Q, Q},
        {M, M},
        {Q, 3 * Q},
        {Q, 3 * Q},
        {M, M},
        {3 * Q, 3 * Q},
        {3 * Q, 3 * Q},
        {M, M},
        {3 * Q, Q},
        {3 * Q, Q},
    }};
    for (int house = 0; house < kBoxCount; ++house) {
        north.boxes[house].outline = CutCorner(north.boxes[house].outline, numberCorners[house]);
    }
    return north;
}

}  // namespace ui
