// What the chart window writes of its reading: the text report, the chart picture and the
// printed page.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QToolBar>

#include "chart_fixture.h"
#include "files/chart_picture.h"
#include "files/report_export.h"
#include "ui/chart/chart_painter.h"
#include "ui/chart_display.h"

namespace {

class ChartOutput : public DelhiChartTest {
  protected:
    QStringList files() const { return QDir(folder.path()).entryList(QDir::Files, QDir::Name); }

    // The print dialog confirmed (or cancelled) with a PDF file as the printer.
    void answerPrintDialogWithPdf(bool confirm) {
        driver.dialogs.printAnswer = [this, confirm](QPrinter& printer) {
            offeredOrientation = printer.pageLayout().orientation();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return confirm;
        };
    }

    QString pdf = path("chart.pdf");
    QPageLayout::Orientation offeredOrientation = QPageLayout::Portrait;
};

TEST_F(ChartOutput, ExportWritesTheReportOfTheShownReading) {
    driver.dialogs.saveAnswers.push_back(path("asha.txt"));
    chooseMenu("mnuExport");
    EXPECT_TRUE(driver.dialogs.messages.empty()) << driver.lastMessage();

    QFile report(path("asha.txt"));
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    const QByteArray bytes = report.readAll();
    const ui::ReadingSession& session = driver.program->session();
    EXPECT_EQ(bytes, files::ReportFileBytes(session.birth, session.reading, QLocale()));
    EXPECT_EQ(bytes.count("\r\n"), 26);
    EXPECT_TRUE(bytes.startsWith("Name: Asha Rao\r\nDate of Birth: June 15, 1980\r\n"));
    EXPECT_TRUE(bytes.contains("\r\nSun 00 Gem 40\r\n"));
}

TEST_F(ChartOutput, PicturesTakeTheFirstFreeNameAndShowTheDisplay) {
    driver.dialogs.saveAnswers = {path("chart"), path("chart.bmp")};
    QTest::mouseClick(driver.chart()->findChild<QAbstractButton*>("cmdSaveAsJPEG"), Qt::LeftButton);
    chooseMenu("mnuSaveAsJpeg");
    EXPECT_TRUE(driver.dialogs.messages.empty()) << driver.lastMessage();
    EXPECT_EQ(files(), QStringList({"chart.jpg", "chart_001.jpg"}));

    const auto& asked = driver.dialogs.fileRequests;
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].filter, "JPEG Image (*.jpg)");
    EXPECT_FALSE(asked[0].confirmReplace) << "a taken name gets a number instead";

    for (const QString& name : files()) {
        const QImage picture(path(name), "JPG");
        ASSERT_FALSE(picture.isNull()) << name;
        EXPECT_EQ(picture.size(), ui::kChartDisplaySize);
        // A sample inside the chart's top-middle box has the chart's colour (JPEG is lossy).
        const QColor sample = picture.pixelColor(290, 225);
        EXPECT_NEAR(sample.red(), 255, 12);
        EXPECT_NEAR(sample.green(), 199, 12);
        EXPECT_NEAR(sample.blue(), 6, 12);
    }
}

TEST_F(ChartOutput, APictureThatCannotBeWrittenSaysSo) {
    driver.dialogs.saveAnswers.push_back(path("missing/chart"));
    chooseMenu("mnuSaveAsJpeg");
    ASSERT_EQ(driver.dialogs.messages.size(), 1u);
    EXPECT_EQ(driver.dialogs.messages[0].kind, ui::MessageKind::kError);
    EXPECT_TRUE(driver.lastMessage().contains(QDir::toNativeSeparators(path("missing/chart.jpg"))))
        << driver.lastMessage();
}

// The Delhi chart's texts on the one page of a PDF file, as selectable text.
void ExpectChartTextOnOnePage(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    for (const char* expected :
         {"Vedic Planetary Position", "Surya / Sun", "00 Gem 40", "Ketu / South Node", "29 Cap 35",
          "Name: Asha Rao", "Date of Birth: June 15, 1980", "Time of Birth: 10 Hour 30 Minute",
          "Latitude: 28 Degree 37 Minute", "Other Vedic Details", "Punarvasu", "Rashi Chart",
          "Time zone: Indian Time, IST, +5.3 (+5:30)"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                                << text.toStdString();
    }
    EXPECT_EQ(text.count('\f'), 1) << "one page";
}

bool HavePdfTools() {
    return !QStandardPaths::findExecutable("pdftotext").isEmpty() &&
           !QStandardPaths::findExecutable("pdfimages").isEmpty();
}

TEST_F(ChartOutput, PrintingPutsTheChartsTextsOnThePage) {
    if (!HavePdfTools()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    answerPrintDialogWithPdf(true);
    chooseMenu("mnuPrint");
    EXPECT_TRUE(driver.dialogs.messages.empty()) << driver.lastMessage();
    ExpectChartTextOnOnePage(pdf);
    EXPECT_EQ(offeredOrientation, QPageLayout::Landscape) << "the wide chart fills the page";
}

TEST_F(ChartOutput, PdfAndSvgDocumentsAreNamedAsPicturesAndHoldTheDrawing) {
    if (!HavePdfTools()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    driver.dialogs.saveAnswers = {path("chart"), path("chart.png"), path("chart.v2")};
    chooseMenu("mnuSaveAsPdf");
    chooseMenu("mnuSaveAsPdf");
    chooseMenu("mnuSaveAsSvg");
    EXPECT_TRUE(driver.dialogs.messages.empty()) << driver.lastMessage();
    EXPECT_EQ(files(), QStringList({"chart.pdf", "chart.svg", "chart_001.pdf"}));
    const auto& asked = driver.dialogs.fileRequests;
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0].filter, "PDF Document (*.pdf)");
    EXPECT_EQ(asked[2].filter, "SVG Image (*.svg)");
    EXPECT_FALSE(asked[0].confirmReplace || asked[2].confirmReplace);

    ExpectChartTextOnOnePage(path("chart.pdf"));
    QProcess pdfimages;
    pdfimages.start("pdfimages", {"-list", path("chart.pdf")});
    ASSERT_TRUE(pdfimages.waitForFinished(30000));
    EXPECT_EQ(QString::fromUtf8(pdfimages.readAllStandardOutput()).trimmed().count('\n'), 1)
        << "no pictures, only lines and text";

    // The SVG holds the texts as text and draws the same display as the screen.
    QFile svgFile(path("chart.svg"));
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    const QByteArray svg = svgFile.readAll();
    EXPECT_TRUE(svg.contains("Punarvasu") && svg.contains("Ketu / South Node") &&
                svg.contains("Time zone: Indian Time, IST, +5.3 (+5:30)"));
    EXPECT_FALSE(svg.contains("<image"));
    QSvgRenderer renderer(svg);
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.viewBox(), QRect(QPoint(0, 0), ui::kChartDisplaySize));
    const QImage drawn = files::RenderPicture(
        ui::kChartDisplaySize, [&renderer](QPainter& painter) { renderer.render(&painter); });
    const QImage screen = driver.chart()->display()->picture();
    int differing = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            differing += qGray(drawn.pixel(x, y)) / 64 != qGray(screen.pixel(x, y)) / 64;
        }
    }
    // Text is smoothed a little differently by the SVG renderer, so every letter differs at
    // its edges; a display that is missing or misplaced differs in far more.
    EXPECT_LT(differing, drawn.width() * drawn.height() / 40) << "the SVG shows the display";
}

TEST_F(ChartOutput, ADocumentThatCannotBeWrittenSaysSo) {
    driver.dialogs.saveAnswers = {path("missing/chart"), path("missing/chart")};
    chooseMenu("mnuSaveAsPdf");
    chooseMenu("mnuSaveAsSvg");
    ASSERT_EQ(driver.dialogs.messages.size(), 2u);
    EXPECT_TRUE(
        driver.dialogs.texts()[0].contains(QDir::toNativeSeparators(path("missing/chart.pdf"))));
    EXPECT_TRUE(
        driver.dialogs.texts()[1].contains(QDir::toNativeSeparators(path("missing/chart.svg"))));
}

TEST_F(ChartOutput, WithoutAPrinterPrintSaysSoAndOffersAPdf) {
    driver.dialogs.printers.clear();
    driver.dialogs.yesNoAnswers = {false, true};
    driver.dialogs.saveAnswers = {path("chart")};
    chooseMenu("mnuPrint");  // No: nothing more happens
    EXPECT_TRUE(files().isEmpty());
    chooseMenu("mnuPrint");  // Yes: the PDF's file dialog
    EXPECT_EQ(files(), QStringList({"chart.pdf"}));
    EXPECT_EQ(driver.dialogs.printDialogs, 0) << "no dialog full of nothing to choose";
    EXPECT_TRUE(driver.dialogs.messages.empty());
    ASSERT_EQ(driver.dialogs.questions.size(), 2u);
    EXPECT_TRUE(driver.dialogs.questions[0].startsWith("No printer is set up on this computer"));
    EXPECT_TRUE(driver.dialogs.questions[0].contains("PDF"));
}

// How far apart two pictures of the same size are, pixel by pixel.
qint64 Difference(const QImage& a, const QImage& b) {
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            sum += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
        }
    }
    return sum;
}

TEST_F(ChartOutput, PicturesAndPagesTakeTheChartShown) {
    const QImage rashi = driver.chart()->display()->picture();
    chooseMenu("mnuNavamsaChart");
    const QImage navamsa = driver.chart()->display()->picture();
    driver.dialogs.saveAnswers.push_back(path("navamsa"));
    chooseMenu("mnuSaveAsJpeg");
    const QImage saved(path("navamsa.jpg"), "JPG");
    ASSERT_FALSE(saved.isNull());
    EXPECT_LT(Difference(saved, navamsa) * 4, Difference(saved, rashi));
    driver.dialogs.saveAnswers.push_back(path("navamsa"));
    chooseMenu("mnuSaveAsSvg");
    QFile svg(path("navamsa.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray svgText = svg.readAll();
    EXPECT_TRUE(svgText.contains(">Navamsa Chart</text>"));

    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    answerPrintDialogWithPdf(true);
    chooseMenu("mnuPrint");
    QProcess pdftotext;
    pdftotext.start("pdftotext", {pdf, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    EXPECT_TRUE(text.contains("Navamsa Chart")) << text.toStdString();
    EXPECT_EQ(text.count("Rashi Chart"), 1) << "the logo's words alone";
    EXPECT_TRUE(text.contains("Name: Asha Rao"));
}

TEST_F(ChartOutput, ACancelledPrintDialogPrintsNothingAndSaysNothing) {
    answerPrintDialogWithPdf(false);
    auto* toolbar = driver.chart()->findChild<QToolBar*>("TB");
    QTest::mouseClick(toolbar->widgetForAction(toolbar->actions().at(2)), Qt::LeftButton);
    EXPECT_EQ(driver.dialogs.printDialogs, 1) << "the toolbar's Print shows the dialog";
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(driver.dialogs.messages.empty());
    EXPECT_TRUE(driver.chartShown());
}

TEST_F(ChartOutput, APrinterThatRefusesThePageIsReported) {
    pdf = path("missing/chart.pdf");
    answerPrintDialogWithPdf(true);
    chooseMenu("mnuPrint");
    ASSERT_EQ(driver.dialogs.messages.size(), 1u);
    EXPECT_EQ(driver.dialogs.messages[0].kind, ui::MessageKind::kError);
}

}  // namespace
