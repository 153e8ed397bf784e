#pragma once

#include <array>
#include <optional>
#include <vector>

#include "ui/chart/box_placement.h"
#include "ui/chart/chart_layout.h"
#include "ui/chart/chart_style.h"

// A chart style as data: the lines that divide the chart into its twelve boxes, each box's
// outline and where its text begins, and which box a sign falls in. One painter draws any of
// them; twips, measured from the chart's top-left corner.
namespace ui {

struct BoxGeometry {
    std::vector<layout::TwipsPoint> outline;  // the corners of a convex box, in order
    layout::TwipsPoint textAnchor;            // where the box's text begins
    // Where the number of the box's sign stands (its centre), in styles that number the signs.
    std::optional<layout::TwipsPoint> numberAnchor;
};

struct StyleLayout {
    ChartStyle style;
    TwipsRect frame;                       // the chart's coloured area: its outer border's extent
    std::vector<TwipsRect> squares;        // drawn as rectangles on whole pixels
    std::vector<layout::TwipsLine> lines;  // drawn smooth
    std::array<BoxGeometry, kBoxCount> boxes;
    TwipsRect caption;               // where the chart's name stands
    bool housesFollowLagna = false;  // the Lagna's sign in box 0, the next sign in box 1 …
    bool marksLagnaBox = false;      // a stroke across the Lagna's box's corner

    // The box that holds a sign (0 for Aries to 11), given the Lagna's sign (or nothing).
    int boxOfSign(int sign, std::optional<int> lagnaSign) const;
    // The sign a box holds; nothing when the houses follow a Lagna that is not known.
    std::optional<int> signOfBox(int box, std::optional<int> lagnaSign) const;
};

const StyleLayout& LayoutOf(ChartStyle style);

// The separate styles' layouts, each in a file of its own.
StyleLayout EastLayout();
StyleLayout NorthLayout();
StyleLayout SouthLayout();

// The texts of the twelve boxes of a style, box by box, from the texts of the twelve signs.
BoxTexts TextsByBox(const StyleLayout& layout, const BoxTexts& signTexts,
                    std::optional<int> lagnaSign);

// The stroke that marks the Lagna's box in the styles that mark it: across its top-right corner.
layout::TwipsLine LagnaMark(const BoxGeometry& box);

}  // namespace ui
