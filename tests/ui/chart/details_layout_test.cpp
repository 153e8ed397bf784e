// The "Other Vedic Details" panel: every nakshatra in every language at the table's own size, a
// long one wrapped at its blank, the rows inside the panel and apart.
#include "ui/chart/details_layout.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "reading/sign_tables.h"
#include "ui/chart/chart_layout.h"
#include "ui/chart/chart_words.h"
#include "ui/language.h"
#include "ui/program_fonts.h"

namespace {

namespace layout = ui::layout;

constexpr double kValueWidth = 1740.0 / 15 - 4;  // the value cell's room for text, in pixels

std::array<QString, ui::kDetailCount> Captions() {
    std::array<QString, ui::kDetailCount> captions;
    for (int row = 0; row < ui::kDetailCount; ++row) {
        captions[row] = QCoreApplication::translate("ChartDisplay", layout::kDetailCaptions[row]);
    }
    return captions;
}

// The panel's values with nakshatra n, its Rashi and a long lord's name.
std::array<QString, ui::kDetailCount> Values(int n) {
    return {ui::WithLanguageDigits(QStringLiteral("23\u00B0 58' 58\"")),
            ui::ChartWord(reading::RashiNames[(n + 5) % 12]),
            ui::ChartWord(reading::NakshatraNames[n]),
            ui::ChartWord(reading::RashiNames[n * 4 / 9]),
            ui::WithLanguageDigits(QStringLiteral("4")),
            ui::ChartWord("Jupiter")};
}

class DetailRowsInEveryLanguage : public testing::TestWithParam<ui::Language> {
  protected:
    void SetUp() override { ui::ApplyLanguage(GetParam()); }
    void TearDown() override { ui::ApplyLanguage(ui::Language::kEnglish); }
};

TEST_P(DetailRowsInEveryLanguage, EveryNakshatraIsSetWholeAtTheTablesSizeInsideThePanel) {
    for (int n = 0; n < reading::kNakshatraCount; ++n) {
        const auto values = Values(n);
        const ui::DetailRowPlaces rows = ui::LayOutDetailRows(Captions(), values);
        const std::string name = values[2].toStdString();
        EXPECT_DOUBLE_EQ(rows.front().top, layout::kDetailRowTops.front()) << name;
        EXPECT_LE(rows.back().top + rows.back().height, layout::kDetailsPanel.height) << name;
        for (int row = 0; row < ui::kDetailCount; ++row) {
            const ui::DetailRowPlace& place = rows[row];
            if (row + 1 < ui::kDetailCount) {
                EXPECT_LT(place.top + place.height, rows[row + 1].top) << name << ", row " << row;
            }
            for (const auto* cell : {&place.caption, &place.value}) {
                EXPECT_DOUBLE_EQ(cell->pointSize, layout::kTableFontSize)
                    << name << ", row " << row;
                for (const QString& line : cell->lines) {
                    EXPECT_LE(ui::PaintTextWidth(line, cell->pointSize, false), kValueWidth)
                        << name << ": " << line.toStdString();
                }
                // Two lines need the room of two.
                EXPECT_GE(place.height / 15,
                          2 * ui::kCellTextInsetTop +
                              cell->lines.size() * ui::PaintLineHeight(cell->pointSize, false) -
                              1e-9);
            }
            EXPECT_EQ(place.value.lines.join(QLatin1Char(' ')), values[row]) << name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, DetailRowsInEveryLanguage,
                         testing::Values(ui::Language::kEnglish, ui::Language::kBengali,
                                         ui::Language::kHindi),
                         [](const auto& info) {
                             return ui::LanguageCode(info.param).toStdString();
                         });

TEST(DetailRows, StandAsDesignedWhileEveryTextFitsOnOneLine) {
    const ui::DetailRowPlaces rows = ui::LayOutDetailRows(Captions(), Values(0));
    for (int row = 0; row < ui::kDetailCount; ++row) {
        EXPECT_DOUBLE_EQ(rows[row].top, layout::kDetailRowTops[row]);
        EXPECT_DOUBLE_EQ(rows[row].height, layout::kDetailValueCell.height);
        EXPECT_EQ(rows[row].value.lines.size(), 1);
    }
}

TEST(DetailRows, PoorvaBhadrapadaWrapsAtItsBlankAndTheRowsBelowMoveDown) {
    auto values = Values(0);
    values[2] = QStringLiteral("Poorva Bhadrapada");
    const ui::DetailRowPlaces rows = ui::LayOutDetailRows(Captions(), values);
    EXPECT_EQ(rows[2].value.lines, QStringList({"Poorva", "Bhadrapada"}));
    EXPECT_DOUBLE_EQ(rows[2].value.pointSize, layout::kTableFontSize);
    EXPECT_DOUBLE_EQ(rows[2].top, layout::kDetailRowTops[2]);
    EXPECT_GT(rows[3].top, layout::kDetailRowTops[3]);
}

// How a text is set in the value cell: one line, wrapped, or smaller only when wrapping is not
// enough.
TEST(FitCellLines, WrapsBeforeItShrinks) {
    struct Case {
        const char* text;
        bool twoLines;
        bool smaller;
        QStringList lines;
    };
    const Case cases[] = {
        {"Chandra", true, false, {"Chandra"}},
        {"Poorva Bhadrapada", true, false, {"Poorva", "Bhadrapada"}},
        {"Poorva Bhadrapada", false, true, {"Poorva Bhadrapada"}},
        {"Pada Uttara Ashadha", true, false, {"Pada Uttara", "Ashadha"}},
        {"PoorvaBhadrapada", true, true, {"PoorvaBhadrapada"}},
        {"Poorva Bhadrapada Uttara Bhadrapada",
         true,
         true,
         {"Poorva Bhadrapada", "Uttara Bhadrapada"}},
    };
    for (const Case& c : cases) {
        const ui::CellLines set =
            ui::FitCellLines(QString::fromLatin1(c.text), kValueWidth, layout::kTableFontSize,
                             ui::kSmallestCellTextSize, c.twoLines);
        EXPECT_EQ(set.lines, c.lines) << c.text;
        EXPECT_EQ(set.pointSize < layout::kTableFontSize, c.smaller) << c.text;
        for (const QString& line : set.lines) {
            EXPECT_LE(ui::PaintTextWidth(line, set.pointSize, false), kValueWidth) << c.text;
        }
    }
}

}  // namespace
