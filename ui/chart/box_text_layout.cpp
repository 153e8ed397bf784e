#include "ui/chart/box_text_layout.h"

#include <QString>
#include <algorithm>
#include <array>
#include <optional>

#include "ui/chart/box_placement.h"
#include "ui/chart/chart_layout.h"
#include "ui/program_fonts.h"
#include "ui/qt_text.h"

namespace ui {

namespace {

// The shapes of the twelve boxes: a whole square of the grid, or one half of a corner square
// cut by its diagonal. In square coordinates (x, y from the square's top-left corner) the main
// diagonal runs y = x and the other one x + y = side.
enum class Half { kWhole, kAboveMain, kBelowMain, kAboveAnti, kBelowAnti };

struct BoxShape {
    int square;  // 0 to 8, row by row
    Half half;
};

constexpr std::array<BoxShape, kBoxCount> kBoxShapes{{
    {1, Half::kWhole},      // Aries
    {0, Half::kAboveMain},  // Taurus
    {0, Half::kBelowMain},  // Gemini
    {3, Half::kWhole},      // Cancer
    {6, Half::kAboveAnti},  // Leo
    {6, Half::kBelowAnti},  // Virgo
    {7, Half::kWhole},      // Libra
    {8, Half::kBelowMain},  // Scorpio
    {8, Half::kAboveMain},  // Sagittarius
    {5, Half::kWhole},      // Capricorn
    {2, Half::kBelowAnti},  // Aquarius
    {2, Half::kAboveAnti},  // Pisces
}};

constexpr double kEdgeClearance = 45;      // twips from a square's sides
constexpr double kDiagonalClearance = 30;  // twips sideways from a diagonal
constexpr double kColumnGap = 75;          // twips between columns
constexpr double kSizeStep = 0.25;         // points
constexpr double kTopStep = 15;            // twips: one pixel

constexpr double kSide = layout::kSquareSide;

double SquareLeft(int box) {
    return layout::ChartSquare(kBoxShapes[box].square).left;
}
double SquareTop(int box) {
    return layout::ChartSquare(kBoxShapes[box].square).top;
}

struct Attempt {
    int box;
    double pointSize;
    double lineHeight;
    std::vector<std::string> entries;
    std::vector<double> widths;
};

// The left edge of a line of the given width whose top is top, in the given column, or nothing
// when it does not fit there.
std::optional<double> LineLeft(const Attempt& attempt, double top, double width, int column,
                               double columnLeft) {
    const double bottom = top + attempt.lineHeight;
    if (bottom > BottomOfBox(attempt.box)) {
        return std::nullopt;
    }
    const BoxSpan span = SpanOfBox(attempt.box, top, bottom);
    double left = 0;
    if (column == 0) {
        // Stay at the box text's own left edge unless the box's edge pushes the line aside.
        left = std::min(columnLeft, span.right - width);
        left = std::max(left, span.left);
    } else {
        left = std::max(columnLeft, span.left);
    }
    if (left < span.left || left + width > span.right) {
        return std::nullopt;
    }
    return left;
}

// Sets the entries from startTop down, in as many columns side by side as allowed. The first
// column begins exactly at startTop; a further column begins as high in the box as it can.
std::optional<BoxTextLayout> TryLayout(const Attempt& attempt, int maxColumns, double startTop) {
    const double boxTop = SquareTop(attempt.box) + kEdgeClearance;
    const double boxBottom = BottomOfBox(attempt.box);
    BoxTextLayout result{attempt.pointSize, attempt.lineHeight, {}, true};

    int column = 0;
    double columnLeft = layout::kBoxTextAnchors[attempt.box].left;
    double columnRight = columnLeft;
    double top = startTop;
    bool startOfColumn = true;
    for (std::size_t i = 0; i < attempt.entries.size();) {
        const double width = attempt.widths[i];
        std::optional<double> left;
        if (startOfColumn && column > 0) {
            for (double t = boxTop; t + attempt.lineHeight <= boxBottom; t += kTopStep) {
                left = LineLeft(attempt, t, width, column, columnLeft);
                if (left) {
                    top = t;
                    break;
                }
            }
        } else {
            left = LineLeft(attempt, top, width, column, columnLeft);
        }
        if (!left) {
            if (startOfColumn || column + 1 >= maxColumns) {
                return std::nullopt;
            }
            ++column;
            columnLeft = columnRight + kColumnGap;
            startOfColumn = true;
            continue;
        }
        result.lines.push_back({attempt.entries[i], *left, top, width});
        columnRight = std::max(columnRight, *left + width);
        top += attempt.lineHeight;
        startOfColumn = false;
        ++i;
    }
    return result;
}

// Where the first column may begin, best first: where the box text begins, then lower; when
// upward is allowed too, then higher.
std::vector<double> StartTops(int box, double lineHeight, bool upwardToo) {
    const double anchorTop = layout::kBoxTextAnchors[box].top;
    std::vector<double> tops;
    for (double t = anchorTop; t + lineHeight <= BottomOfBox(box); t += kTopStep) {
        tops.push_back(t);
    }
    if (upwardToo) {
        for (double t = anchorTop - kTopStep; t >= SquareTop(box) + kEdgeClearance; t -= kTopStep) {
            tops.push_back(t);
        }
    }
    return tops;
}

std::optional<BoxTextLayout> FirstFit(const Attempt& attempt, int maxColumns, bool upwardToo) {
    for (const double startTop : StartTops(attempt.box, attempt.lineHeight, upwardToo)) {
        if (auto result = TryLayout(attempt, maxColumns, startTop)) {
            return result;
        }
    }
    return std::nullopt;
}

Attempt MakeAttempt(int box, const std::vector<std::string>& entries, double pointSize,
                    const TextMeasure& measure) {
    Attempt attempt{box, pointSize, measure.lineHeight(pointSize), entries, {}};
    for (const auto& entry : entries) {
        // A trailing blank (as behind a retrograde mark) takes no room on screen.
        const auto last = entry.find_last_not_of(' ');
        const std::string_view visible(entry.data(), last == std::string::npos ? 0 : last + 1);
        attempt.widths.push_back(measure.width(visible, pointSize));
    }
    return attempt;
}

}  // namespace

double ProgramFontMeasure::lineHeight(double pointSize) const {
    return PaintLineHeight(pointSize, false) * kTwipsPerPixel;
}

double ProgramFontMeasure::width(std::string_view text, double pointSize) const {
    return PaintTextWidth(QStringOf(text), pointSize, false) * kTwipsPerPixel;
}

BoxSpan SpanOfBox(int box, double top, double bottom) {
    const double x0 = SquareLeft(box);
    const double t = top - SquareTop(box);
    const double b = bottom - SquareTop(box);
    double left = kEdgeClearance;
    double right = kSide - kEdgeClearance;
    switch (kBoxShapes[box].half) {
        case Half::kWhole:
            break;
        case Half::kAboveMain:  // x > y: the diagonal closes in from the left going down
            left = std::max(left, b + kDiagonalClearance);
            break;
        case Half::kBelowMain:  // x < y: room on the right grows going down
            right = std::min(right, t - kDiagonalClearance);
            break;
        case Half::kAboveAnti:  // x + y < side: room on the right shrinks going down
            right = std::min(right, kSide - b - kDiagonalClearance);
            break;
        case Half::kBelowAnti:  // x + y > side: the diagonal retreats to the left going down
            left = std::max(left, kSide - t + kDiagonalClearance);
            break;
    }
    return {x0 + left, x0 + right};
}

double BottomOfBox(int box) {
    return SquareTop(box) + kSide - kEdgeClearance;
}

BoxTextLayout LayoutBoxText(int box, std::string_view boxText, const TextMeasure& measure) {
    const std::vector<std::string> entries = BoxEntries(boxText);
    if (entries.empty()) {
        return {layout::kDisplayFontSize, measure.lineHeight(layout::kDisplayFontSize), {}, true};
    }
    struct Phase {
        double smallestSize;
        int maxColumns;
        bool upwardToo;
    };
    // Growing downward in one column comes first, smaller if need be; then one column that may
    // begin higher; then columns side by side, first at a size still easily read, and only then
    // smaller.
    constexpr std::array<Phase, 4> kPhases{{
        {kSmallestSingleColumnSize, 1, false},
        {kSmallestSingleColumnSize, 1, true},
        {kSmallestSingleColumnSize, kBoxCount, true},
        {kSmallestBoxTextSize, kBoxCount, true},
    }};
    for (const Phase& phase : kPhases) {
        for (double size = layout::kDisplayFontSize; size >= phase.smallestSize - 1e-9;
             size -= kSizeStep) {
            const Attempt attempt = MakeAttempt(box, entries, size, measure);
            if (auto result = FirstFit(attempt, phase.maxColumns, phase.upwardToo)) {
                return *result;
            }
        }
    }

    // Nothing fits: the smallest size, one entry under the other from where the text begins.
    const Attempt attempt = MakeAttempt(box, entries, kSmallestBoxTextSize, measure);
    const auto anchor = layout::kBoxTextAnchors[box];
    BoxTextLayout fallback{attempt.pointSize, attempt.lineHeight, {}, false};
    double top = anchor.top;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        fallback.lines.push_back({entries[i], double(anchor.left), top, attempt.widths[i]});
        top += attempt.lineHeight;
    }
    return fallback;
}

}  // namespace ui
