// The input form: its lists and defaults, the checks before a calculation with their messages,
// and the key filters of the text fields.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <functional>
#include <memory>

#include "form_driver.h"
#include "ui/chart_window.h"

namespace {

class InputFormTest : public testing::Test {
  protected:
    // Enters the Delhi birth changed by change, then presses the button.
    template <typename Change>
    void calculateWith(Change change) {
        reading::FormValues values = reading::SampleBirthForm();
        change(values);
        driver.enter(values);
        driver.clickCalculate();
    }

    void typeInto(QLineEdit* field, const QString& text) {
        field->setFocus();
        QTest::keyClicks(field, text);
    }

    // One character as a keyboard gives it, also outside ASCII.
    void sendCharacter(QLineEdit* field, QChar character) {
        field->setFocus();
        QTest::sendKeyEvent(QTest::KeyAction::Click, field, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
    }

    ProgramDriver driver;
};

TEST_F(InputFormTest, OpensWithFilledListsAndNothingChosen) {
    ui::InputForm& form = driver.form();
    EXPECT_EQ(form.windowTitle(), "Velmora Astrology Rashi Chart (East Indian Style) v1.70");
    EXPECT_EQ(driver.list("cboDate")->count(), 31);
    EXPECT_EQ(driver.list("cboMonth")->count(), 12);
    EXPECT_EQ(driver.list("cboMonth")->itemText(11), "December");
    EXPECT_EQ(driver.list("cboYear")->count(), 150);
    EXPECT_EQ(driver.list("cboYear")->itemText(149), "2050");
    EXPECT_EQ(driver.list("cboHour")->count(), 25);
    EXPECT_EQ(driver.list("cboHour")->itemText(24), "24");
    EXPECT_EQ(driver.list("cboMinute")->count(), 60);
    EXPECT_EQ(driver.list("cboTimeZone")->count(), 71);
    EXPECT_EQ(driver.list("cboTimeZone")->itemText(70), "Yukon War Time,YWT,-8.0");

    EXPECT_EQ(driver.list("cboDate")->currentText(), "1");
    EXPECT_EQ(driver.list("cboMonth")->currentText(), "January");
    EXPECT_EQ(driver.list("cboYear")->currentText(), "1901");
    EXPECT_EQ(driver.list("cboHour")->currentText(), "0");
    EXPECT_EQ(driver.list("cboMinute")->currentText(), "0");
    EXPECT_EQ(driver.list("cboTimeZone")->currentText(), "Alaska/Hawaii Daylight Time,AHDT,-9.0");
    for (const char* name :
         {"cboDate", "cboMonth", "cboYear", "cboHour", "cboMinute", "cboTimeZone"}) {
        EXPECT_FALSE(driver.list(name)->isEditable()) << name;
    }
    for (const char* name : {"optLat0", "optLat1", "optLong0", "optLong1"}) {
        EXPECT_FALSE(driver.option(name)->isChecked()) << name;
    }
    EXPECT_FALSE(driver.formChild<QCheckBox>("chkDST")->isChecked());
    EXPECT_EQ(driver.field("txtLatDeg")->maxLength(), 3);
}

TEST_F(InputFormTest, ControlsStandWhereTheirTwipsPut) {
    // 1260, 2040, 2800, 300 twips → 84, 136, 187, 20 pixels.
    EXPECT_EQ(driver.field("txtName")->geometry(), QRect(84, 136, 187, 20));
    EXPECT_EQ(driver.formChild<QWidget>("cmdCalculate")->geometry(), QRect(304, 242, 287, 27));
    EXPECT_EQ(driver.formChild<QWidget>("frmMainClient")->size(), QSize(595, 296));
    EXPECT_EQ(driver.formChild<QAbstractButton>("Command1")->text(),
              "Click here to find Latitude && Longitude");
}

TEST_F(InputFormTest, MenusOfTheForm) {
    QStringList captions;
    for (QAction* menu : driver.form().menuBar()->actions()) {
        captions << menu->text();
        for (QAction* item : menu->menu()->actions()) {
            captions << (item->isSeparator() ? "-" : item->text()) +
                            (item->isVisible() ? "" : " (hidden)");
        }
    }
    EXPECT_EQ(captions, QStringList({"&File", "Get My &Rasi Chart", "-", "&Exit", "&View",
                                     "&Language", "&Help", "&Online Help", "&Visit Us Online", "-",
                                     "Check for Software &Update", "-", "&About Software", "Donate",
                                     "Make Money &Online (hidden)"}));
}

TEST_F(InputFormTest, LeapDaysPassOnlyInLeapYears) {
    calculateWith([](auto& v) { v.dayIndex = 28, v.monthIndex = 1, v.yearIndex = 2000 - 1901; });
    EXPECT_TRUE(driver.chartShown());
    EXPECT_TRUE(driver.dialogs.messages.empty());
}

TEST_F(InputFormTest, TwentyNinthOfFebruary1904Passes) {
    calculateWith([](auto& v) { v.dayIndex = 28, v.monthIndex = 1, v.yearIndex = 1904 - 1901; });
    EXPECT_TRUE(driver.chartShown());
}

TEST_F(InputFormTest, TwentyNinthOfFebruary1901IsRefused) {
    calculateWith([](auto& v) { v.dayIndex = 28, v.monthIndex = 1, v.yearIndex = 0; });
    EXPECT_FALSE(driver.chartShown());
    ASSERT_EQ(driver.dialogs.messages.size(), 1u);
    EXPECT_EQ(driver.dialogs.messages[0].text, "Please Enter Correct Date Or Month!");
    EXPECT_EQ(driver.dialogs.messages[0].kind, ui::MessageKind::kInformation);
}

TEST_F(InputFormTest, ThirtiethOfFebruary2000IsRefused) {
    calculateWith([](auto& v) { v.dayIndex = 29, v.monthIndex = 1, v.yearIndex = 2000 - 1901; });
    EXPECT_FALSE(driver.chartShown());
    EXPECT_EQ(driver.lastMessage(), "Please Enter Correct Date Or Month!");
}

TEST_F(InputFormTest, ThirtyFirstOfAprilIsRefusedWithItsOwnMessage) {
    calculateWith([](auto& v) { v.dayIndex = 30, v.monthIndex = 3; });
    EXPECT_FALSE(driver.chartShown());
    EXPECT_EQ(driver.lastMessage(), "Please Enter Correct Date Or Month !");
    EXPECT_EQ(driver.dialogs.messages.back().kind, ui::MessageKind::kInformation);
}

TEST_F(InputFormTest, ThirtyFirstOfMayAndThirtiethOfAprilPass) {
    calculateWith([](auto& v) { v.dayIndex = 30, v.monthIndex = 4; });
    ASSERT_TRUE(driver.chartShown());
    driver.chart()->goBack();
    calculateWith([](auto& v) { v.dayIndex = 29, v.monthIndex = 3; });
    EXPECT_TRUE(driver.chartShown());
    EXPECT_TRUE(driver.dialogs.messages.empty());
}

TEST_F(InputFormTest, OnlyTheFirstFailingCheckSpeaks) {
    calculateWith([](auto& v) { v.name = "", v.city = ""; });
    ASSERT_EQ(driver.dialogs.texts(), QStringList{"Please Enter Your Name"});
    EXPECT_EQ(driver.dialogs.messages[0].kind, ui::MessageKind::kError);
    EXPECT_TRUE(driver.dialogs.messages[0].title.isEmpty());  // the program's own caption
    EXPECT_EQ(driver.form().focusWidget(), driver.field("txtName"));
    EXPECT_FALSE(driver.chartShown());
}

TEST_F(InputFormTest, EachEmptyFieldIsNamedAndGetsTheFocus) {
    const std::pair<const char*, const char*> cases[] = {
        {"txtLatDeg", "Please Enter Degree of Latitude"},
        {"txtLatMin", "Please Enter Minutes of Latitude"},
        {"txtLonDeg", "Please Enter Degree of Longitude"},
        {"txtLonMin", "Please Enter Minute of Longitude"},
        {"txtCity", "Please Enter Your City name"},
        {"txtState", "Please Enter Your State name"},
        {"txtCountry", "Please Enter Your Country name"},
    };
    for (const auto& [name, message] : cases) {
        driver.enter(reading::SampleBirthForm());
        driver.field(name)->clear();
        driver.field("txtName")->setFocus();
        driver.clickCalculate();
        EXPECT_EQ(driver.lastMessage(), message);
        EXPECT_EQ(driver.form().focusWidget(), driver.field(name)) << name;
        EXPECT_FALSE(driver.chartShown());
    }
}

TEST_F(InputFormTest, ACityOfSpacesPassesAndIsStoredEmpty) {
    calculateWith([](auto& v) { v.city = "   "; });
    ASSERT_TRUE(driver.chartShown());
    EXPECT_EQ(driver.program->session().birth.city, "");
    EXPECT_EQ(driver.shownContent().birthLines[1], "City: ");
}

TEST_F(InputFormTest, MissingLatitudeDirectionSelectsNorthForTheSecondClick) {
    calculateWith([](auto& v) { v.north = false, v.south = false; });
    EXPECT_EQ(driver.dialogs.texts(), QStringList{"Please Select Direction For The Latitude"});
    EXPECT_TRUE(driver.option("optLat0")->isChecked());
    EXPECT_FALSE(driver.chartShown());

    driver.clickCalculate();
    EXPECT_EQ(driver.dialogs.messages.size(), 1u);
    EXPECT_TRUE(driver.chartShown());
    EXPECT_FALSE(driver.program->session().birth.isSouth);
}

TEST_F(InputFormTest, MissingLongitudeDirectionSelectsEastForTheSecondClick) {
    calculateWith([](auto& v) { v.east = false, v.west = false; });
    EXPECT_EQ(driver.dialogs.texts(), QStringList{"Please Select Direction For The Longitude"});
    EXPECT_TRUE(driver.option("optLong0")->isChecked());
    EXPECT_FALSE(driver.chartShown());

    driver.clickCalculate();
    EXPECT_TRUE(driver.chartShown());
    EXPECT_TRUE(driver.program->session().birth.isEast);
}

TEST_F(InputFormTest, ARefusedCalculationChangesNothing) {
    driver.enter(reading::SampleBirthForm());
    driver.clickCalculate();
    ASSERT_TRUE(driver.chartShown());
    const ui::ReadingSession before = driver.program->session();
    driver.chart()->goBack();

    calculateWith([](auto& v) { v.name = "", v.yearIndex = 5; });
    EXPECT_FALSE(driver.chartShown());
    EXPECT_EQ(driver.program->session().birth, before.birth);
    EXPECT_EQ(driver.program->session().reading, before.reading);
    EXPECT_TRUE(driver.form().isVisible());
}

TEST_F(InputFormTest, LetterFieldsRefuseADigitAndKeepTheirText) {
    QLineEdit* city = driver.field("txtCity");
    typeInto(city, "Delhi7");
    EXPECT_EQ(city->text(), "Delhi");
    EXPECT_EQ(driver.dialogs.texts(), QStringList{"Please enter only letters"});
    EXPECT_EQ(driver.dialogs.messages[0].kind, ui::MessageKind::kError);
    EXPECT_EQ(driver.form().focusWidget(), city);
}

TEST_F(InputFormTest, LetterFieldsTakeEveryLatin1LetterAndNamePunctuation) {
    // Each text goes in a character at a time, as a keyboard gives it.
    const QString taken = QStringLiteral(
        "Jean-Luc O'Brien Dr. Ren\u00E9e \u00D1\u00FA\u00F1ez "
        "\u00C5s\u00F6 Stra\u00DFe \u00FF\u00AA\u00B5");
    // A digit, a comma, Polish ł and Greek Ω (no Latin-1 letters), the multiplication sign of
    // Latin-1, and the typographic apostrophe.
    const QString refused = QStringLiteral("7,\u0142\u03A9\u00D7\u2019");
    for (const char* name : {"txtName", "txtCity", "txtState", "txtCountry"}) {
        QLineEdit* field = driver.field(name);
        driver.dialogs.messages.clear();
        for (const QChar character : taken + refused) {
            sendCharacter(field, character);
        }
        EXPECT_EQ(field->text(), taken) << name;
        EXPECT_EQ(driver.dialogs.texts(), QStringList(refused.size(), "Please enter only letters"))
            << name;
    }
}

TEST_F(InputFormTest, NumberFieldsTakeThreeDigitsAndRefuseTheRest) {
    QLineEdit* degrees = driver.field("txtLatDeg");
    typeInto(degrees, "2-8");
    EXPECT_EQ(degrees->text(), "28");
    EXPECT_EQ(driver.dialogs.texts(), QStringList{"Please enter only numbers"});
    typeInto(degrees, "95");
    EXPECT_EQ(degrees->text(), "289");
    QTest::keyClick(degrees, Qt::Key_Backspace);
    EXPECT_EQ(degrees->text(), "28");
    QTest::keyClick(degrees, Qt::Key_Left);  // keys that give no character pass
    QTest::keyClick(degrees, Qt::Key_Delete);
    EXPECT_EQ(degrees->text(), "2");
    EXPECT_EQ(driver.dialogs.messages.size(), 1u);
}

TEST_F(InputFormTest, EditingKeysWorkAndPastedTextMeetsTheFieldsRule) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    QLineEdit* name = driver.field("txtName");
    typeInto(name, "Asha Rao");
    QTest::keySequence(name, QKeySequence::SelectAll);
    QTest::keySequence(name, QKeySequence::Copy);
    EXPECT_EQ(clipboard->text(), "Asha Rao");
    QTest::keySequence(name, QKeySequence::Cut);
    EXPECT_EQ(name->text(), "");
    QTest::keySequence(name, QKeySequence::Undo);
    EXPECT_EQ(name->text(), "Asha Rao");
    QTest::keySequence(name, QKeySequence::Redo);
    EXPECT_EQ(name->text(), "");
    QTest::keySequence(name, QKeySequence::Paste);
    QTest::keyClick(name, Qt::Key_Insert, Qt::ShiftModifier);  // the other paste key
    EXPECT_EQ(name->text(), "Asha RaoAsha Rao");
    EXPECT_TRUE(driver.dialogs.messages.empty()) << driver.lastMessage();

    // What a paste brings is checked whole, as the context menu's paste is.
    clipboard->setText(QStringLiteral("R2D2"));
    QTest::keySequence(name, QKeySequence::Paste);
    EXPECT_EQ(name->text(), "Asha RaoAsha Rao");
    EXPECT_EQ(driver.dialogs.texts(), QStringList{"Please enter only letters"});
    // Another control key is still no character a name holds.
    QTest::keyClick(name, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(driver.dialogs.messages.size(), 2u);

    QLineEdit* minutes = driver.field("txtLonMin");
    minutes->setFocus();
    for (const char* pasted : {"1x", "12"}) {
        clipboard->setText(QString::fromLatin1(pasted));
        QTest::keySequence(minutes, QKeySequence::Paste);
    }
    EXPECT_EQ(minutes->text(), "12");
    EXPECT_EQ(driver.dialogs.messages.at(2).text, "Please enter only numbers");
    EXPECT_EQ(driver.dialogs.messages.size(), 3u);
}

// The ways text reaches a field without keys: the context menu's Paste, a middle-click on a
// desktop that keeps a selection, and a drop.
void PasteFromContextMenu(QLineEdit* field, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    const std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
    const QString pasteKey = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (QAction* action : menu->actions()) {
        if (action->text().endsWith(QLatin1Char('\t') + pasteKey)) {
            action->trigger();
        }
    }
}
void PasteSelectionWithMiddleClick(QLineEdit* field, const QString& text) {
    QGuiApplication::clipboard()->setText(text, QClipboard::Selection);
    QTest::mouseClick(field, Qt::MiddleButton);
}
void Drop(QLineEdit* field, const QString& text) {
    QMimeData data;
    data.setText(text);
    const QPoint middle = field->rect().center();
    // A drop goes to the widget that took the drag when it entered.
    QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &enter);
    QDropEvent drop(QPointF(middle), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &drop);
}

TEST_F(InputFormTest, TextArrivingWithoutKeysMeetsTheSameRuleAsTyping) {
    std::vector<std::pair<const char*, std::function<void(QLineEdit*, const QString&)>>> ways{
        {"context menu paste", PasteFromContextMenu}, {"drop", Drop}};
    if (QGuiApplication::clipboard()->supportsSelection()) {
        ways.push_back({"middle-click", PasteSelectionWithMiddleClick});
    }
    struct FieldCase {
        const char* field;
        QString typed;
        QStringList refused;
        QString accepted;  // arrives whole
        const char* message;
    };
    const std::vector<FieldCase> cases{
        {"txtName",
         "Asha",
         {"\u0141ukasz", "O\u2019Brien", "Tab\tbed", "Rao 2"},
         " M\u00FCller-O'Brien Jr.",
         "Please enter only letters"},
        {"txtCity", "New", {"Delhi 6", "Delhi, NCR"}, " Z\u00FCrich", "Please enter only letters"},
        {"txtState",
         "Del",
         {"\u0926\u093F\u0932\u094D\u0932\u0940"},
         "hi",
         "Please enter only letters"},
        {"txtCountry", "In", {"di@"}, "dia", "Please enter only letters"},
        {"txtLatDeg", "2", {"8x", "-5"}, "8", "Please enter only numbers"},
        {"txtLatMin", "", {"3 7"}, "37", "Please enter only numbers"},
        {"txtLonDeg", "7", {"\u0667"}, "7", "Please enter only numbers"},  // an Arabic digit
        {"txtLonMin", "1", {"3.5"}, "3", "Please enter only numbers"},
    };
    for (const auto& [way, arrive] : ways) {
        for (const FieldCase& field : cases) {
            QLineEdit* edit = driver.field(field.field);
            for (const QString& refused : field.refused) {
                edit->setText(field.typed);
                driver.dialogs.messages.clear();
                arrive(edit, refused);
                EXPECT_EQ(edit->text(), field.typed) << way << " " << field.field << " " << refused;
                EXPECT_EQ(driver.dialogs.texts(), QStringList{field.message}) << way << refused;
            }
            driver.dialogs.messages.clear();
            edit->setText(field.typed);
            edit->end(false);
            arrive(edit, field.accepted);
            EXPECT_EQ(edit->text(), field.typed + field.accepted) << way << " " << field.field;
            EXPECT_TRUE(driver.dialogs.messages.empty()) << way << " " << field.field;
        }
    }
}

TEST_F(InputFormTest, TextFromAnOpenedReadingStaysAndCanBeEdited) {
    // A reading written elsewhere may hold letters the keyboard filter refuses; only what the
    // user adds is checked.
    QLineEdit* name = driver.field("txtName");
    reading::FormValues values = reading::SampleBirthForm();
    values.name = "Ren\u00E9e";
    driver.enter(values);
    typeInto(name, "x");
    name->setCursorPosition(1);
    QTest::keyClick(name, Qt::Key_Delete);
    EXPECT_EQ(name->text(), "Rn\u00E9ex");
    EXPECT_TRUE(driver.dialogs.messages.empty());
}

TEST_F(InputFormTest, TheMenuEntryCalculatesLikeTheButton) {
    driver.enter(reading::SampleBirthForm());
    driver.form().findChild<QAction*>("mnuCalculate")->trigger();
    EXPECT_TRUE(driver.chartShown());
    EXPECT_FALSE(driver.form().isVisible());
}

TEST_F(InputFormTest, ExitClosesTheFormAndEndsTheProgram) {
    driver.form().findChild<QAction*>("mnuExit")->trigger();
    EXPECT_FALSE(driver.form().isVisible());
    EXPECT_EQ(driver.finishedCount, 1);
}

}  // namespace
