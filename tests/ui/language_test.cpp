// The window in Bengali and Hindi: the choice in the View menu, what it changes and restores, and
// that it is remembered.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "files/reading_file.h"
#include "files/reading_file_io.h"
#include "form_driver.h"
#include "reading/sample_birth.h"
#include "reading/time_zones.h"
#include "reading/validation.h"
#include "ui/chart/chart_style.h"
#include "ui/chart/chart_words.h"
#include "ui/chart_display.h"
#include "ui/dasha_window.h"
#include "ui/form_messages.h"
#include "ui/language.h"
#include "ui/qt_text.h"
#include "ui/varga_window.h"

namespace {

using ui::Language;

// Every language test ends in English, as the other tests expect.
class LanguageTest : public testing::Test {
  protected:
    void TearDown() override {
        ui::ApplyLanguage(Language::kEnglish);
        QApplication::processEvents();
    }
};

TEST_F(LanguageTest, TheSystemLocaleChoosesBengaliHindiOrElseEnglish) {
    const std::pair<const char*, Language> cases[] = {
        {"bn_IN", Language::kBengali}, {"bn_BD", Language::kBengali}, {"hi_IN", Language::kHindi},
        {"en_GB", Language::kEnglish}, {"fr_FR", Language::kEnglish}, {"ta_IN", Language::kEnglish},
        {"C", Language::kEnglish}};
    for (const auto& [name, language] : cases) {
        EXPECT_EQ(ui::LanguageOfLocale(QLocale(QString::fromLatin1(name))), language) << name;
    }
}

TEST_F(LanguageTest, BengaliWritesItsOwnDigitsAndHindiTheInternationalOnes) {
    const QString position = QStringLiteral("05 Sag 15");
    ui::ApplyLanguage(Language::kBengali);
    EXPECT_EQ(ui::PositionWords("05 Sag 15"), QStringLiteral("০৫ ধনু ১৫"));
    EXPECT_EQ(ui::BoxEntryWord("Shukra (R) "), QStringLiteral("শুক্র (ব) "));
    EXPECT_EQ(ui::ChartWord("Purbha Phalguni"), QStringLiteral("পূর্বফাল্গুনী"));
    ui::ApplyLanguage(Language::kHindi);
    EXPECT_EQ(ui::PositionWords("05 Sag 15"), QStringLiteral("05 धनु 15"));
    EXPECT_EQ(ui::ChartWord("Vrishabha"), QStringLiteral("वृषभ"));
    ui::ApplyLanguage(Language::kEnglish);
    EXPECT_EQ(ui::PositionWords("05 Sag 15"), position);
    EXPECT_EQ(ui::BoxEntryWord("Shukra (R) "), QStringLiteral("Shukra (R) "));
}

// Every refusal the form's checks can give, each from one faulty entry, has its translation.
TEST_F(LanguageTest, EveryRefusalOfTheFormIsTranslated) {
    using Change = void (*)(reading::FormValues&);
    const Change changes[] = {
        [](auto& v) { v.name.clear(); },
        [](auto& v) { v.latitudeDegrees.clear(); },
        [](auto& v) { v.latitudeMinutes.clear(); },
        [](auto& v) { v.longitudeDegrees.clear(); },
        [](auto& v) { v.longitudeMinutes.clear(); },
        [](auto& v) { v.city.clear(); },
        [](auto& v) { v.state.clear(); },
        [](auto& v) { v.country.clear(); },
        [](auto& v) { v.north = v.south = false; },
        [](auto& v) { v.east = v.west = false; },
        [](auto& v) { v.monthIndex = 1, v.dayIndex = 29; },
        [](auto& v) { v.monthIndex = 3, v.dayIndex = 30; },
        [](auto& v) { v.latitudeDegrees = "91"; },
        [](auto& v) { v.longitudeDegrees = "181"; },
        [](auto& v) { v.latitudeMinutes = "60"; },
        [](auto& v) { v.longitudeMinutes = "60"; },
        // One-letter texts moved in whole: GCC's -O3 misreads assigning a one-letter literal as
        // overlapping copies.
        [](auto& v) { v.latitudeDegrees = "90", v.latitudeMinutes = std::string(1, '1'); },
        [](auto& v) { v.longitudeDegrees = "180", v.longitudeMinutes = std::string(1, '1'); },
        [](auto& v) { v.latitudeDegrees = std::string(1, 'x'); },
        [](auto& v) { v.zoneIndex = -1; },
    };
    ui::ApplyLanguage(Language::kBengali);
    QStringList shown;
    for (const Change change : changes) {
        reading::FormValues values = reading::SampleBirthForm();
        change(values);
        auto refusal = reading::ValidateInput(values);
        if (!refusal) {
            refusal = reading::CopyFormToBirthData(values).refusal;
        }
        ASSERT_TRUE(refusal.has_value()) << shown.size();
        const QString message = ui::FormMessage(refusal->message);
        EXPECT_NE(message, QString::fromStdString(refusal->message));
        shown << message;
    }
    shown.removeDuplicates();
    EXPECT_EQ(shown.size(), std::size(changes) - 1) << "the two date messages read alike";
}

// A name in Bengali cannot go into a reading file, which holds Latin letters only: typing it is
// refused and the warning before saving says so, in the language spoken; cancelling writes
// nothing.
TEST_F(LanguageTest, ABengaliNameIsWarnedAboutBeforeItIsLost) {
    ui::ApplyLanguage(Language::kBengali);
    ProgramDriver driver;
    // Typed, a Bengali letter is refused at once, and the message says why.
    QLineEdit* name = driver.field("txtName");
    name->setFocus();
    QTest::sendKeyEvent(QTest::KeyAction::Click, name, Qt::Key_unknown, QStringLiteral("আ"),
                        Qt::NoModifier);
    ASSERT_EQ(driver.dialogs.texts().size(), 1);
    EXPECT_TRUE(driver.dialogs.texts()[0].contains(QStringLiteral("কোষ্ঠী ফাইলে বাংলা অক্ষর")));
    EXPECT_FALSE(name->text().contains(QStringLiteral("আ")));

    // Put in another way, it is named in the warning before saving.
    reading::FormValues values = reading::SampleBirthForm();
    values.name = "আশা রাও";
    driver.enter(values);
    driver.clickCalculate();
    ASSERT_TRUE(driver.chartShown());
    const QTemporaryDir folder;
    driver.dialogs.saveAnswers.push_back(folder.filePath(QStringLiteral("asha.vlj")));
    driver.chart()->findChild<QAction*>(QStringLiteral("mnuSaveAs"))->trigger();
    ASSERT_EQ(driver.dialogs.warnings.size(), 1u);
    const QString warning = driver.dialogs.warnings[0].text;
    EXPECT_TRUE(warning.startsWith(QStringLiteral("কোষ্ঠী ফাইল কেবল লাতিন অক্ষর রাখতে পারে")))
        << warning;
    EXPECT_TRUE(warning.contains(QStringLiteral("নাম \"আশা রাও\"")));
    EXPECT_EQ(driver.dialogs.warnings[0].proceed, QStringLiteral("তবুও সংরক্ষণ করুন"));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("asha.vlj"))));
}

// Chosen in the chart window's View menu, a language changes the captions, the chart's own words
// and the messages at once; English brings every one of them back as it was.
TEST_F(LanguageTest, TheViewMenuSwitchesEveryTextAndBackAndIsRemembered) {
    ProgramDriver driver;
    driver.enter(reading::SampleBirthForm());
    driver.clickCalculate();
    ASSERT_TRUE(driver.chartShown());
    ui::ChartWindow* window = driver.chart();

    struct Shown {
        QStringList captions;
        ui::ChartDisplayContent content;
        QString question;
    };
    const auto shown = [&] {
        Shown now;
        // Every entry, the submenus' too (View ▸ Chart's sixteen charts, View ▸ Chart Style).
        const auto entries = [&](const auto& self, const QList<QAction*>& actions) -> void {
            for (QAction* action : actions) {
                // The languages are named in their own scripts, in any language.
                if (action->objectName().startsWith(QStringLiteral("mnuLanguage_"))) {
                    continue;
                }
                now.captions << action->text();
                if (action->menu() != nullptr) {
                    self(self, action->menu()->actions());
                }
            }
        };
        entries(entries, window->menuBar()->actions());
        for (const char* name : {"lblHeading", "lblURL", "lblCobrand"}) {
            now.captions << window->findChild<QLabel*>(QString::fromLatin1(name))->text();
        }
        for (const char* name : {"cmdSaveAsJPEG", "cmdBack", "cmdExit"}) {
            now.captions << window->findChild<QPushButton*>(QString::fromLatin1(name))->text();
        }
        for (const char* name : {"cmdCalculate", "cmdOpen", "Command1"}) {
            now.captions
                << driver.form().findChild<QPushButton*>(QString::fromLatin1(name))->text();
        }
        now.captions << driver.form().findChild<QLabel*>(QStringLiteral("lblLabel1"))->text();
        now.captions << driver.list("cboMonth")->itemText(5);
        now.content = window->display()->content();
        driver.dialogs.printers.clear();
        driver.dialogs.questions.clear();
        window->findChild<QAction*>(QStringLiteral("mnuPrint"))->trigger();
        now.question = driver.dialogs.questions.empty() ? QString() : driver.dialogs.questions[0];
        return now;
    };
    const auto choose = [&](const char* code) {
        window->findChild<QAction*>(QStringLiteral("mnuLanguage_") + QString::fromLatin1(code))
            ->trigger();
        QApplication::processEvents();
    };

    const Shown english = shown();
    choose("bn");
    EXPECT_EQ(ui::CurrentLanguage(), Language::kBengali);
    EXPECT_EQ(ui::StartingLanguage(), Language::kBengali) << "remembered for the next run";
    const Shown bengali = shown();
    ASSERT_EQ(bengali.captions.size(), english.captions.size());
    for (qsizetype i = 0; i < english.captions.size(); ++i) {
        if (!english.captions[i].isEmpty()) {
            EXPECT_NE(bengali.captions[i], english.captions[i]);
        }
    }
    EXPECT_TRUE(bengali.captions.contains(QStringLiteral("ফাইল (&F)")));
    EXPECT_TRUE(bengali.content.boxTextsOf(ui::ChartKind::kRashi)[2].starts_with("রবি"));
    EXPECT_EQ(bengali.content.detailValues[1], "সিংহ");
    EXPECT_EQ(bengali.content.birthLines[4], "জন্মতারিখ: ১৫ জুন ১৯৮০");
    EXPECT_TRUE(bengali.question.startsWith(QStringLiteral("এই কম্পিউটারে কোনো প্রিন্টার")));
    // Qt's own buttons in the message boxes speak it too.
    const QMessageBox box(QMessageBox::Question, {}, {}, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("হ্যাঁ (&Y)"));

    // The dasha window follows too: its lords, its dates and its buttons.
    window->openDashaWindow();
    ui::DashaWindow* dasha = window->dashaWindow();
    ASSERT_NE(dasha, nullptr);
    EXPECT_TRUE(dasha->text().contains(QStringLiteral("বিংশোত্তরী দশা")));
    EXPECT_TRUE(dasha->text().contains(QStringLiteral("বৃহস্পতি / শনি")));
    dasha->close();

    // The table of the divisional charts names the charts and the ascendant's row.
    window->openVargaWindow();
    ui::VargaWindow* vargas = window->vargaWindow();
    ASSERT_NE(vargas, nullptr);
    auto* table = vargas->findChild<QTableWidget*>(QStringLiteral("tblVargas"));
    EXPECT_EQ(table->horizontalHeaderItem(6)->toolTip(), QStringLiteral("দশাংশ"));
    EXPECT_EQ(table->verticalHeaderItem(9)->text(), QStringLiteral("লগ্ন"));
    EXPECT_TRUE(vargas->text().startsWith(QStringLiteral("বর্গচক্র - ")));
    vargas->close();
    EXPECT_TRUE(bengali.captions.contains(QStringLiteral("ষষ্ট্যংশ (D60)")));
    EXPECT_TRUE(bengali.captions.contains(QStringLiteral("দক্ষিণ ভারতীয়")));

    choose("hi");
    const Shown hindi = shown();
    EXPECT_EQ(hindi.content.detailValues[1], "सिंह");
    EXPECT_EQ(hindi.content.birthLines[4], "जन्म तिथि: 15 जून 1980");
    EXPECT_NE(hindi.captions, bengali.captions);

    choose("en");
    const Shown again = shown();
    EXPECT_EQ(again.captions, english.captions);
    EXPECT_EQ(again.content, english.content);
    EXPECT_EQ(again.question, english.question);
    EXPECT_EQ(ui::StartingLanguage(), Language::kEnglish);
}

// The atlas's clock of the birth place, beside the zone list and in the note under the chart,
// and the zone list's rows, in the language's words, dates and digits; the same clock in Hindi
// once the language changes under an open chart.
TEST_F(LanguageTest, ThePlacesClockAndTheZoneSpeakTheLanguage) {
    ui::ApplyLanguage(Language::kBengali);
    ProgramDriver driver;
    reading::FormValues values = reading::SampleBirthForm();
    values.city = "Kolkata";
    values.state = "West Bengal";
    driver.enter(values);
    QTest::mouseClick(driver.formChild<QAbstractButton>("Command1"), Qt::LeftButton);
    const auto zoneLine = [&] { return driver.formChild<QLabel>("lblZoneClock")->text(); };
    EXPECT_EQ(zoneLine(), QStringLiteral("Asia/Kolkata, ১৫ জুন ১৯৮০: +৫:৩০"));
    driver.clickCalculate();
    ASSERT_TRUE(driver.chartShown()) << driver.lastMessage();
    EXPECT_EQ(driver.shownContent().notes[0],
              "সময় অঞ্চল: ভারতীয় সময়, IST, +৫.৩ (+৫:৩০) \u00B7 Asia/Kolkata, ১৫ জুন ১৯৮০: +৫:৩০");

    driver.chart()->findChild<QAction*>(QStringLiteral("mnuLanguage_hi"))->trigger();
    QApplication::processEvents();
    EXPECT_EQ(driver.shownContent().notes[0],
              "समय क्षेत्र: भारतीय समय, IST, +5.3 (+5:30) \u00B7 Asia/Kolkata, 15 जून 1980: +5:30");
    EXPECT_EQ(zoneLine(), QStringLiteral("Asia/Kolkata, 15 जून 1980: +5:30"));

    // Every row of the zone list has its words in both languages; English gives the list back.
    QComboBox* zones = driver.list("cboTimeZone");
    ASSERT_EQ(zones->count(), reading::kTimeZoneCount);
    for (const Language language : {Language::kBengali, Language::kHindi, Language::kEnglish}) {
        ui::ApplyLanguage(language);
        QApplication::processEvents();
        for (int row = 0; row < reading::kTimeZoneCount; ++row) {
            const QString english = ui::QStringOf(reading::TimeZoneTable[row].listText);
            EXPECT_EQ(zones->itemText(row) == english, language == Language::kEnglish)
                << row << " " << zones->itemText(row).toStdString();
        }
    }
    EXPECT_EQ(zoneLine(), QStringLiteral("Asia/Kolkata on 15 Jun 1980: +5:30"));
}

// A place whose clock no row of the list has: the line, and the message that says so.
TEST_F(LanguageTest, AClockWithoutARowIsToldInTheLanguage) {
    ui::ApplyLanguage(Language::kBengali);
    ProgramDriver driver;
    reading::FormValues values = reading::SampleBirthForm();
    values.city = "Kathmandu";
    values.state = "Bagmati";
    values.country = "Nepal";
    values.yearIndex = 1990 - reading::kFirstYear;  // Nepal's clocks kept +5:30 until 1986
    driver.enter(values);
    QTest::mouseClick(driver.formChild<QAbstractButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(driver.formChild<QLabel>("lblZoneClock")->text(),
              QStringLiteral("Asia/Kathmandu, ১৫ জুন ১৯৯০: +৫:৪৫, তালিকায় এমন কোনো সময় অঞ্চল নেই"));
    ASSERT_EQ(driver.dialogs.texts().size(), 1);
    EXPECT_TRUE(driver.dialogs.texts()[0].startsWith(QStringLiteral("১৫ জুন ১৯৯০ তারিখে Kathmandu")))
        << driver.dialogs.texts()[0].toStdString();

    // A time the clocks showed twice: the question, its answers, and the line when none is
    // chosen.
    ui::ApplyLanguage(Language::kHindi);
    values.city = "New York City";
    values.state = "New York";
    values.country = "United States";
    values.yearIndex = 2000 - reading::kFirstYear;
    values.monthIndex = 10 - 1;
    values.dayIndex = 29 - 1;
    values.hourIndex = 1;
    values.minuteIndex = 30;
    driver.enter(values);
    QStringList asked;
    driver.dialogs.modalAnswer = [&](QDialog& dialog) {
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            asked << label->text();
        }
        for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
            asked << button->text();
        }
        return int{QDialog::Rejected};
    };
    QTest::mouseClick(driver.formChild<QAbstractButton>("Command1"), Qt::LeftButton);
    const QString all = asked.join('|');
    EXPECT_TRUE(all.contains(QStringLiteral("की घड़ियाँ पीछे की गई थीं, इसलिए 1:30 दो बार आया।")))
        << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("1:30, डेलाइट सेविंग सहित (-4:00)"))) << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("1:30 (-5:00)"))) << all.toStdString();
    EXPECT_TRUE(driver.formChild<QLabel>("lblZoneClock")
                    ->text()
                    .endsWith(QStringLiteral(": यह समय दो बार आया; समय क्षेत्र स्वयं चुनें")));
}

// A reading file's refusal names the line, what it holds and its list in the language's words;
// every line is named so.
TEST_F(LanguageTest, AReadingFilesRefusalNamesTheLineInTheLanguage) {
    const QTemporaryDir folder;
    const auto load = [&](const std::string& bytes) {
        const QString path = folder.filePath(QStringLiteral("asha.vlj"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray::fromStdString(bytes));
        file.close();
        return files::LoadReadingFile(path);
    };
    files::ReadingFileFields fields = files::FieldsForSave(reading::SampleBirth(), 34);
    fields[3] = "2051";
    ui::ApplyLanguage(Language::kHindi);
    const files::LoadedReadingFile refused = load(files::EncodeReadingFile(fields));
    ASSERT_TRUE(refused.problem);
    EXPECT_TRUE(refused.problem->text.endsWith(
        QStringLiteral("पंक्ति 4 (वर्ष) में 2051 है, जो उसकी सूची 1901 से 2050 के बाहर है।")))
        << refused.problem->text.toStdString();

    ui::ApplyLanguage(Language::kBengali);
    fields[3] = "1980";
    const std::string whole = files::EncodeReadingFile(fields);
    std::size_t end = 0;
    for (int held = 1; held < files::kReadingFileLineCount; ++held) {
        end = whole.find("\r\n", end) + 2;
        const QString note = load(whole.substr(0, end)).endedEarly;
        const QString name = ui::QStringOf(files::ReadingFileLineName(held - 1));
        EXPECT_FALSE(note.contains(name)) << note.toStdString();
        if (held == 16) {
            EXPECT_EQ(note,
                      QStringLiteral("ফাইলটি লাইন ১৬ (রাজ্য)-এর পরে শেষ হয়েছে; পরের লাইনগুলি খালি।"));
        }
    }
    // The last line, named only when it is refused.
    const QString lastRefused = load(whole.substr(0, end) + "\x05\r\n").problem->text;
    EXPECT_TRUE(lastRefused.endsWith(QStringLiteral("লাইন ১৭ (দেশ)-এ নিয়ন্ত্রণ অক্ষর আছে।")))
        << lastRefused.toStdString();
}

// The heading names the style shown, with the View menu's name for it, in the window and in the
// documents saved from it.
TEST_F(LanguageTest, TheHeadingNamesTheStyleShown) {
    ProgramDriver driver;
    driver.enter(reading::SampleBirthForm());
    driver.clickCalculate();
    ASSERT_TRUE(driver.chartShown());
    ui::ChartWindow* window = driver.chart();
    const auto heading = [&] {
        return window->findChild<QLabel*>(QStringLiteral("lblHeading"))->text();
    };
    const char* english[] = {"Velmora Astrology Rashi Chart (East Indian Style)",
                             "Velmora Astrology Rashi Chart (North Indian Style)",
                             "Velmora Astrology Rashi Chart (South Indian Style)"};
    for (const Language language : ui::kLanguages) {
        ui::ApplyLanguage(language);
        QApplication::processEvents();
        for (const ui::ChartStyleName& style : ui::kChartStyles) {
            window->showChartStyle(style.style);
            const QString menuName = QCoreApplication::translate("ChartWords", style.name);
            EXPECT_TRUE(heading().contains(QStringLiteral("(") + menuName + QLatin1Char(' ')))
                << heading().toStdString();
            if (language == Language::kEnglish) {
                EXPECT_EQ(heading(), QString::fromLatin1(english[static_cast<int>(style.style)]));
            }
        }
    }
    ui::ApplyLanguage(Language::kHindi);
    QApplication::processEvents();
    window->showChartStyle(ui::ChartStyle::kNorth);
    EXPECT_EQ(heading(), QStringLiteral("Velmora Astrology राशि कुंडली (उत्तर भारतीय शैली)"));
    const QTemporaryDir folder;
    driver.dialogs.saveAnswers.push_back(folder.filePath(QStringLiteral("asha.svg")));
    window->findChild<QAction*>(QStringLiteral("mnuSaveAsSvg"))->trigger();
    QFile svg(folder.filePath(QStringLiteral("asha.svg")));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(svg.readAll())
                    .contains(QStringLiteral(
                        "<title>Velmora Astrology राशि कुंडली (उत्तर भारतीय शैली)</title>")));
}

// Qt ships no Bengali or Hindi for its own dialogs: the program's own translations give the
// message boxes' standard buttons, the file dialog's labels and buttons, and the file list's
// columns their words.
TEST_F(LanguageTest, QtsOwnDialogsSpeakTheLanguage) {
    struct Expected {
        Language language;
        const char* save;
        const char* discard;
        const char* lookIn;
        const char* fileName;
        const char* accept;
        const char* cancel;
        const char* nameColumn;
    };
    const Expected cases[] = {
        {Language::kBengali, "সংরক্ষণ", "ফেলে দিন",
         "যেখানে দেখবেন:", "ফাইলের নাম (&N):", "সংরক্ষণ (&S)", "বাতিল", "নাম"},
        {Language::kHindi, "सहेजें", "छोड़ दें", "कहाँ देखें:", "फ़ाइल का नाम (&N):", "सहेजें (&S)", "रद्द करें",
         "नाम"},
        {Language::kEnglish, "Save", "Discard", "Look in:", "File &name:", "&Save", "Cancel",
         "Name"},
    };
    for (const Expected& c : cases) {
        ui::ApplyLanguage(c.language);
        const QMessageBox box(QMessageBox::Warning, {}, {},
                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        EXPECT_EQ(box.button(QMessageBox::Save)->text(), QString::fromUtf8(c.save));
        EXPECT_EQ(box.button(QMessageBox::Discard)->text(), QString::fromUtf8(c.discard));

        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"))->text(),
                  QString::fromUtf8(c.lookIn));
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("fileNameLabel"))->text(),
                  QString::fromUtf8(c.fileName));
        const auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        ASSERT_NE(buttons, nullptr);
        ASSERT_NE(buttons->button(QDialogButtonBox::Save), nullptr);
        EXPECT_EQ(buttons->button(QDialogButtonBox::Save)->text(), QString::fromUtf8(c.accept));
        EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), QString::fromUtf8(c.cancel));
        const auto* files = dialog.findChild<QFileSystemModel*>();
        ASSERT_NE(files, nullptr);
        EXPECT_EQ(files->headerData(0, Qt::Horizontal).toString(), QString::fromUtf8(c.nameColumn));
    }

    // The print dialog's own button and its printer's caption.
    ui::ApplyLanguage(Language::kBengali);
    QPrinter printer;
    QPrintDialog dialog(&printer);
    QStringList texts;
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        texts << button->text();
    }
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        texts << label->text();
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("মুদ্রণ করুন (&P)"))) << texts.join('|').toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("নাম (&N):"))) << texts.join('|').toStdString();
}

}  // namespace
