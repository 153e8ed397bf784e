// Every value the chart display can show is drawn whole and inside its place, on each of the
// drawing's targets: the screen, the JPEG picture, the printed page and the SVG drawing, in each
// of the program's languages.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <functional>
#include <set>

#include "files/chart_documents.h"
#include "files/chart_picture.h"
#include "files/printing.h"
#include "reading/sign_tables.h"
#include "ui/chart/box_placement.h"
#include "ui/chart/chart_layout.h"
#include "ui/chart/chart_painter.h"
#include "ui/chart/chart_words.h"
#include "ui/chart/style_layout.h"
#include "ui/chart_display.h"
#include "ui/language.h"

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

// Box k's area in a style, from its layout's outline.
QPolygonF BoxArea(ui::ChartStyle style, int sign) {
    const ui::StyleLayout& shape = ui::LayoutOf(style);
    QPolygonF area;
    for (const auto& corner : shape.boxes[shape.boxOfSign(sign, std::nullopt)].outline) {
        area << ChartPixel(corner.left, corner.top);
    }
    return area;
}

QRectF CellArea(const ui::TwipsRect& frame, int rowTop, const ui::TwipsRect& cell) {
    return ui::ToPixelsF({frame.left + cell.left, frame.top + rowTop, cell.width, cell.height});
}

// Where case k may put ink: the crowded box, the value cells, the birth lines' strip.
// above widens each place upward by that many pixels.
QImage AllowedInk(ui::ChartStyle style, int k, double above) {
    QImage mask(ui::kChartDisplaySize, QImage::Format_Grayscale8);
    mask.fill(0);
    QPainter painter(&mask);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPolygon(BoxArea(style, k % ui::kBoxCount));
    for (int row = 0; row < ui::kDetailCount; ++row) {
        painter.drawRect(
            CellArea(layout::kDetailsPanel, layout::kDetailRowTops[row], layout::kDetailValueCell)
                .adjusted(0, -above, 0, 0));
    }
    for (int row = 0; row < reading::kChartBodyCount; ++row) {
        painter.drawRect(
            CellArea(layout::kPlanetTable, layout::kPlanetRowTops[row], layout::kPlanetPositionCell)
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

QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

class Targets : public testing::TestWithParam<ui::Language> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        ui::ApplyLanguage(GetParam());
    }
    void TearDown() override { ui::ApplyLanguage(ui::Language::kEnglish); }

    QImage screen(const ChartDisplayContent& content) {
        ui::ChartDisplay display(content);
        display.setChartStyle(style);
        display.resize(ui::kChartDisplaySize);
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
        const QString pdf = folder.filePath("page.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageLayout(
            QPageLayout(QPageSize(QSizeF(ui::kChartDisplaySize) * 72.0 / 96.0, QPageSize::Point),
                        QPageLayout::Portrait, QMarginsF()));
        ui::ChartDisplay display(content);
        display.setChartStyle(style);
        EXPECT_FALSE(files::PrintDrawing(printer, QSizeF(ui::kChartDisplaySize),
                                         [&display](QPainter& p) { display.paint(p); }));
        *text = RunTool("pdftotext", {"-raw", pdf, "-"});
        const QString stem = folder.filePath("page");
        RunTool("pdftoppm", {"-r", "96", "-png", "-singlefile", pdf, stem});
        return QImage(stem + ".png").convertToFormat(QImage::Format_RGB32);
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
};

constexpr int kCases = reading::kNakshatraCount;

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
            for (int k = 0; k < kCases; ++k) {
                pageText.clear();
                drawing.clear();
                const ChartDisplayContent content = CaseContent(k);
                const QImage drawn = render(content);
                ASSERT_EQ(drawn.size(), ui::kChartDisplaySize) << name;
                // Devanagari's vowel signs reach the top of the font's ascent, and the printed
                // page, drawn from the PDF, shades a pixel or two above it.
                const bool devanagariPage =
                    GetParam() == ui::Language::kHindi && std::string_view(name) == "print";
                EXPECT_EQ(StrayInk(drawn, baseline, AllowedInk(style, k, devanagariPage ? 3 : 0)),
                          QStringList())
                    << styleName.key << ", " << name << ": " << content.detailValues[2] << ", box "
                    << k % ui::kBoxCount;
                for (const std::string& text : TextsOf(content)) {
                    const QString whole = QString::fromStdString(text);
                    // The page's text is read back whole only in Latin letters: pdftotext gives the
                    // Indian scripts' joined letters back in another order.
                    const bool readable = GetParam() == ui::Language::kEnglish;
                    EXPECT_TRUE(pageText.isEmpty() || !readable || pageText.contains(whole))
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

INSTANTIATE_TEST_SUITE_P(Languages, Targets,
                         testing::Values(ui::Language::kEnglish, ui::Language::kBengali,
                                         ui::Language::kHindi),
                         [](const auto& info) {
                             return ui::LanguageCode(info.param).toStdString();
                         });

}  // namespace
