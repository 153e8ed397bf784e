#include "ui/chart/box_text_layout.h"

#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>

#include "ui/chart/box_placement.h"
#include "ui/chart/chart_layout.h"
#include "ui/chart/style_layout.h"
#include "ui/program_fonts.h"
#include "ui/qt_text.h"

namespace ui {

namespace {

constexpr double kColumnGap = 75;   // twips between columns
constexpr double kLineGap = 15;     // twips between one line's ink and the next line's
constexpr double kSizeStep = 0.25;  // points
constexpr double kTopStep = 15;     // twips: one pixel

struct Attempt {
    const BoxGeometry* box;
    double pointSize;
    double lineHeight;  // from one line's top to the next's
    std::vector<std::string> entries;
    std::vector<double> widths;
    std::vector<InkBox> inks;
};

InkBox Shifted(const InkBox& ink, double left, double top) {
    return {left + ink.left, top + ink.top, left + ink.right, top + ink.bottom};
}

// The left edge of the line of entry whose top is top, in the given column, or nothing when its
// ink does not fit there.
std::optional<double> LineLeft(const Attempt& attempt, double top, std::size_t entry, int column,
                               double columnLeft) {
    constexpr double kSlack = 1e-6;
    const InkBox& ink = attempt.inks[entry];
    const double inkTop = top + ink.top;
    const double inkBottom = top + ink.bottom;
    if (inkTop < TopOfBox(*attempt.box) - kSlack || inkBottom > BottomOfBox(*attempt.box)) {
        return std::nullopt;
    }
    const BoxSpan span = SpanOfBox(*attempt.box, inkTop, inkBottom);
    double left = 0;
    if (column == 0) {
        // Stay at the box text's own left edge unless the box's side pushes the line aside.
        left = std::min(columnLeft, span.right - ink.right);
        left = std::max(left, span.left - ink.left);
    } else {
        left = std::max(columnLeft, span.left - ink.left);
    }
    if (left + ink.left < span.left - kSlack || left + ink.right > span.right + kSlack) {
        return std::nullopt;
    }
    return left;
}

// Sets the entries from startTop down, in as many columns side by side as allowed. The first
// column begins exactly at startTop; a further column begins as high in the box as it can.
std::optional<BoxTextLayout> TryLayout(const Attempt& attempt, int maxColumns, double startTop) {
    const double boxTop = TopOfBox(*attempt.box);
    const double boxBottom = BottomOfBox(*attempt.box);
    BoxTextLayout result{attempt.pointSize, attempt.lineHeight, {}, true};

    int column = 0;
    double columnLeft = attempt.box->textAnchor.left;
    double columnRight = columnLeft;
    double top = startTop;
    bool startOfColumn = true;
    for (std::size_t i = 0; i < attempt.entries.size();) {
        const double width = attempt.widths[i];
        std::optional<double> left;
        if (startOfColumn && column > 0) {
            for (double t = boxTop - attempt.inks[i].top; t + attempt.inks[i].bottom <= boxBottom;
                 t += kTopStep) {
                left = LineLeft(attempt, t, i, column, columnLeft);
                if (left) {
                    top = t;
                    break;
                }
            }
        } else {
            left = LineLeft(attempt, top, i, column, columnLeft);
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
        result.lines.push_back(
            {attempt.entries[i], *left, top, width, Shifted(attempt.inks[i], *left, top)});
        columnRight = std::max(columnRight, *left + width);
        top += attempt.lineHeight;
        startOfColumn = false;
        ++i;
    }
    return result;
}

// Where the first column may begin, best first: where the box text begins, then lower; when
// upward is allowed too, then higher, as long as the first line's ink stays inside.
std::vector<double> StartTops(const Attempt& attempt, bool upwardToo) {
    const BoxGeometry& box = *attempt.box;
    const double anchorTop = box.textAnchor.top;
    std::vector<double> tops;
    for (double t = anchorTop; t + attempt.lineHeight <= BottomOfBox(box); t += kTopStep) {
        tops.push_back(t);
    }
    if (upwardToo) {
        for (double t = anchorTop - kTopStep; t + attempt.inks.front().top >= TopOfBox(box);
             t -= kTopStep) {
            tops.push_back(t);
        }
    }
    return tops;
}

std::optional<BoxTextLayout> FirstFit(const Attempt& attempt, int maxColumns, bool upwardToo) {
    for (const double startTop : StartTops(attempt, upwardToo)) {
        if (auto result = TryLayout(attempt, maxColumns, startTop)) {
            return result;
        }
    }
    return std::nullopt;
}

Attempt MakeAttempt(const BoxGeometry& box, const std::vector<std::string>& entries,
                    double pointSize, const TextMeasure& measure) {
    Attempt attempt{&box, pointSize, measure.lineHeight(pointSize), entries, {}, {}};
    for (const auto& entry : entries) {
        // A trailing blank (as behind a retrograde mark) takes no room on screen.
        const auto last = entry.find_last_not_of(' ');
        const std::string_view visible(entry.data(), last == std::string::npos ? 0 : last + 1);
        attempt.widths.push_back(measure.width(visible, pointSize));
        attempt.inks.push_back(measure.ink(visible, pointSize));
    }
    double highestInk = attempt.inks.front().top;
    double lowestInk = attempt.inks.front().bottom;
    for (const InkBox& ink : attempt.inks) {
        highestInk = std::min(highestInk, ink.top);
        lowestInk = std::max(lowestInk, ink.bottom);
    }
    // Letters that reach below the font's own line (the Indian scripts' vowel signs and
    // conjuncts) set the lines further apart.
    attempt.lineHeight = std::max(attempt.lineHeight, lowestInk - highestInk + kLineGap);
    return attempt;
}

}  // namespace

double ProgramFontMeasure::lineHeight(double pointSize) const {
    return PaintLineHeight(pointSize, false) * kTwipsPerPixel;
}

double ProgramFontMeasure::width(std::string_view text, double pointSize) const {
    return PaintTextWidth(QStringOf(text), pointSize, false) * kTwipsPerPixel;
}

InkBox ProgramFontMeasure::ink(std::string_view text, double pointSize) const {
    const QRectF ink = PaintTextInk(QStringOf(text), pointSize, false);
    return {ink.left() * kTwipsPerPixel, ink.top() * kTwipsPerPixel, ink.right() * kTwipsPerPixel,
            ink.bottom() * kTwipsPerPixel};
}

double TopOfBox(const BoxGeometry& box) {
    int top = box.outline.front().top;
    for (const auto& corner : box.outline) {
        top = std::min(top, corner.top);
    }
    return top + kUprightSideClearance;
}

BoxSpan SpanOfBox(const BoxGeometry& box, double top, double bottom) {
    // The box is convex: each of its sides bounds it on one side, and over a band of heights a
    // slanting side comes closest at the band's top or bottom.
    double left = -1e9;
    double right = 1e9;
    const auto& outline = box.outline;
    double centreX = 0;
    double centreY = 0;
    for (const auto& corner : outline) {
        centreX += corner.left;
        centreY += corner.top;
    }
    centreX /= outline.size();
    centreY /= outline.size();
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const auto& from = outline[i];
        const auto& to = outline[(i + 1) % outline.size()];
        if (from.top == to.top) {
            continue;  // a level side bounds the heights, not the span
        }
        // The side as x = slope · y + offset; a clearance square to it is this much sideways.
        const double slope = double(to.left - from.left) / (to.top - from.top);
        const double offset = from.left - slope * from.top;
        const double clearance = slope == 0 ? kUprightSideClearance
                                            : kSlantingSideClearance * std::sqrt(1 + slope * slope);
        const double atTop = slope * top + offset;
        const double atBottom = slope * bottom + offset;
        if (centreX > slope * centreY + offset) {
            left = std::max(left, std::max(atTop, atBottom) + clearance);
        } else {
            right = std::min(right, std::min(atTop, atBottom) - clearance);
        }
    }
    return {left, right};
}

double BottomOfBox(const BoxGeometry& box) {
    int bottom = box.outline.front().top;
    for (const auto& corner : box.outline) {
        bottom = std::max(bottom, corner.top);
    }
    return bottom - kUprightSideClearance;
}

BoxTextLayout LayoutBoxText(const BoxGeometry& box, std::string_view boxText,
                            const TextMeasure& measure) {
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
    // The phases try the same sizes again: each size's measurements are taken once.
    std::map<int, Attempt> attempts;
    const auto attemptAt = [&](int step) -> const Attempt& {
        auto found = attempts.find(step);
        if (found == attempts.end()) {
            const double size = layout::kDisplayFontSize - step * kSizeStep;
            found = attempts.emplace(step, MakeAttempt(box, entries, size, measure)).first;
        }
        return found->second;
    };
    for (const Phase& phase : kPhases) {
        for (int step = 0; layout::kDisplayFontSize - step * kSizeStep >= phase.smallestSize - 1e-9;
             ++step) {
            if (auto result = FirstFit(attemptAt(step), phase.maxColumns, phase.upwardToo)) {
                return *result;
            }
        }
    }

    // Nothing fits: the smallest size, one entry under the other from where the text begins.
    const Attempt attempt = MakeAttempt(box, entries, kSmallestBoxTextSize, measure);
    const auto anchor = box.textAnchor;
    BoxTextLayout fallback{attempt.pointSize, attempt.lineHeight, {}, false};
    double top = anchor.top;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        fallback.lines.push_back({entries[i], double(anchor.left), top, attempt.widths[i],
                                  Shifted(attempt.inks[i], anchor.left, top)});
        top += attempt.lineHeight;
    }
    return fallback;
}

}  // namespace ui
