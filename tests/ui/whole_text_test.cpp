// Every value the chart display can show is drawn whole and inside its place, on each of the
// drawing's targets: the screen, the JPEG picture, the printed page and the SVG drawing, in each
// of the program's languages.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPolygonF>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <set>

#include "files/chart_documents.h"
#include "files/chart_picture.h"
#include "files/printing.h"
#include "printed_page.h"
#include "reading/sign_tables.h"
#include "ui/chart/box_placement.h"
#include "ui/chart/chart_layout.h"
#include "ui/chart/chart_painter.h"
#include "ui/chart/chart_words.h"
#include "ui/chart/details_layout.h"
#include "ui/chart/style_layout.h"
#include "ui/chart_display.h"
#include "ui/language.h"
#include "ui/window_sizing.h"
#include "zoom_steps.h"

namespace {

using ui::ChartDisplayContent;
namespace layout = ui::layout;

// The fullest box there can be, with the longest labels: "Asc", nine names, four retrograde.
constexpr char kFullestBox[] =
    "Asc\r\nSurya\r\nChandra\r\nBudha (R) \r\nShukra (R) \r\nMangala (R) \r\nGuru\r\n"
    "Shani (R) \r\nRahu\r\nKetu";

std::vector<std::string> AllLords() {
    std::set<std::string> lords;
    for (const auto& row : reading::NakshatraLordTable) {
        lords.insert(std::string(row.lord));
    }
    return {lords.begin(), lords.end()};
}

std::string Utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

std::string Word(std::string_view english) {
    return Utf8(ui::ChartWord(english));
}

// A birth line in the language spoken, as the display writes it.
std::string BirthLine(const char* source, const QStringList& values) {
    QString line = QCoreApplication::translate("BirthLines", source);
    for (const QString& value : values) {
        line = line.arg(value);
    }
    return Utf8(line);
}

// The display for case k in the language spoken: the k-th nakshatra, Rashi and Lagna names,
// lords and position texts in turn, widest digits throughout, a crowded box in box k mod 12 and
// long birth lines (the longest month's name in English, one of the longest in Bengali and
// Hindi).
ChartDisplayContent CaseContent(int k) {
    static const std::vector<std::string> lords = AllLords();
    ChartDisplayContent content;
    const auto digits = [](const char* text) { return Utf8(ui::WithLanguageDigits(text)); };
    content.detailValues = {digits("28\u00B0 58' 58\""),
                            Word(reading::RashiNames[(k + 5) % 12]),
                            Word(reading::NakshatraNames[k % reading::kNakshatraCount]),
                            Word(reading::RashiNames[k % 12]),
                            digits("4"),
                            Word(lords[k % lords.size()])};
    for (int body = 0; body < reading::kChartBodyCount; ++body) {
        content.planetPositions[body] = Utf8(ui::PositionWords(
            "28 " + std::string(reading::SignAbbreviationTable[(k + body) % 12]) + " 58"));
    }
    QStringList box;
    for (const std::string& entry : ui::BoxEntries(kFullestBox)) {
        box << ui::BoxEntryWord(entry);
    }
    content.boxTextsOf(ui::ChartKind::kRashi)[k % ui::kBoxCount] =
        Utf8(box.join(QStringLiteral("\r\n")));
    const auto number = [](int n) { return ui::WithLanguageDigits(QString::number(n)); };
    const int month = ui::CurrentLanguage() == ui::Language::kEnglish ? 9 : 2;
    content.birthLines = {BirthLine("Name: %1", {"Lakshmi Narasimha Venkata"}),
                          BirthLine("City: %1", {"Thiruvananthapuram"}),
                          BirthLine("State: %1", {"Andaman and Nicobar Islands"}),
                          BirthLine("Country: %1", {"United Kingdom"}),
                          Utf8(QCoreApplication::translate("BirthLines", "Date of Birth: %1 %2, %3")
                                   .arg(QLocale().monthName(month), number(28), number(2050))),
                          BirthLine("Time of Birth: %1 Hour %2 Minute", {number(23), number(58)}),
                          BirthLine("Latitude: %1 Degree %2 Minute", {number(88), number(58)}),
                          BirthLine("Longitude: %1 Degree %2 Minute", {number(178), number(58)})};
    return content;
}

// The same display without any of the texts that change from case to case.
ChartDisplayContent Baseline() {
    return {};
}

QPointF ChartPixel(double leftTwips, double topTwips) {
    return ui::ToPixelsF(layout::kChart.left + leftTwips, layout::kChart.top + topTwips);
}

// Box k's area in a style, from its layout's outline, drawn in by inset twips on every side.
QPolygonF BoxArea(ui::ChartStyle style, int sign, double inset) {
    const ui::StyleLayout& shape = ui::LayoutOf(style);
    const auto& outline = shape.boxes[shape.boxOfSign(sign, std::nullopt)].outline;
    QPointF centre;
    for (const auto& corner : outline) {
        centre += QPointF(corner.left, corner.top) / double(outline.size());
    }
    // Each side moved inward, square to itself; the corners where neighbouring sides now meet.
    const auto side = [&](std::size_t i) {
        const QPointF a(outline[i].left, outline[i].top);
        const QPointF b(outline[(i + 1) % outline.size()].left,
                        outline[(i + 1) % outline.size()].top);
        QPointF normal(a.y() - b.y(), b.x() - a.x());
        normal /= std::hypot(normal.x(), normal.y());
        if (QPointF::dotProduct(centre - a, normal) < 0) {
            normal = -normal;
        }
        return QLineF(a + normal * inset, b + normal * inset);
    };
    QPolygonF area;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        QPointF corner;
        side((i + outline.size() - 1) % outline.size()).intersects(side(i), &corner);
        area << ChartPixel(corner.x(), corner.y());
    }
    return area;
}

QRectF CellArea(const ui::TwipsRect& frame, double rowTop, const ui::TwipsRect& cell,
                double height) {
    return {ui::ToPixelsF(frame.left + cell.left, frame.top + rowTop),
            QSizeF(ui::TwipsToPixels(cell.width), ui::TwipsToPixels(height))};
}

// Where case k may put ink: the crowded box (its text kept inset twips clear of the box's lines),
// the value cells where the details panel lays them out for the content (and its captions where
// they moved from), the birth lines' strip. above widens each place upward by that many pixels.
// Drawn in the display's logical pixels through transform.
QImage AllowedInk(const ChartDisplayContent& content, ui::ChartStyle style, int k, double above,
                  double inset, QSize size, const QTransform& transform) {
    QImage mask(size, QImage::Format_Grayscale8);
    mask.fill(0);
    QPainter painter(&mask);
    painter.setTransform(transform);
    if (transform.isIdentity()) {
        painter.setPen(Qt::NoPen);
    } else {
        // Drawn larger or smaller than designed, a text's edge may fall on the next device pixel.
        QPen edge(Qt::white, 2);
        edge.setCosmetic(true);
        painter.setPen(edge);
    }
    painter.setBrush(Qt::white);
    painter.drawPolygon(BoxArea(style, k % ui::kBoxCount, inset));
    std::array<QString, ui::kDetailCount> captions;
    std::array<QString, ui::kDetailCount> values;
    for (int row = 0; row < ui::kDetailCount; ++row) {
        captions[row] = QCoreApplication::translate("ChartDisplay", layout::kDetailCaptions[row]);
        values[row] = QString::fromStdString(content.detailValues[row]);
    }
    const ui::DetailRowPlaces rows = ui::LayOutDetailRows(captions, values);
    for (int row = 0; row < ui::kDetailCount; ++row) {
        const double designedTop = layout::kDetailRowTops[row];
        const double designedHeight = layout::kDetailValueCell.height;
        painter.drawRect(CellArea(layout::kDetailsPanel, rows[row].top, layout::kDetailValueCell,
                                  rows[row].height)
                             .adjusted(0, -above, 0, 0));
        if (rows[row].top != designedTop || rows[row].height != designedHeight) {
            for (const auto& [top, height] : {std::pair{designedTop, designedHeight},
                                              std::pair{rows[row].top, rows[row].height}}) {
                painter.drawRect(
                    CellArea(layout::kDetailsPanel, top, layout::kDetailCaptionCell, height)
                        .adjusted(0, -above, 0, 0));
            }
        }
    }
    for (int row = 0; row < reading::kChartBodyCount; ++row) {
        painter.drawRect(CellArea(layout::kPlanetTable, layout::kPlanetRowTops[row],
                                  layout::kPlanetPositionCell, layout::kPlanetPositionCell.height)
                             .adjusted(0, -above, 0, 0));
    }
    for (int line = 0; line < ui::kBirthLineCount; ++line) {
        const int top = layout::kBirthLineTops[line];
        const bool besideTable = top + layout::kBirthLineHeight > layout::kPlanetTable.top;
        const int right = besideTable ? layout::kPlanetTable.left : layout::kDisplay.right();
        painter.drawRect(ui::ToPixelsF({layout::kBirthLinesLeft, top,
                                        right - layout::kBirthLinesLeft, layout::kBirthLineHeight})
                             .adjusted(0, -above, 0, 0));
    }
    return mask;
}

// Pixels in which a case differs from the baseline and that lie outside where they may.
QStringList StrayInk(const QImage& drawn, const QImage& baseline, const QImage& allowed) {
    QStringList stray;
    for (int y = 0; y < drawn.height() && stray.size() < 5; ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(baseline.constScanLine(y));
        const uchar* may = allowed.constScanLine(y);
        for (int x = 0; x < drawn.width(); ++x) {
            const int difference =
                std::max({std::abs(qRed(a[x]) - qRed(b[x])), std::abs(qGreen(a[x]) - qGreen(b[x])),
                          std::abs(qBlue(a[x]) - qBlue(b[x]))});
            if (difference > 110 && may[x] == 0) {
                stray << QStringLiteral("(%1, %2)").arg(x).arg(y);
            }
        }
    }
    return stray;
}

// The texts of a case that a page or drawing must hold in full.
std::vector<std::string> TextsOf(const ChartDisplayContent& content) {
    std::vector<std::string> texts(content.detailValues.begin(), content.detailValues.end());
    texts.insert(texts.end(), content.birthLines.begin(), content.birthLines.end());
    texts.insert(texts.end(), content.planetPositions.begin(), content.planetPositions.end());
    for (const char* label : {"Mangala (R) ", "Shukra (R) ", "Chandra"}) {
        texts.push_back(Utf8(ui::BoxEntryWord(label).trimmed()));
    }
    return texts;
}

// The pieces of a text that a drawing holds whole: its words, split further where the script
// changes, since a drawing writes each script's run apart.
QStringList ScriptRuns(const QString& text) {
    QStringList runs;
    QString run;
    int runScript = -1;
    for (const QChar c : text) {
        const bool indian = c.unicode() >= 0x0900 && c.unicode() < 0x0A00;
        const int script = indian ? 1 : c.isLetterOrNumber() ? 0 : -1;
        if (script != runScript && !run.isEmpty()) {
            runs << run;
            run.clear();
        }
        if (script >= 0) {
            run += c;
        }
        runScript = script;
    }
    if (!run.isEmpty()) {
        runs << run;
    }
    return runs;
}

class Targets : public testing::TestWithParam<ui::Language> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        ui::ApplyLanguage(GetParam());
    }
    void TearDown() override { ui::ApplyLanguage(ui::Language::kEnglish); }

    // The display on screen, shown at a zoom of the window that it just fits.
    QImage screen(const ChartDisplayContent& content, double zoom = 1.0) {
        ui::ChartDisplay display(content);
        display.setChartStyle(style);
        display.resize(ui::DisplaySizeFor(ui::kChartDisplaySize, ui::kChartDisplaySize, zoom));
        screenTransform = display.drawingTransform();
        return display.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    QImage jpeg(const ChartDisplayContent& content) {
        ui::ChartDisplay display(content);
        display.setChartStyle(style);
        const auto saved = files::SaveChartPicture(folder.filePath("chart"), display.picture());
        EXPECT_TRUE(saved.path);
        const QImage image(saved.path.value_or(QString()), "JPG");
        QFile::remove(saved.path.value_or(QString()));
        return image.convertToFormat(QImage::Format_RGB32);
    }

    // The printed page, of the display's own size, and its text.
    QImage print(const ChartDisplayContent& content, QString* text) {
        const QImage page = PrintedChartPage(folder, content, style, 96, text);
        EXPECT_FALSE(page.isNull());
        return page;
    }

    QImage svg(const ChartDisplayContent& content, QByteArray* document) {
        ui::ChartDisplay display(content);
        display.setChartStyle(style);
        *document = files::ChartSvg(ui::kChartDisplaySize,
                                    [&display](QPainter& p) { display.paint(p); }, {});
        QSvgRenderer renderer(*document);
        return files::RenderPicture(ui::kChartDisplaySize,
                                    [&renderer](QPainter& p) { renderer.render(&p); });
    }

    QTemporaryDir folder;
    ui::ChartStyle style = ui::ChartStyle::kEast;
    QTransform screenTransform;  // where the last screen drawing stood in its widget
};

constexpr int kCases = reading::kNakshatraCount;

// How far, in twips, a crowded box's ink keeps from the box's lines where the program draws the
// texts itself; the printed page and the SVG drawing, whose texts another program sets again,
// are held only to the box.
constexpr double kBoxInkInset = 15;

// The page's text with every run of blanks and line breaks as one blank: a value wrapped onto two
// lines reads as one.
QString OneLine(const QString& text) {
    return text.simplified();
}

// Ink stays where it may on every target and in every style; the page and the drawing also hold
// each text in full.
TEST_P(Targets, EveryValueIsDrawnWholeInsideItsPlace) {
    const bool havePoppler = !QStandardPaths::findExecutable("pdftoppm").isEmpty() &&
                             !QStandardPaths::findExecutable("pdftotext").isEmpty();
    if (!havePoppler) {
        GTEST_SKIP() << "pdftoppm and pdftotext (poppler-utils) are not installed";
    }
    QString pageText;
    QByteArray drawing;
    const std::pair<const char*, std::function<QImage(const ChartDisplayContent&)>> targets[] = {
        {"screen", [this](const auto& c) { return screen(c); }},
        {"JPEG", [this](const auto& c) { return jpeg(c); }},
        {"print", [&](const auto& c) { return print(c, &pageText); }},
        {"SVG", [&](const auto& c) { return svg(c, &drawing); }},
    };
    for (const ui::ChartStyleName& styleName : ui::kChartStyles) {
        style = styleName.style;
        for (const auto& [name, render] : targets) {
            const QImage baseline = render(Baseline());
            ASSERT_EQ(baseline.size(), ui::kChartDisplaySize) << name;
            const bool page = std::string_view(name) == "print";
            const bool drawnAsLaidOut = !page && std::string_view(name) != "SVG";
            for (int k = 0; k < kCases; ++k) {
                pageText.clear();
                drawing.clear();
                const ChartDisplayContent content = CaseContent(k);
                const QImage drawn = render(content);
                ASSERT_EQ(drawn.size(), ui::kChartDisplaySize) << name;
                // Devanagari's vowel signs reach the top of the font's ascent, and the printed
                // page, drawn from the PDF, shades a pixel or two above it.
                const bool devanagariPage = GetParam() == ui::Language::kHindi && page;
                const QImage allowed =
                    AllowedInk(content, style, k, devanagariPage ? 3 : 0,
                               drawnAsLaidOut ? kBoxInkInset : 0, drawn.size(), QTransform());
                EXPECT_EQ(StrayInk(drawn, baseline, allowed), QStringList())
                    << styleName.key << ", " << name << ": " << content.detailValues[2] << ", box "
                    << k % ui::kBoxCount;
                const QString readText = OneLine(pageText);
                for (const std::string& text : TextsOf(content)) {
                    const QString whole = QString::fromStdString(text);
                    // The page's text is read back whole only in Latin letters: pdftotext gives the
                    // Indian scripts' joined letters back in another order.
                    const bool readable = GetParam() == ui::Language::kEnglish;
                    EXPECT_TRUE(pageText.isEmpty() || !readable || readText.contains(whole))
                        << name << ": " << text;
                    for (const QString& run : ScriptRuns(whole)) {
                        EXPECT_TRUE(drawing.isEmpty() ||
                                    drawing.contains(run.toHtmlEscaped().toUtf8()))
                            << name << ": " << text;
                    }
                }
            }
        }
    }
}

// On screen at every zoom the View menu offers (the designed size is the test above), in every
// style: the texts are laid out once in the display's own units and must stay whole and in
// place however large or small they are drawn.
TEST_P(Targets, EveryValueStaysInsideItsPlaceAtEveryZoom) {
    for (const ui::ChartStyleName& styleName : ui::kChartStyles) {
        style = styleName.style;
        for (const double zoom : ZoomSteps()) {
            if (zoom == 1.0) {
                continue;
            }
            const QImage baseline = screen(Baseline(), zoom);
            // The crowded box in each of the twelve boxes in turn, with the longest nakshatras.
            for (int k = kCases - ui::kBoxCount - 3; k < kCases; ++k) {
                const ChartDisplayContent content = CaseContent(k);
                const QImage drawn = screen(content, zoom);
                ASSERT_EQ(drawn.size(), baseline.size());
                const QImage allowed =
                    AllowedInk(content, style, k, 0, kBoxInkInset, drawn.size(), screenTransform);
                EXPECT_EQ(StrayInk(drawn, baseline, allowed), QStringList())
                    << styleName.key << " at zoom " << zoom << ": " << content.detailValues[2]
                    << ", box " << k % ui::kBoxCount;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, Targets,
                         testing::Values(ui::Language::kEnglish, ui::Language::kBengali,
                                         ui::Language::kHindi),
                         [](const auto& info) {
                             return ui::LanguageCode(info.param).toStdString();
                         });

}  // namespace
