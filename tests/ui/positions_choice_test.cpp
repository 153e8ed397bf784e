// The choice of positions, ayanamsa and node in the chart window: it calculates the shown chart
// again, is remembered for the next run, and is named on the chart and on what is made of it;
// the text report and the reading file stay as they were.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "form_driver.h"
#include "reading/driver.h"
#include "reading/vimshottari_dasha.h"
#include "ui/chart/chart_layout.h"
#include "ui/chart_choices.h"
#include "ui/dasha_window.h"

namespace {

using engine::AyanamsaMode;
using engine::NodeKind;
using reading::ChartSettings;
using reading::PositionsKind;

constexpr ChartSettings kPreciseLahiri{PositionsKind::kPreciseEphemeris};
constexpr ChartSettings kPreciseRamanTrueNode{PositionsKind::kPreciseEphemeris,
                                              AyanamsaMode::kRaman, NodeKind::kTrue};

class PositionsChoice : public testing::Test {
  protected:
    // Every test starts and leaves the stored choice at its defaults.
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        ui::StoreChartSettings({});
    }
    void TearDown() override { ui::StoreChartSettings({}); }

    // A program showing the Delhi chart.
    static std::unique_ptr<ProgramDriver> ShowDelhi() {
        auto driver = std::make_unique<ProgramDriver>();
        driver->enter(reading::SampleBirthForm());
        driver->clickCalculate();
        EXPECT_TRUE(driver->chartShown());
        return driver;
    }

    static QAction* Entry(const ProgramDriver& driver, const char* name) {
        return driver.chart()->findChild<QAction*>(QString::fromLatin1(name));
    }

    // The shown chart is the birth calculated with settings, drawn with its line.
    static void ExpectShown(const ProgramDriver& driver, const ChartSettings& settings,
                            const char* line) {
        const ui::ReadingSession& session = driver.program->session();
        EXPECT_EQ(session.reading, reading::CalculateReading(session.birth, settings));
        EXPECT_EQ(driver.shownContent(), ui::DisplayContentOf(session));
        ASSERT_EQ(driver.shownContent().notes.size(), 2u) << "the zone, then the positions";
        EXPECT_EQ(driver.shownContent().notes[1], line);
        // A window never active has no picture yet; Save As JPEG then draws the display.
        const QImage& picture = driver.chart()->lastPicture();
        EXPECT_TRUE(picture.isNull() || picture == driver.chart()->display()->picture())
            << "Save As JPEG writes the chart shown";
    }

    QString path(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
};

TEST_F(PositionsChoice, ChangingItCalculatesTheChartAgainAndTheNextRunKeepsIt) {
    {
        const auto driver = ShowDelhi();
        ExpectShown(*driver, {}, "Mean elements");
        EXPECT_TRUE(Entry(*driver, "mnuPositions_mean")->isChecked());
        EXPECT_FALSE(Entry(*driver, "mnuAyanamsa_raman")->isEnabled())
            << "the mean elements have their own ayanamsa";
        EXPECT_FALSE(Entry(*driver, "mnuNode_true")->isEnabled());

        Entry(*driver, "mnuDasha")->trigger();
        ui::DashaWindow* dasha = driver->chart()->dashaWindow();
        ASSERT_TRUE(dasha);

        Entry(*driver, "mnuPositions_precise")->trigger();
        ExpectShown(*driver, kPreciseLahiri, "Precise ephemeris \u00B7 Lahiri \u00B7 mean node");
        EXPECT_TRUE(Entry(*driver, "mnuAyanamsa_raman")->isEnabled());
        Entry(*driver, "mnuAyanamsa_raman")->trigger();
        Entry(*driver, "mnuNode_true")->trigger();
        ExpectShown(*driver, kPreciseRamanTrueNode,
                    "Precise ephemeris \u00B7 Raman \u00B7 true node");
        EXPECT_EQ(ui::LoadChartSettings(), kPreciseRamanTrueNode);

        // The open dasha window counts from the Moon now shown.
        ASSERT_EQ(driver->chart()->dashaWindow(), dasha);
        const ui::ReadingSession& session = driver->program->session();
        const auto expected = reading::ComputeVimshottariDasha(session.birth, session.reading);
        ASSERT_TRUE(expected);
        EXPECT_TRUE(dasha->text().contains(QString::fromStdString(reading::BalanceLine(*expected))))
            << dasha->text().toStdString();
    }
    {
        // The next run calculates with the choice, and shows it checked.
        const auto driver = ShowDelhi();
        ExpectShown(*driver, kPreciseRamanTrueNode,
                    "Precise ephemeris \u00B7 Raman \u00B7 true node");
        EXPECT_TRUE(Entry(*driver, "mnuPositions_precise")->isChecked());
        EXPECT_TRUE(Entry(*driver, "mnuAyanamsa_raman")->isChecked());
        EXPECT_TRUE(Entry(*driver, "mnuNode_true")->isChecked());

        // Back to the mean elements: the chart is the default one again, and the precise
        // choices wait for their return.
        Entry(*driver, "mnuPositions_mean")->trigger();
        ExpectShown(*driver, {}, "Mean elements");
        EXPECT_EQ(ui::LoadChartSettings(), (ChartSettings{PositionsKind::kMeanElements,
                                                          AyanamsaMode::kRaman, NodeKind::kTrue}));
        EXPECT_TRUE(Entry(*driver, "mnuAyanamsa_raman")->isChecked());
    }
}

TEST_F(PositionsChoice, AStoredChoiceThatCannotBeReadGivesTheDefaults) {
    QSettings settings(QStringLiteral("velmora"), QStringLiteral("rashi-chart"));
    settings.setValue("chart/positions", "precise");
    settings.setValue("chart/ayanamsa", "fagan-bradley");
    settings.setValue("chart/node", 3);
    settings.sync();
    EXPECT_EQ(ui::LoadChartSettings(), kPreciseLahiri);
}

QString PdfText(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {pdf, "-"});
    EXPECT_TRUE(pdftotext.waitForFinished(30000));
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// Where the second note, the choice's, stands on the display.
QRect ChoiceLine() {
    using namespace ui::layout;
    return ui::ToPixels(
        {kNotesLeft, kNotesTop + kNoteLineHeight, kDisplay.right() - kNotesLeft, kNoteLineHeight});
}

// Whether the picture shows anything but white where the line of the choice stands.
bool DrawsTheLine(const QImage& picture) {
    const QRect line = ChoiceLine();
    for (int y = line.top(); y <= line.bottom(); ++y) {
        for (int x = line.left(); x <= line.right(); ++x) {
            if (qGray(picture.pixel(x, y)) < 128) {
                return true;
            }
        }
    }
    return false;
}

TEST_F(PositionsChoice, PicturesDocumentsAndPagesNameTheChoiceButReportAndFileStayAsTheyWere) {
    const auto driver = ShowDelhi();
    driver->dialogs.saveAnswers = {path("mean.vlj"), path("mean.txt")};
    Entry(*driver, "mnuSaveAs")->trigger();
    Entry(*driver, "mnuExport")->trigger();
    const QImage meanPicture = driver->chart()->display()->picture();
    EXPECT_TRUE(DrawsTheLine(meanPicture));

    Entry(*driver, "mnuPositions_precise")->trigger();
    driver->dialogs.saveAnswers = {path("precise.vlj"), path("precise.txt"), path("precise.svg"),
                                   path("precise.jpg")};
    Entry(*driver, "mnuSaveAs")->trigger();
    Entry(*driver, "mnuExport")->trigger();
    Entry(*driver, "mnuSaveAsSvg")->trigger();
    Entry(*driver, "mnuSaveAsJpeg")->trigger();
    EXPECT_TRUE(driver->dialogs.messages.empty()) << driver->lastMessage().toStdString();

    const auto bytes = [this](const char* name) {
        QFile file(path(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        return file.readAll();
    };
    EXPECT_EQ(bytes("precise.vlj"), bytes("mean.vlj")) << "a reading file holds the birth alone";
    EXPECT_EQ(bytes("precise.vlj").count("\r\n"), 17);
    EXPECT_EQ(bytes("precise.txt").count("\r\n"), 26);
    EXPECT_FALSE(bytes("precise.txt").contains("recise"));
    EXPECT_TRUE(QString::fromUtf8(bytes("precise.svg"))
                    .contains(QString::fromUtf8("Precise ephemeris · Lahiri · mean node")));

    const QImage precisePicture(path("precise.jpg"), "JPG");
    ASSERT_FALSE(precisePicture.isNull());
    EXPECT_TRUE(DrawsTheLine(precisePicture));
    const QRect line = ChoiceLine();
    EXPECT_NE(meanPicture.copy(line), driver->chart()->display()->picture().copy(line));

    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    const QString pdf = path("precise.pdf");
    driver->dialogs.printAnswer = [&pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    Entry(*driver, "mnuPrint")->trigger();
    EXPECT_TRUE(PdfText(pdf).contains(QString::fromUtf8("Precise ephemeris · Lahiri · mean node")))
        << PdfText(pdf).toStdString();
    Entry(*driver, "mnuPositions_mean")->trigger();
    driver->dialogs.saveAnswers = {path("mean.pdf")};
    Entry(*driver, "mnuSaveAsPdf")->trigger();
    EXPECT_TRUE(PdfText(path("mean.pdf")).contains("Mean elements"));
}

}  // namespace
