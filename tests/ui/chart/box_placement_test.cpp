// Placing "Asc" and the bodies into the chart's twelve boxes, and fitting each box's text inside
// its box.
#include <gtest/gtest.h>

#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>

#include "reading/body_names.h"
#include "ui/chart/box_placement.h"
#include "ui/chart/box_text_layout.h"
#include "ui/chart/chart_layout.h"
#include "ui/chart/style_layout.h"
#include "ui/program_fonts.h"

namespace {

reading::BodyTexts PlainLabels() {
    reading::BodyTexts labels;
    for (int body = 0; body < reading::kBodyCount; ++body) {
        labels[body] = reading::kPlanetLabels[body];
    }
    return labels;
}

// Every body in the sign with the given abbreviation.
reading::BodyTexts AllIn(const std::string& sign) {
    reading::BodyTexts positions;
    positions.fill("12 " + sign + " 34");
    return positions;
}

TEST(PlaceInBoxes, AllNineBodiesInOneSignFillOneBox) {
    const ui::BoxTexts boxes = ui::PlaceInBoxes("Leo", PlainLabels(), AllIn("Leo"));
    EXPECT_EQ(boxes[4],
              "Asc\r\nSurya\r\nChandra\r\nBudha\r\nShukra\r\nMangala\r\nGuru\r\nShani\r\nRahu\r\n"
              "Ketu");
    for (int box = 0; box < ui::kBoxCount; ++box) {
        if (box != 4) {
            EXPECT_EQ(boxes[box], "") << "box " << box;
        }
    }
}

TEST(PlaceInBoxes, LagnaAndMoonInAriesShareTheTopMiddleBox) {
    reading::BodyTexts positions = AllIn("Lib");
    positions[reading::kMoon] = "00 Ari 13";
    const ui::BoxTexts boxes = ui::PlaceInBoxes("Ari", PlainLabels(), positions);
    EXPECT_EQ(boxes[0], "Asc\r\nChandra");
    EXPECT_EQ(boxes[6], "Surya\r\nBudha\r\nShukra\r\nMangala\r\nGuru\r\nShani\r\nRahu\r\nKetu");
}

TEST(PlaceInBoxes, RetrogradeSaturnInCapricornKeepsItsMarkAndTrailingBlank) {
    reading::BodyTexts labels = PlainLabels();
    labels[reading::kSaturn] = "Shani (R) ";
    reading::BodyTexts positions = AllIn("Vir");
    positions[reading::kSaturn] = "12 Cap 40";
    const ui::BoxTexts boxes = ui::PlaceInBoxes("Vir", labels, positions);
    EXPECT_EQ(boxes[9], "Shani (R) ");
    EXPECT_EQ(boxes[5],
              "Asc\r\nSurya\r\nChandra\r\nBudha\r\nShukra\r\nMangala\r\nGuru\r\nRahu\r\nKetu");
}

TEST(PlaceInBoxes, PositionTextsThatNameNoSignPlaceNothing) {
    reading::BodyTexts positions = AllIn("Sag");
    positions[reading::kSun] = "05 Sa";       // too short
    positions[reading::kMoon] = "";           // empty
    positions[reading::kMars] = "05 sag 15";  // the comparison is exact
    positions[reading::kRahu] = "05 Xyz 15";  // no such sign
    const ui::BoxTexts boxes = ui::PlaceInBoxes("Gem", PlainLabels(), positions);
    EXPECT_EQ(boxes[2], "Asc");
    EXPECT_EQ(boxes[8], "Budha\r\nShukra\r\nGuru\r\nShani\r\nKetu");
    for (int box = 0; box < ui::kBoxCount; ++box) {
        if (box != 2 && box != 8) {
            EXPECT_EQ(boxes[box], "") << "box " << box;
        }
    }
}

TEST(PlaceInBoxes, LagnaSignDecidesTheAscBoxAndAnUnknownOneShowsNone) {
    EXPECT_EQ(ui::PlaceInBoxes("Pis", PlainLabels(), AllIn("Ari"))[11], "Asc");
    const ui::BoxTexts none = ui::PlaceInBoxes("pis", PlainLabels(), AllIn("Ari"));
    EXPECT_EQ(none[0].rfind("Surya", 0), 0u);
    EXPECT_EQ(none[11], "");
}

TEST(PlaceInBoxes, AscendantAndMidheavenAreNeverPlacedAsBodies) {
    reading::BodyTexts positions = AllIn("Tau");
    positions[reading::kAscendant] = "01 Aqu 00";
    positions[reading::kMidheaven] = "01 Aqu 00";
    EXPECT_EQ(ui::PlaceInBoxes("Tau", PlainLabels(), positions)[10], "");
}

TEST(BoxOfPosition, ReadsCharactersFourToSix) {
    EXPECT_EQ(ui::BoxOfPosition("05 Sag 15"), 8);
    EXPECT_EQ(ui::BoxOfPosition("00 Ari 00"), 0);
    EXPECT_EQ(ui::BoxOfPosition("29 Pis"), 11);
    EXPECT_EQ(ui::BoxOfPosition("29 Pi"), std::nullopt);
    EXPECT_EQ(ui::BoxOfPosition("Sag 05 15"), std::nullopt);
}

TEST(BoxEntries, SplitsAtEveryLineBreak) {
    EXPECT_TRUE(ui::BoxEntries("").empty());
    EXPECT_EQ(ui::BoxEntries("Asc"), std::vector<std::string>{"Asc"});
    EXPECT_EQ(ui::BoxEntries("Asc\r\nShani (R) "), (std::vector<std::string>{"Asc", "Shani (R) "}));
}

TEST(ProgramFont, IsTheShippedFaceAndRendersRealGlyphs) {
    EXPECT_TRUE(QFile::exists(":/fonts/DejaVuSans.ttf"));
    EXPECT_TRUE(QFile::exists(":/fonts/DejaVuSans-Bold.ttf"));
    for (const bool bold : {false, true}) {
        const QFont font = ui::PaintFont(8.25, bold, nullptr);
        EXPECT_EQ(QFontInfo(font).family(), "DejaVu Sans");
        EXPECT_EQ(QFontInfo(font).bold(), bold);
        const QFontMetrics metrics(font);
        EXPECT_LT(metrics.horizontalAdvance(QLatin1Char('i')),
                  metrics.horizontalAdvance(QLatin1Char('W')));
    }
}

// The fullest box there can be: "Asc" and nine names, four of them marked retrograde.
std::string FullestBox() {
    return "Asc\r\nSurya\r\nChandra\r\nBudha (R) \r\nShukra (R) \r\nMangala (R) \r\nGuru\r\n"
           "Shani (R) \r\nRahu\r\nKetu";
}

const ui::BoxGeometry& EastBox(int box) {
    return ui::LayoutOf(ui::ChartStyle::kEast).boxes[box];
}

bool Inside(int box, const ui::PlacedLine& line, double lineHeight) {
    const ui::BoxSpan span = ui::SpanOfBox(EastBox(box), line.top, line.top + lineHeight);
    return line.left >= span.left - 1e-6 && line.left + line.width <= span.right + 1e-6 &&
           line.top + lineHeight <= ui::BottomOfBox(EastBox(box)) + 1e-6 && line.top >= 0;
}

bool Overlap(const ui::PlacedLine& a, const ui::PlacedLine& b, double lineHeight) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + lineHeight &&
           b.top < a.top + lineHeight;
}

class BoxTextLayoutInEveryBox : public testing::TestWithParam<int> {};

TEST_P(BoxTextLayoutInEveryBox, TenEntriesStayInsideTheBoxAndReadable) {
    const int box = GetParam();
    const ui::BoxTextLayout layout =
        ui::LayoutBoxText(EastBox(box), FullestBox(), ui::ProgramFontMeasure());
    ASSERT_TRUE(layout.fits);
    EXPECT_GE(layout.pointSize, ui::kSmallestBoxTextSize);
    ASSERT_EQ(layout.lines.size(), 10u);
    for (std::size_t i = 0; i < layout.lines.size(); ++i) {
        EXPECT_TRUE(Inside(box, layout.lines[i], layout.lineHeight)) << layout.lines[i].text;
        for (std::size_t j = 0; j < i; ++j) {
            EXPECT_FALSE(Overlap(layout.lines[i], layout.lines[j], layout.lineHeight))
                << layout.lines[i].text << " / " << layout.lines[j].text;
        }
    }
    EXPECT_EQ(layout.lines.front().text, "Asc");
    EXPECT_EQ(layout.lines.back().text, "Ketu");
}

TEST_P(BoxTextLayoutInEveryBox, SixLongEntriesGoIntoColumnsRatherThanBelowSevenPoints) {
    const int box = GetParam();
    const ui::BoxTextLayout layout = ui::LayoutBoxText(
        EastBox(box), "Asc\r\nChandra\r\nBudha (R) \r\nShukra (R) \r\nMangala (R) \r\nShani (R) ",
        ui::ProgramFontMeasure());
    ASSERT_TRUE(layout.fits);
    EXPECT_GE(layout.pointSize, 7.0);
    for (const auto& line : layout.lines) {
        EXPECT_TRUE(Inside(box, line, layout.lineHeight)) << line.text;
    }
}

TEST_P(BoxTextLayoutInEveryBox, OneEntryKeepsTheChartsOwnSize) {
    const int box = GetParam();
    const ui::BoxTextLayout layout =
        ui::LayoutBoxText(EastBox(box), "Chandra", ui::ProgramFontMeasure());
    ASSERT_EQ(layout.lines.size(), 1u);
    EXPECT_DOUBLE_EQ(layout.pointSize, ui::layout::kDisplayFontSize);
    EXPECT_TRUE(Inside(box, layout.lines[0], layout.lineHeight));
}

INSTANTIATE_TEST_SUITE_P(Boxes, BoxTextLayoutInEveryBox, testing::Range(0, ui::kBoxCount));

TEST(BoxTextLayout, AFewEntriesGrowDownwardFromWhereTheBoxTextBegins) {
    // The middle-left box (Cancer) has room for them at the chart's own size.
    const ui::BoxTextLayout layout =
        ui::LayoutBoxText(EastBox(3), "Asc\r\nChandra\r\nShani (R) ", ui::ProgramFontMeasure());
    ASSERT_EQ(layout.lines.size(), 3u);
    EXPECT_DOUBLE_EQ(layout.pointSize, ui::layout::kDisplayFontSize);
    const auto anchor = ui::layout::kBoxTextAnchors[3];
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(layout.lines[i].left, anchor.left);
        EXPECT_DOUBLE_EQ(layout.lines[i].top, anchor.top + i * layout.lineHeight);
    }
}

TEST(BoxTextLayout, AnEmptyBoxHasNoLines) {
    EXPECT_TRUE(ui::LayoutBoxText(EastBox(0), "", ui::ProgramFontMeasure()).lines.empty());
}

}  // namespace
