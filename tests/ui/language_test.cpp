// The window in Bengali and Hindi: the choice in the View menu, what it changes and restores, and
// that it is remembered.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "form_driver.h"
#include "reading/validation.h"
#include "ui/chart/chart_words.h"
#include "ui/chart_display.h"
#include "ui/dasha_window.h"
#include "ui/form_messages.h"
#include "ui/language.h"
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
        [](auto& v) { v.latitudeDegrees = "90", v.latitudeMinutes = "1"; },
        [](auto& v) { v.longitudeDegrees = "180", v.longitudeMinutes = "1"; },
        // Moved in whole: GCC's -O3 misreads assigning a one-letter literal as overlapping copies.
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

}  // namespace
