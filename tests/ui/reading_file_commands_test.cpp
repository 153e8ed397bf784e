// Saving a reading from the chart window and opening it in the form: the round trip through the
// real windows, refused files that change nothing, and failed saves that say so.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QToolBar>
#include <algorithm>
#include <tuple>

#include "chart_fixture.h"
#include "files/reading_file.h"

namespace {

class ReadingFileCommands : public DelhiChartTest {
  protected:
    void writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    // Back on the form with other entries typed, as a user would before opening a file.
    void backToFormWithOtherEntries() {
        driver.chart()->goBack();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        reading::FormValues other = reading::SampleBirthForm();
        other.name = "Typed Meanwhile";
        other.yearIndex = 3;
        other.zoneIndex = 0;
        other.south = true, other.north = false;
        driver.enter(other);
        typed = driver.form().values();
    }

    // Chooses the form's open button with the given answer of the open dialog.
    void openFile(const QString& chosen) {
        driver.dialogs.openAnswers.push_back(chosen);
        QTest::mouseClick(driver.formChild<QAbstractButton>("cmdOpen"), Qt::LeftButton);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void expectRefusedWithNothingChanged(const QString& reason) {
        EXPECT_FALSE(driver.chartShown());
        EXPECT_EQ(driver.form().values(), typed);
        ASSERT_EQ(driver.dialogs.messages.size(), 1u);
        const FakeDialogs::Message& message = driver.dialogs.messages[0];
        EXPECT_TRUE(message.text.startsWith("Please Check The File.")) << message.text;
        EXPECT_TRUE(message.text.contains(reason)) << message.text;
        EXPECT_EQ(message.kind, ui::MessageKind::kError);
    }

    reading::FormValues typed;
};

TEST_F(ReadingFileCommands, SavedReadingOpensIntoTheFormAndGivesTheSameChart) {
    const ui::ChartDisplayContent saved = driver.shownContent();
    const reading::ChartReading savedReading = driver.program->session().reading;
    driver.dialogs.saveAnswers.push_back(path("asha.vlj"));
    chooseMenu("mnuSaveAs");
    ASSERT_TRUE(QFile::exists(path("asha.vlj")));
    EXPECT_TRUE(driver.dialogs.messages.empty()) << driver.lastMessage();

    backToFormWithOtherEntries();
    openFile(path("asha.vlj"));
    EXPECT_TRUE(driver.dialogs.messages.empty()) << driver.lastMessage();
    ASSERT_TRUE(driver.chartShown()) << "the calculation runs at once";
    EXPECT_EQ(driver.form().values(), reading::SampleBirthForm());
    EXPECT_EQ(driver.shownContent(), saved);
    EXPECT_EQ(driver.program->session().reading, savedReading);
    EXPECT_EQ(driver.program->session().zoneIndex, reading::SampleBirthForm().zoneIndex);
    // The chart and the form say which clock the reading's zone stands for.
    EXPECT_EQ(saved.notes, (std::vector<std::string>{"Time zone: Indian Time, IST, +5.3 (+5:30)",
                                                     "Mean elements"}));
    EXPECT_EQ(driver.formChild<QLabel>("lblZoneClock")->text(), "Chosen zone: +5:30");
}

TEST_F(ReadingFileCommands, TheToolbarsSaveSavesToo) {
    driver.dialogs.saveAnswers.push_back(path("toolbar.vlj"));
    auto* toolbar = driver.chart()->findChild<QToolBar*>("TB");
    QTest::mouseClick(toolbar->widgetForAction(toolbar->actions().at(1)), Qt::LeftButton);
    EXPECT_TRUE(QFile::exists(path("toolbar.vlj")));
}

TEST_F(ReadingFileCommands, DialogsAskWithTheirOwnTextsAndShareTheLastName) {
    driver.dialogs.saveAnswers = {path("first.vlj"), path("report.txt"), {}};
    chooseMenu("mnuSaveAs");
    chooseMenu("mnuExport");
    chooseMenu("mnuSaveAs");  // cancelled: nothing written, the name stays
    backToFormWithOtherEntries();
    openFile({});

    const auto& asked = driver.dialogs.fileRequests;
    ASSERT_EQ(asked.size(), 4u);
    EXPECT_EQ(asked[0].title, "Velmora Astrology Rashi Chart East");
    EXPECT_EQ(asked[0].filter, "Velmora Astrology Rashi Chart South (*.vlj)");
    EXPECT_EQ(asked[0].defaultSuffix, "vlj");
    EXPECT_EQ(asked[0].initialName, "") << "empty at program start";
    EXPECT_TRUE(asked[0].confirmReplace);
    EXPECT_EQ(asked[1].title, "Select the destination text file ");
    EXPECT_EQ(asked[1].filter, "Export Chart As Text (*.txt)");
    EXPECT_EQ(asked[1].defaultSuffix, "txt");
    EXPECT_EQ(asked[1].initialName, path("first.txt")) << "the shared name, the report's extension";
    EXPECT_TRUE(asked[1].confirmReplace);
    EXPECT_EQ(asked[2].initialName, path("report.vlj"));
    EXPECT_EQ(asked[3].title, "Select the source file");
    EXPECT_EQ(asked[3].filter, "Velmora Astrology Rashi Chart South (*.vlj)");
    EXPECT_EQ(asked[3].initialName, "");

    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"first.vlj", "report.txt"}));
    EXPECT_TRUE(driver.dialogs.warnings.empty()) << "entries that fit are saved without a question";
    EXPECT_EQ(driver.form().values(), typed) << "a cancelled open changes nothing";
    EXPECT_TRUE(driver.dialogs.messages.empty());
}

TEST_F(ReadingFileCommands, TheSharedNameKeepsOtherDotsAndTakesTheDialogsExtension) {
    driver.dialogs.saveAnswers = {path("Mr. Rao"), path("rao.v1.VLJ"), {}, {}};
    chooseMenu("mnuExport");
    chooseMenu("mnuSaveAs");
    chooseMenu("mnuExport");
    chooseMenu("mnuSaveAs");
    const auto& asked = driver.dialogs.fileRequests;
    ASSERT_EQ(asked.size(), 4u);
    EXPECT_EQ(asked[1].initialName, path("Mr. Rao.vlj"));
    EXPECT_EQ(asked[2].initialName, path("rao.v1.txt"));
    EXPECT_EQ(asked[3].initialName, path("rao.v1.vlj"));
}

// Saving what the file cannot hold asks first, names the field, the characters and what will be
// stored; cancelling writes nothing, going on writes what was shown.
TEST_F(ReadingFileCommands, ASaveThatWouldChangeTheEntriesAsksFirst) {
    reading::FormValues values = reading::SampleBirthForm();
    values.name = "\u0141ukasz M\u00FCller";
    values.city = "Z\u00FCrich";
    driver.chart()->goBack();
    driver.enter(values);
    driver.clickCalculate();
    ASSERT_TRUE(driver.chartShown());

    struct SaveCase {
        const char* menu;
        const char* file;
        QString warning;
    };
    const std::vector<SaveCase> saves{
        {"mnuSaveAs", "asha.vlj",
         "Some characters cannot be kept in the reading file:\n\n"
         "Name \"\u0141ukasz M\u00FCller\": \"\u0141\" will be written as \"?\"; \"\u00FC\" will "
         "be left out.\nIt will be stored as \"?ukasz Mller\".\n\n"
         "City \"Z\u00FCrich\": \"\u00FC\" will be left out.\nIt will be stored as \"Zrich\"."
         "\n\nSave anyway?"},
        {"mnuExport", "asha.txt",
         "Some characters cannot be kept in the text report:\n\n"
         "Name \"\u0141ukasz M\u00FCller\": \"\u0141\" will be written as \"?\".\n"
         "It will be stored as \"?ukasz M\u00FCller\".\n\nSave anyway?"},
    };
    for (const SaveCase& save : saves) {
        for (const bool goOn : {false, true}) {
            driver.dialogs.warnings.clear();
            driver.dialogs.saveAnswers.push_back(path(save.file));
            driver.dialogs.proceedAnswers.push_back(goOn);
            chooseMenu(save.menu);
            ASSERT_EQ(driver.dialogs.warnings.size(), 1u) << save.menu;
            EXPECT_EQ(driver.dialogs.warnings[0].text, save.warning);
            EXPECT_EQ(driver.dialogs.warnings[0].proceed, "Save Anyway");
            EXPECT_EQ(QFile::exists(path(save.file)), goOn) << save.menu;
        }
    }
    QFile report(path("asha.txt"));
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    EXPECT_TRUE(report.readAll().startsWith("Name: ?ukasz M\xFCller\r\n"));

    // Opening the saved reading gives back what the warning showed.
    backToFormWithOtherEntries();
    driver.dialogs.messages.clear();
    openFile(path("asha.vlj"));
    EXPECT_EQ(driver.field("txtName")->text(), "?ukasz Mller");
    EXPECT_EQ(driver.field("txtCity")->text(), "Zrich");
    EXPECT_TRUE(driver.chartShown()) << driver.lastMessage();
    EXPECT_TRUE(driver.dialogs.messages.empty());
}

TEST_F(ReadingFileCommands, ACapitalisedExtensionIsRefused) {
    driver.dialogs.saveAnswers.push_back(path("upper.VLJ"));
    chooseMenu("mnuSaveAs");
    backToFormWithOtherEntries();
    openFile(path("upper.VLJ"));
    EXPECT_EQ(driver.dialogs.texts(), QStringList{"Please Check The File."});
    EXPECT_EQ(driver.form().values(), typed);
    EXPECT_FALSE(driver.chartShown());
}

TEST_F(ReadingFileCommands, AFileThatCannotBeOpenedChangesNothingAndSaysWhy) {
    backToFormWithOtherEntries();
    openFile(path("vanished.vlj"));  // chosen, then removed before it was read
    expectRefusedWithNothingChanged(QDir::toNativeSeparators(path("vanished.vlj")));
}

TEST_F(ReadingFileCommands, AnOversizedFileIsRefused) {
    writeFile("large.vlj", QByteArray(files::kReadingFileMaxBytes + 1, 'a'));
    backToFormWithOtherEntries();
    openFile(path("large.vlj"));
    expectRefusedWithNothingChanged("too large");
}

TEST_F(ReadingFileCommands, ABinaryFileIsRefused) {
    writeFile("binary.vlj", QByteArray("Name\r\n\0\x01\x02\r\n", 11));
    backToFormWithOtherEntries();
    openFile(path("binary.vlj"));
    expectRefusedWithNothingChanged("binary");
}

// Files whose lines are no reading: the form keeps what the user typed, and the message says why.
TEST_F(ReadingFileCommands, AFileThatIsNoReadingLeavesTheFormAsItWas) {
    const std::string saved = files::EncodeReadingFile(files::FieldsForSave(
        driver.program->session().birth, reading::SampleBirthForm().zoneIndex));
    std::string crOnly = saved;
    std::replace(crOnly.begin(), crOnly.end(), '\n', '\r');
    std::string fourDigitDegree = saved;
    const std::string scrambled28 = files::EncodeReadingFile({"28"}).substr(0, 2);
    fourDigitDegree.replace(fourDigitDegree.find("\r\n" + scrambled28) + 2, 2,
                            files::EncodeReadingFile({"2876"}).substr(0, 4));
    files::ReadingFileFields yearFields =
        files::FieldsForSave(driver.program->session().birth, reading::SampleBirthForm().zoneIndex);
    const auto withYear = [&](const std::string& year) {
        yearFields[3] = year;
        return files::EncodeReadingFile(yearFields);
    };
    std::string randomBytes;
    for (int i = 0; i < 500; ++i) {
        randomBytes += static_cast<char>(1 + (i * 7919) % 255);
    }
    const std::vector<std::tuple<const char*, std::string, const char*>> files{
        {"empty.vlj", "", "The file is empty."},
        {"random.vlj", randomBytes, "holds control characters"},
        {"notes.vlj", "Born in Delhi in 1980\r\n", "Line 1 (Name) holds control characters."},
        {"mac.vlj", crOnly, "Line 1 (Name) holds control characters."},
        {"degree.vlj", fourDigitDegree, "Line 10 (Latitude degrees) has more digits"},
        {"year.vlj", withYear("2051"),
         "Line 4 (Year) holds 2051, outside its list of 1901 to "
         "2050."},
    };
    backToFormWithOtherEntries();
    for (const auto& [name, bytes, reason] : files) {
        writeFile(name, QByteArray::fromStdString(bytes));
        driver.dialogs.messages.clear();
        openFile(path(name));
        expectRefusedWithNothingChanged(reason);
    }
}

TEST_F(ReadingFileCommands, ASixteenLineFileEmptiesTheCountryAndTheCalculationSaysSo) {
    reading::BirthData birth = driver.program->session().birth;
    auto fields = files::FieldsForSave(birth, reading::SampleBirthForm().zoneIndex);
    std::string bytes = files::EncodeReadingFile(fields);
    bytes.erase(bytes.rfind("\r\n", bytes.size() - 3) + 2);  // drop the last line
    writeFile("short.vlj", QByteArray::fromStdString(bytes));

    backToFormWithOtherEntries();
    openFile(path("short.vlj"));
    EXPECT_EQ(driver.dialogs.texts(),
              QStringList{"Please Enter Your Country name\n\nThe file ended after line 16 (State); "
                          "the lines after it are empty."});
    EXPECT_EQ(driver.form().focusWidget(), driver.field("txtCountry"));
    EXPECT_EQ(driver.field("txtCity")->text(), "Delhi");
    EXPECT_EQ(driver.field("txtCountry")->text(), "");
    EXPECT_FALSE(driver.chartShown());
}

TEST_F(ReadingFileCommands, ASaveIntoAMissingFolderSaysSoAndLeavesNoFile) {
    const QString target = path("missing/asha.vlj");
    driver.dialogs.saveAnswers.push_back(target);
    chooseMenu("mnuSaveAs");
    ASSERT_EQ(driver.dialogs.messages.size(), 1u);
    const FakeDialogs::Message& message = driver.dialogs.messages[0];
    EXPECT_EQ(message.kind, ui::MessageKind::kError);
    EXPECT_TRUE(message.text.contains(QDir::toNativeSeparators(target))) << message.text;
    EXPECT_TRUE(message.text.contains("No such file or directory")) << message.text;
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    EXPECT_TRUE(driver.chartShown()) << "the chart stays";
}

TEST_F(ReadingFileCommands, AnExportIntoAMissingFolderSaysSo) {
    const QString target = path("missing/report.txt");
    driver.dialogs.saveAnswers.push_back(target);
    chooseMenu("mnuExport");
    ASSERT_EQ(driver.dialogs.messages.size(), 1u);
    EXPECT_EQ(driver.dialogs.messages[0].kind, ui::MessageKind::kError);
    EXPECT_TRUE(driver.lastMessage().contains(QDir::toNativeSeparators(target)));
    EXPECT_FALSE(QFile::exists(target));
}

}  // namespace
