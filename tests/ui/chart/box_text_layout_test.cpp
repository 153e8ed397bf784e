// A box's text, however crowded, in every style and language: the ink of every line keeps clear
// of each side of its box (measured square to the side, so the slanting sides of the triangles
// and the diamond count as drawn), no two lines meet, and the text keeps a size that reads.
#include "ui/chart/box_text_layout.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <cmath>

#include "ui/chart/box_placement.h"
#include "ui/chart/chart_layout.h"
#include "ui/chart/chart_words.h"
#include "ui/chart/style_layout.h"
#include "ui/language.h"

namespace {

struct Crowd {
    const char* name;
    const char* text;
    double smallestSize;  // points the text may shrink to
};

// From the fullest box there can be ("Asc", nine names, four retrograde) down to one mark.
constexpr Crowd kCrowds[] = {
    {"fullest",
     "Asc\r\nSurya\r\nChandra\r\nBudha (R) \r\nShukra (R) \r\nMangala (R) \r\nGuru\r\n"
     "Shani (R) \r\nRahu\r\nKetu",
     ui::kSmallestBoxTextSize},
    {"six long", "Asc\r\nChandra\r\nBudha (R) \r\nShukra (R) \r\nMangala (R) \r\nShani (R) ",
     ui::kSmallestSingleColumnSize},
    {"three", "Asc\r\nChandra\r\nShani (R) ", ui::kSmallestSingleColumnSize},
    {"one", "Shani (R) ", ui::layout::kDisplayFontSize},
};

// The crowd's entries in the language spoken.
std::string Spoken(const char* text) {
    QStringList entries;
    for (const std::string& entry : ui::BoxEntries(text)) {
        entries << ui::BoxEntryWord(entry);
    }
    return entries.join(QStringLiteral("\r\n")).toStdString();
}

struct Point {
    double x, y;
};

// How far point lies inside the side from a to b of a convex outline whose inside holds centre,
// square to the side; negative outside.
double DistanceInside(Point point, Point a, Point b, Point centre) {
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    const auto across = [&](Point p) {
        return ((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x)) / length;
    };
    return across(centre) > 0 ? across(point) : -across(point);
}

// The sides of box that a line's ink comes too near, as "corner → corner" texts.
std::vector<std::string> SidesTooNear(const ui::BoxGeometry& box, const ui::InkBox& ink) {
    std::vector<std::string> near;
    Point centre{0, 0};
    for (const auto& corner : box.outline) {
        centre.x += corner.left / double(box.outline.size());
        centre.y += corner.top / double(box.outline.size());
    }
    const Point corners[] = {
        {ink.left, ink.top}, {ink.right, ink.top}, {ink.left, ink.bottom}, {ink.right, ink.bottom}};
    for (std::size_t i = 0; i < box.outline.size(); ++i) {
        const auto& from = box.outline[i];
        const auto& to = box.outline[(i + 1) % box.outline.size()];
        const bool slanting = from.left != to.left && from.top != to.top;
        const double clearance = slanting ? ui::kSlantingSideClearance : ui::kUprightSideClearance;
        for (const Point corner : corners) {
            const Point a{double(from.left), double(from.top)};
            const Point b{double(to.left), double(to.top)};
            if (DistanceInside(corner, a, b, centre) < clearance - 1e-6) {
                near.push_back(std::to_string(from.left) + "," + std::to_string(from.top) + " → " +
                               std::to_string(to.left) + "," + std::to_string(to.top));
                break;
            }
        }
    }
    return near;
}

bool Meet(const ui::InkBox& a, const ui::InkBox& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

class BoxTextInEveryStyleAndLanguage : public testing::TestWithParam<ui::Language> {
  protected:
    void SetUp() override { ui::ApplyLanguage(GetParam()); }
    void TearDown() override { ui::ApplyLanguage(ui::Language::kEnglish); }
};

TEST_P(BoxTextInEveryStyleAndLanguage, CrowdedTextsKeepClearOfTheLinesAndOfEachOther) {
    const ui::ProgramFontMeasure measure;
    for (const ui::ChartStyleName& style : ui::kChartStyles) {
        const ui::StyleLayout& shape = ui::LayoutOf(style.style);
        for (const Crowd& crowd : kCrowds) {
            const std::string text = Spoken(crowd.text);
            const std::vector<std::string> entries = ui::BoxEntries(text);
            for (int box = 0; box < ui::kBoxCount; ++box) {
                const ui::BoxTextLayout layout = ui::LayoutBoxText(shape.boxes[box], text, measure);
                const std::string where =
                    std::string(style.key) + " box " + std::to_string(box) + ", " + crowd.name;
                ASSERT_TRUE(layout.fits) << where;
                EXPECT_GE(layout.pointSize, crowd.smallestSize - 1e-9) << where;
                ASSERT_EQ(layout.lines.size(), entries.size()) << where;
                for (std::size_t i = 0; i < layout.lines.size(); ++i) {
                    const ui::PlacedLine& line = layout.lines[i];
                    EXPECT_EQ(line.text, entries[i]) << where;
                    EXPECT_LT(line.ink.left, line.ink.right) << where << ": " << line.text;
                    EXPECT_EQ(SidesTooNear(shape.boxes[box], line.ink), std::vector<std::string>())
                        << where << ": " << line.text;
                    for (std::size_t j = 0; j < i; ++j) {
                        EXPECT_FALSE(Meet(line.ink, layout.lines[j].ink))
                            << where << ": " << line.text << " / " << layout.lines[j].text;
                    }
                }
            }
        }
    }
}

TEST_P(BoxTextInEveryStyleAndLanguage, OneEntryKeepsTheChartsOwnSize) {
    for (const ui::ChartStyleName& style : ui::kChartStyles) {
        for (const auto& box : ui::LayoutOf(style.style).boxes) {
            const ui::BoxTextLayout layout =
                ui::LayoutBoxText(box, Spoken("Shani (R) "), ui::ProgramFontMeasure());
            ASSERT_EQ(layout.lines.size(), 1u);
            EXPECT_DOUBLE_EQ(layout.pointSize, ui::layout::kDisplayFontSize) << style.key;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, BoxTextInEveryStyleAndLanguage,
                         testing::Values(ui::Language::kEnglish, ui::Language::kBengali,
                                         ui::Language::kHindi),
                         [](const auto& info) {
                             return ui::LanguageCode(info.param).toStdString();
                         });

}  // namespace
