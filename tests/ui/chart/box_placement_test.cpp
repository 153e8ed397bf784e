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

const ui::BoxGeometry& EastBox(int box) {
    return ui::LayoutOf(ui::ChartStyle::kEast).boxes[box];
}

TEST(BoxTextLayout, AFewEntriesGrowDownwardFromWhereTheBoxTextBegins) {
    // The middle-left box (Cancer) has room for them at the chart's own size.
    const ui::BoxTextLayout layout =
        ui::LayoutBoxText(EastBox(3), "Asc\r\nChandra\r\nShani (R) ", ui::ProgramFontMeasure());
    ASSERT_EQ(layout.lines.size(), 3u);
    EXPECT_DOUBLE_EQ(layout.pointSize, ui::layout::kDisplayFontSize);
    EXPECT_DOUBLE_EQ(layout.lineHeight,
                     ui::ProgramFontMeasure().lineHeight(ui::layout::kDisplayFontSize));
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
