// Each chart style puts every sign, and so every body and the Lagna, in the box where its
// tradition draws it: checked on the layouts, by where each box lies round the chart's centre.
#include "ui/chart/style_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>

#include "reading/driver.h"
#include "reading/sample_birth.h"
#include "reading/vargas.h"
#include "ui/chart/box_placement.h"

namespace {

using ui::ChartStyle;

// The centre of a box's corners.
QPointF Centre(const ui::BoxGeometry& box) {
    QPointF sum;
    for (const auto& corner : box.outline) {
        sum += QPointF(corner.left, corner.top);
    }
    return sum / double(box.outline.size());
}

// Where a box lies seen from the chart's centre: degrees from straight up, counted
// counter-clockwise, 0 to 360.
double AngleFromTop(const ui::StyleLayout& layout, int box) {
    const QPointF middle(layout.frame.left + layout.frame.width / 2.0,
                         layout.frame.top + layout.frame.height / 2.0);
    const QPointF offset = Centre(layout.boxes[box]) - middle;
    const double degrees = std::atan2(-offset.x(), -offset.y()) * 180 / std::numbers::pi;
    return std::fmod(degrees + 360, 360);
}

double AngleBetween(double a, double b) {
    const double d = std::fmod(std::abs(a - b), 360);
    return std::min(d, 360 - d);
}

// Where each tradition draws a sign, in degrees counter-clockwise from the top: the East Indian
// chart from Aries at the top, counter-clockwise; the North Indian one from the Lagna's sign at
// the top, counter-clockwise; the South Indian one from Pisces at the top left, clockwise.
double ExpectedAngle(ChartStyle style, int sign, int lagna) {
    switch (style) {
        case ChartStyle::kEast:
            return 30.0 * sign;
        case ChartStyle::kNorth:
            return 30.0 * ((sign - lagna + 12) % 12);
        case ChartStyle::kSouth:
            return std::fmod(360 - (30.0 * sign - 15) + 360, 360);
    }
    return -1;
}

TEST(StyleLayout, EverySignStandsWhereItsTraditionDrawsIt) {
    for (const ChartStyle style : {ChartStyle::kEast, ChartStyle::kNorth, ChartStyle::kSouth}) {
        const ui::StyleLayout& layout = ui::LayoutOf(style);
        for (int lagna = 0; lagna < 12; ++lagna) {
            std::set<int> boxes;
            for (int sign = 0; sign < 12; ++sign) {
                const int box = layout.boxOfSign(sign, lagna);
                boxes.insert(box);
                EXPECT_EQ(layout.signOfBox(box, lagna), sign);
                EXPECT_LT(
                    AngleBetween(AngleFromTop(layout, box), ExpectedAngle(style, sign, lagna)), 10)
                    << ui::NameOf(style).key << " sign " << sign << " Lagna " << lagna;
            }
            EXPECT_EQ(boxes.size(), 12u);
        }
    }
}

TEST(StyleLayout, NorthIndianHousesShowTheirSignsNumbersFromTheLagna) {
    const ui::StyleLayout& north = ui::LayoutOf(ChartStyle::kNorth);
    for (int lagna = 0; lagna < 12; ++lagna) {
        // The first house, at the top, holds the Lagna's sign; the next counter-clockwise the
        // sign after it.
        EXPECT_EQ(north.signOfBox(0, lagna), lagna);
        EXPECT_EQ(north.signOfBox(1, lagna), (lagna + 1) % 12);
    }
    for (const auto& box : north.boxes) {
        EXPECT_TRUE(box.numberAnchor);
    }
    EXPECT_FALSE(north.signOfBox(0, std::nullopt));
}

TEST(StyleLayout, SouthIndianMarksTheLagnasBoxInsideIt) {
    const ui::StyleLayout& south = ui::LayoutOf(ChartStyle::kSouth);
    ASSERT_TRUE(south.marksLagnaBox);
    for (const auto& box : south.boxes) {
        const auto mark = ui::LagnaMark(box);
        const QPointF centre = Centre(box);
        for (const QPointF end : {QPointF(mark.x1, mark.y1), QPointF(mark.x2, mark.y2)}) {
            EXPECT_LT(std::abs(end.x() - centre.x()), 1320 / 2 + 1);
            EXPECT_LT(std::abs(end.y() - centre.y()), 1320 / 2 + 1);
        }
    }
}

// The bodies and the Lagna of real charts, in each style: every label in the box of its sign in
// that chart, "Asc" first in the Lagna's.
TEST(StyleLayout, BodiesAndLagnaOfRealChartsGoToTheirBoxes) {
    reading::BirthData birth;
    reading::ChartReading reading;
    ASSERT_FALSE(reading::RunCalculation(reading::SampleBirthForm(), birth, reading));
    for (const ChartStyle style : {ChartStyle::kEast, ChartStyle::kNorth, ChartStyle::kSouth}) {
        const ui::StyleLayout& layout = ui::LayoutOf(style);
        for (int varga = 0; varga < reading::kVargaCount; ++varga) {
            const auto& signs = reading.vargas[varga];
            const int lagna = signs[reading::kAscendant];
            const ui::BoxTexts byBox =
                ui::TextsByBox(layout, ui::PlaceVargaInBoxes(signs, reading.planetLabels), lagna);
            const std::vector<std::string> lagnaBox =
                ui::BoxEntries(byBox[layout.boxOfSign(lagna, lagna)]);
            ASSERT_FALSE(lagnaBox.empty());
            EXPECT_EQ(lagnaBox.front(), "Asc");
            for (int body = 0; body < reading::kChartBodyCount; ++body) {
                const auto entries = ui::BoxEntries(byBox[layout.boxOfSign(signs[body], lagna)]);
                EXPECT_NE(std::find(entries.begin(), entries.end(),
                                    std::string(reading.planetLabels[body].view())),
                          entries.end())
                    << ui::NameOf(style).key << ' ' << reading::kVargaCharts[varga].key << " body "
                    << body;
            }
        }
        if (style == ChartStyle::kNorth) {
            // Leo rises: the first house holds the Lagna and no body of the Delhi birth.
            const ui::BoxTexts rashi = ui::TextsByBox(
                layout, ui::PlaceVargaInBoxes(reading.vargas[0], reading.planetLabels), 4);
            EXPECT_EQ(rashi[0].substr(0, 3), "Asc");
        }
    }
}

}  // namespace

namespace {

// The chart's name stands on the display clear of the logo, the birth lines and the notes under
// the chart, whatever the style; the North Indian chart has no room for it inside.
TEST(StyleLayout, TheChartsNameStandsWhereNothingElseIs) {
    namespace layout = ui::layout;
    const auto onDisplay = [](const ui::TwipsRect& r) {
        return QRect(r.left, r.top, r.width, r.height);
    };
    const QRect notes(layout::kNotesLeft, layout::kNotesTop,
                      layout::kDisplay.right() - layout::kNotesLeft,
                      layout::kNoteCount * layout::kNoteLineHeight);
    const QRect birthLines(layout::kBirthLinesLeft, 0, layout::kDisplay.width, layout::kChart.top);
    for (const ChartStyle style : {ChartStyle::kEast, ChartStyle::kNorth, ChartStyle::kSouth}) {
        const ui::TwipsRect& caption = ui::LayoutOf(style).caption;
        const QRect shown =
            onDisplay({layout::kChart.left + caption.left, layout::kChart.top + caption.top,
                       caption.width, caption.height});
        EXPECT_TRUE(onDisplay(layout::kDisplay).contains(shown)) << ui::NameOf(style).key;
        EXPECT_FALSE(shown.intersects(notes)) << ui::NameOf(style).key;
        EXPECT_FALSE(shown.intersects(onDisplay(layout::kLogo))) << ui::NameOf(style).key;
        EXPECT_FALSE(shown.intersects(birthLines)) << ui::NameOf(style).key;
    }
}

}  // namespace
