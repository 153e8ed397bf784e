#include "files/printing.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <map>

#include "test_folder.h"

namespace files {
namespace {

const QSizeF kDrawingSize(600, 400);
const QString kWideWord = QStringLiteral("WWWWWWWWWW");
constexpr qreal kRightEdgeText = 500;  // where the drawing puts its right-hand word

// A drawing like the chart display's: lines, a planet line, a birth line, in a point-size font
// as a window would use.
void PaintChartLike(QPainter& painter) {
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    painter.drawRect(QRectF(QPointF(0, 0), kDrawingSize).adjusted(1, 1, -1, -1));
    painter.drawLine(QPointF(0, 0), QPointF(kDrawingSize.width(), kDrawingSize.height()));
    painter.drawText(QPointF(20, 40), QStringLiteral("Surya 00 Gem 40"));
    painter.drawText(QPointF(20, 70), QStringLiteral("Name: Asha Rao"));
    painter.drawText(QPointF(0, 120), kWideWord);
    painter.drawText(QPointF(kRightEdgeText, 120), QStringLiteral("Edge"));
}

QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

class Printing : public ::testing::Test {
  protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        }
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(pdf_);
    }

    QPrinter printer_{QPrinter::HighResolution};
    TestFolder folder_;
    QString pdf_ = folder_.path(QStringLiteral("chart.pdf"));
};

TEST_F(Printing, ThePageHoldsTheTextOfTheDrawing) {
    ASSERT_FALSE(PrintDrawing(printer_, kDrawingSize, PaintChartLike));
    const QString text = RunTool(QStringLiteral("pdftotext"), {pdf_, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("Surya 00 Gem 40"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Name: Asha Rao"))) << text.toStdString();
    EXPECT_EQ(text.count(QLatin1Char('\f')), 1) << "one page";
}

TEST_F(Printing, IsVectorGraphicsNotAnImage) {
    ASSERT_FALSE(PrintDrawing(printer_, kDrawingSize, PaintChartLike));
    const QString images = RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf_});
    EXPECT_EQ(images.trimmed().split('\n').size(), 2) << "only the list's heading expected:\n"
                                                      << images.toStdString();
}

// Word boxes of the page, from pdftotext's bounding-box output.
std::map<QString, QRectF> WordBoxes(const QString& pdf) {
    const QString html =
        RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::map<QString, QRectF> boxes;
    for (auto match = word.globalMatch(html); match.hasNext();) {
        const auto m = match.next();
        boxes[m.captured(5)] = QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                      QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
    }
    return boxes;
}

TEST_F(Printing, TextKeepsItsSizeAgainstTheLinesAndTheDrawingFitsThePage) {
    qreal wideWordWidth = 0;  // in the drawing's own units
    ASSERT_FALSE(PrintDrawing(printer_, kDrawingSize, [&wideWordWidth](QPainter& painter) {
        PaintChartLike(painter);
        wideWordWidth = painter.fontMetrics().horizontalAdvance(kWideWord);
    }));
    const auto boxes = WordBoxes(pdf_);
    ASSERT_TRUE(boxes.count(kWideWord) && boxes.count(QStringLiteral("Edge")));
    const QRectF wide = boxes.at(kWideWord);
    const qreal pointsPerUnit =
        (boxes.at(QStringLiteral("Edge")).left() - wide.left()) / kRightEdgeText;
    EXPECT_NEAR(wide.width() / pointsPerUnit, wideWordWidth, wideWordWidth * 0.1);

    const QRectF page = printer_.pageLayout().paintRect(QPageLayout::Point);
    EXPECT_NEAR(pointsPerUnit * kDrawingSize.width(), page.width(), 1.0) << "fills the width";
}

TEST_F(Printing, APrinterThatCannotStartIsReported) {
    printer_.setOutputFileName(folder_.path(QStringLiteral("missing/chart.pdf")));
    const auto problem = PrintDrawing(printer_, kDrawingSize, PaintChartLike);
    ASSERT_TRUE(problem);
    EXPECT_TRUE(problem->text.contains(QStringLiteral("could not be printed")));
}

TEST(PrintDialog, OffersNeitherPageNumbersNorPrintingToAFile) {
    QPrinter printer;
    QPrintDialog dialog(&printer);
    ConfigurePrintDialog(dialog);
    EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintToFile));
    EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintPageRange));
}

}  // namespace
}  // namespace files
