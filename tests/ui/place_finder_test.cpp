// Places from the built-in atlas in the input form: completions, the latitude-and-longitude
// button, and the zone that follows the place's clock.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCompleter>
#include <QLabel>
#include <QScreen>
#include <QTableWidget>
#include <algorithm>

#include "form_driver.h"
#include "ui/place_chooser.h"

namespace {

constexpr int kIndianTime = 34;
constexpr int kEasternStandardTime = 27;

class PlaceFinderTest : public testing::Test {
  protected:
    // An empty place at the given local date and time.
    void enterBirth(int year, int month, int day, int hour, int minute) {
        reading::FormValues values;
        values.name = "Asha";
        values.yearIndex = year - reading::kFirstYear;
        values.monthIndex = month - 1;
        values.dayIndex = day - 1;
        values.hourIndex = hour;
        values.minuteIndex = minute;
        driver.enter(values);
    }

    void clickFinder() {
        QTest::mouseClick(driver.formChild<QAbstractButton>("Command1"), Qt::LeftButton);
    }

    QString place() const {
        QStringList texts;
        for (const char* name : {"txtCity", "txtState", "txtCountry", "txtLatDeg", "txtLatMin",
                                 "txtLonDeg", "txtLonMin"}) {
            texts << driver.field(name)->text();
        }
        texts << (driver.option("optLat0")->isChecked() ? "N" : "")
              << (driver.option("optLat1")->isChecked() ? "S" : "")
              << (driver.option("optLong0")->isChecked() ? "E" : "")
              << (driver.option("optLong1")->isChecked() ? "W" : "");
        return texts.join('|');
    }

    int zoneRow() const { return driver.list("cboTimeZone")->currentIndex(); }
    bool daylightSaving() const { return driver.formChild<QCheckBox>("chkDST")->isChecked(); }
    QString zoneLine() const { return driver.formChild<QLabel>("lblZoneClock")->text(); }

    ProgramDriver driver;
};

// Typing an old name offers the city under its name today; picking it fills the place and the
// zone of its clock, which then follows the date until a zone is chosen by hand.
TEST_F(PlaceFinderTest, ACompletionFillsThePlaceAndItsClock) {
    ASSERT_TRUE(driver.windowActive);
    enterBirth(1943, 3, 15, 10, 0);
    QLineEdit* city = driver.field("txtCity");
    city->setFocus();
    QTest::keyClicks(city, "Calcut");  // the shortest other name that begins so is shown
    auto* completer = driver.form().findChild<QCompleter*>("cmpCity");
    ASSERT_NE(completer, nullptr);
    ASSERT_TRUE(completer->popup()->isVisible());
    EXPECT_EQ(completer->popup()->model()->index(0, 0).data().toString(),
              "Kolkata (Calcuta), West Bengal, India");
    QTest::keyClick(completer->popup(), Qt::Key_Down);
    QTest::keyClick(completer->popup(), Qt::Key_Return);

    // 22.56263 N, 88.36304 E: minutes 33.76 and 21.78, cut.
    EXPECT_EQ(place(), "Kolkata|West Bengal|India|22|33|88|21|N||E|");
    EXPECT_EQ(zoneRow(), kIndianTime);
    EXPECT_TRUE(daylightSaving());
    EXPECT_EQ(zoneLine(), "Asia/Kolkata on 15 Mar 1943: +6:30, war time");
    EXPECT_TRUE(driver.dialogs.messages.empty()) << driver.lastMessage();

    driver.list("cboYear")->setCurrentIndex(1980 - reading::kFirstYear);
    EXPECT_EQ(zoneRow(), kIndianTime);
    EXPECT_FALSE(daylightSaving());
    EXPECT_EQ(zoneLine(), "Asia/Kolkata on 15 Mar 1980: +5:30");

    // A zone chosen by hand stands when the date changes again.
    driver.list("cboTimeZone")->setFocus();
    QTest::keyClick(driver.list("cboTimeZone"), Qt::Key_Down);
    EXPECT_EQ(zoneRow(), kIndianTime + 1);
    EXPECT_EQ(zoneLine(), "Chosen zone: +12:00");
    driver.list("cboYear")->setCurrentIndex(1943 - reading::kFirstYear);
    EXPECT_EQ(zoneRow(), kIndianTime + 1);
    EXPECT_FALSE(daylightSaving());

    // The filled form calculates, and names filled from the atlas pass the form's checks.
    driver.list("cboTimeZone")->setCurrentIndex(kIndianTime);
    driver.clickCalculate();
    EXPECT_TRUE(driver.chartShown()) << driver.lastMessage();
}

// Each entry whole, however narrow the field, and within the screen; a place found by one of its
// other names shows it beside its name.
TEST_F(PlaceFinderTest, ThePopupShowsWholeEntries) {
    ASSERT_TRUE(driver.windowActive);
    QLineEdit* city = driver.field("txtCity");
    city->setFocus();
    QTest::keyClicks(city, "Kwangchow");
    auto* completer = driver.form().findChild<QCompleter*>("cmpCity");
    ASSERT_NE(completer, nullptr);
    QAbstractItemView* popup = completer->popup();
    ASSERT_TRUE(popup->isVisible());
    const QAbstractItemModel* entries = popup->model();
    EXPECT_EQ(entries->index(0, 0).data().toString(), "Guangzhou (Kwangchow), Guangdong, China");
    int longest = 0;
    for (int row = 0; row < entries->rowCount(); ++row) {
        longest = std::max(longest, popup->fontMetrics().horizontalAdvance(
                                        entries->index(row, 0).data().toString()));
    }
    EXPECT_GT(longest, city->width());
    EXPECT_GE(popup->viewport()->width(), longest);
    EXPECT_TRUE(city->screen()->availableGeometry().contains(popup->geometry()))
        << popup->geometry().x() << "," << popup->geometry().width();

    // Taking an entry fills the place by its own name.
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_EQ(city->text(), "Guangzhou");
    EXPECT_EQ(driver.field("txtState")->text(), "Guangdong");
}

// Places whose source names no division take one from the atlas, and chart like any other.
TEST_F(PlaceFinderTest, PlacesWithoutADivisionChart) {
    ASSERT_TRUE(driver.windowActive);
    auto* completer = driver.form().findChild<QCompleter*>("cmpCity");
    ASSERT_NE(completer, nullptr);
    for (const char* name : {"Singapore", "Macau", "Gibraltar", "Da Nang"}) {
        enterBirth(1990, 6, 15, 12, 0);
        QLineEdit* city = driver.field("txtCity");
        city->clear();
        city->setFocus();
        QTest::keyClicks(city, name);
        ASSERT_TRUE(completer->popup()->isVisible()) << name;
        QTest::keyClick(completer->popup(), Qt::Key_Down);
        QTest::keyClick(completer->popup(), Qt::Key_Return);
        EXPECT_EQ(city->text(), name);
        EXPECT_FALSE(driver.field("txtState")->text().isEmpty()) << name;
        driver.clickCalculate();
        EXPECT_TRUE(driver.chartShown()) << name << ": " << driver.lastMessage().toStdString();
    }
}

TEST_F(PlaceFinderTest, TheFinderFillsOneMatchAndOffersAChoiceOfSeveral) {
    ASSERT_TRUE(driver.windowActive);
    enterBirth(1980, 6, 15, 10, 30);
    driver.field("txtCity")->setText("sao paulo");
    driver.field("txtState")->setText("Sao Paulo");
    driver.field("txtCountry")->setText("Brazil");
    clickFinder();
    EXPECT_EQ(place(), "São Paulo|São Paulo|Brazil|23|32|46|38||S||W");
    EXPECT_TRUE(driver.dialogs.pages.empty());
    EXPECT_TRUE(driver.dialogs.modalWindows.empty());
    EXPECT_EQ(driver.list("cboTimeZone")->currentText(), "Brazil Zone 2,BZT2,-3.0");

    // Several places called Rampur (or Rāmpur) in Uttar Pradesh: the second of the list is
    // taken, names with their accents as the atlas writes them.
    driver.field("txtCity")->setText("Rampur");
    driver.field("txtState")->setText("Uttar Pradesh");
    driver.field("txtCountry")->setText("India");
    QString offered;
    driver.dialogs.modalAnswer = [&](QDialog& dialog) {
        auto* table = dialog.findChild<QTableWidget*>("tblPlaces");
        offered = table->item(1, 0)->text() + "|" + table->item(1, 1)->text();
        table->selectRow(1);
        return int(QDialog::Accepted);
    };
    clickFinder();
    ASSERT_EQ(driver.dialogs.modalWindows, std::vector<QString>{"frmPlaceChooser"});
    EXPECT_TRUE(offered.startsWith("R")) << offered;
    EXPECT_TRUE(place().startsWith(offered + "|India|")) << place();
    EXPECT_EQ(zoneRow(), kIndianTime);

    // Cancelling the choice changes nothing.
    driver.field("txtCity")->setText("Rampur");
    driver.field("txtLatDeg")->setText("1");
    driver.dialogs.modalAnswer = nullptr;
    clickFinder();
    EXPECT_EQ(driver.field("txtLatDeg")->text(), "1");
    EXPECT_TRUE(driver.dialogs.pages.empty());
}

TEST_F(PlaceFinderTest, AskWhichTimeWasMeantWhenTheClocksShowedItTwice) {
    ASSERT_TRUE(driver.windowActive);
    enterBirth(2000, 10, 29, 1, 30);
    driver.field("txtCity")->setText("New York City");
    driver.field("txtState")->setText("New York");
    driver.field("txtCountry")->setText("United States");
    QString question;
    driver.dialogs.modalAnswer = [&](QDialog& dialog) {
        question = dialog.findChild<QLabel*>()->text();
        return ui::RepeatedTimeQuestion::kLater;
    };
    clickFinder();
    EXPECT_EQ(driver.dialogs.modalWindows, std::vector<QString>{"frmRepeatedTime"});
    EXPECT_EQ(question,
              "The clocks of New York City, New York, United States were turned back on 29 Oct "
              "2000, so 1:30 came twice. Which one was the time of birth?");
    EXPECT_EQ(zoneRow(), kEasternStandardTime);
    EXPECT_FALSE(daylightSaving());
    EXPECT_EQ(zoneLine(), "America/New_York on 29 Oct 2000: -5:00");
}

// Nepal's +5:45 has no row: the user is told, and the zone stays as it was.
TEST_F(PlaceFinderTest, SaysWhenNoZoneHasThePlacesOffset) {
    ASSERT_TRUE(driver.windowActive);
    enterBirth(1990, 6, 15, 12, 0);
    driver.list("cboTimeZone")->setCurrentIndex(kIndianTime);
    driver.field("txtCity")->setText("Kathmandu");
    driver.field("txtState")->setText("Bagmati");
    driver.field("txtCountry")->setText("Nepal");
    clickFinder();
    EXPECT_EQ(place(), "Kathmandu|Bagmati Province|Nepal|27|42|85|19|N||E|");
    EXPECT_EQ(zoneRow(), kIndianTime);
    ASSERT_EQ(driver.dialogs.messages.size(), 1u);
    EXPECT_TRUE(driver.lastMessage().contains("+5:45 from Greenwich")) << driver.lastMessage();
    EXPECT_EQ(zoneLine(), "Asia/Kathmandu on 15 Jun 1990: +5:45, no zone in the list");
}

// A chart cast at a row nobody chose would be 15 minutes to hours off: it waits for a row picked
// by hand, whichever way the place was found.
TEST_F(PlaceFinderTest, AClockWithoutARowWaitsForAZonePickedByHand) {
    ASSERT_TRUE(driver.windowActive);
    enterBirth(1990, 1, 1, 12, 0);
    QLineEdit* city = driver.field("txtCity");
    city->setFocus();
    QTest::keyClicks(city, "Kathmand");
    auto* completer = driver.form().findChild<QCompleter*>("cmpCity");
    ASSERT_TRUE(completer->popup()->isVisible());
    QTest::keyClick(completer->popup(), Qt::Key_Down);
    QTest::keyClick(completer->popup(), Qt::Key_Return);
    ASSERT_EQ(zoneLine(), "Asia/Kathmandu on 1 Jan 1990: +5:45, no zone in the list");
    EXPECT_EQ(zoneRow(), 0);
    driver.dialogs.messages.clear();

    // Neither the calculation nor a change of the place by hand passes with the list's row.
    for (int attempt = 0; attempt < 2; ++attempt) {
        driver.clickCalculate();
        EXPECT_FALSE(driver.chartShown());
        ASSERT_EQ(driver.dialogs.messages.size(), 1u);
        EXPECT_TRUE(driver.lastMessage().contains("the clocks were +5:45 from Greenwich"))
            << driver.lastMessage();
        EXPECT_TRUE(
            driver.lastMessage().endsWith("Please choose the time zone in the list by hand."));
        EXPECT_EQ(driver.form().focusWidget(), driver.list("cboTimeZone"));
        driver.dialogs.messages.clear();
        QTest::keyClick(driver.field("txtLatMin"), Qt::Key_Backspace);
        QTest::keyClicks(driver.field("txtLatMin"), "2");
    }

    // Picking a row by hand is the user's choice, and the chart is cast with it.
    QTest::keyClick(driver.list("cboTimeZone"), Qt::Key_Down);
    driver.clickCalculate();
    EXPECT_TRUE(driver.chartShown()) << driver.lastMessage();
    EXPECT_EQ(driver.program->session().zoneIndex, 1);
}

// The chart names the zone it was cast with and the place's clock that chose it; the daylight
// saving of war time moves the row's clock an hour.
TEST_F(PlaceFinderTest, TheChartNamesTheZoneAndThePlacesClock) {
    enterBirth(1943, 3, 15, 10, 0);
    driver.field("txtCity")->setText("Kolkata");
    driver.field("txtState")->setText("West Bengal");
    driver.field("txtCountry")->setText("India");
    clickFinder();
    driver.clickCalculate();
    ASSERT_TRUE(driver.chartShown()) << driver.lastMessage();
    EXPECT_EQ(
        driver.shownContent().notes,
        (std::vector<std::string>{"Time zone: Indian Time, IST, +5.3 (+6:30 with daylight "
                                  "saving) \u00B7 Asia/Kolkata on 15 Mar 1943: +6:30, war time",
                                  "Mean elements"}));
}

}  // namespace
