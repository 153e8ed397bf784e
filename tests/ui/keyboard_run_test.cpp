// A whole run by keyboard alone: type the 1980 Delhi birth, calculate, read the chart, go back,
// calculate again and exit.
#include <gtest/gtest.h>

#include <QCheckBox>

#include "form_driver.h"

namespace {

// The chart of 15 June 1980, 10:30 Indian time, Delhi: Lagna in Leo, the Moon at the very start
// of Cancer ("00 Can 13", the last quarter of Punarvasu), Venus retrograde.
const ui::BoxTexts kDelhiBoxes{"",
                               "",
                               "Surya\r\nBudha\r\nShukra (R) ",
                               "Chandra\r\nRahu",
                               "Asc\r\nMangala\r\nGuru\r\nShani",
                               "",
                               "",
                               "",
                               "",
                               "Ketu",
                               "",
                               ""};

class KeyboardRun : public testing::Test {
  protected:
    QWidget* focus() const { return QApplication::focusWidget(); }

    // Presses Tab until the focus reaches target; false when it never does.
    bool tabTo(QWidget* target) {
        for (int presses = 0; presses < 30 && focus() != target; ++presses) {
            QTest::keyClick(focus(), Qt::Key_Tab);
        }
        return focus() == target;
    }

    void typeAfterTab(const char* name, const char* text) {
        ASSERT_TRUE(tabTo(driver.formChild<QWidget>(name))) << name;
        QTest::keyClicks(focus(), QString::fromLatin1(text));
    }

    void chooseOptionAfterTab(const char* name) {
        ASSERT_TRUE(tabTo(driver.option(name))) << name;
        QTest::keyClick(focus(), Qt::Key_Space);
    }

    // Alt and a letter, as a person presses an access key. A button pressed that way clicks a
    // moment later, so this waits until what the key should bring about has happened.
    template <typename Condition>
    bool accessKey(QWidget* window, Qt::Key key, Condition done) {
        QTest::keyClick(window, key, Qt::AltModifier);
        return QTest::qWaitFor([&] {
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return done();
        });
    }
    bool calculateByKey() {
        return accessKey(&driver.form(), Qt::Key_R, [this] { return driver.chartShown(); });
    }

    void typeDelhiBirth() {
        ASSERT_TRUE(driver.windowActive);
        ASSERT_EQ(focus(), driver.field("txtName"));
        QTest::keyClicks(focus(), QStringLiteral("Asha Rao"));
        typeAfterTab("cboDate", "15");
        typeAfterTab("cboMonth", "June");
        typeAfterTab("cboYear", "1980");
        typeAfterTab("cboHour", "10");
        typeAfterTab("cboMinute", "30");
        typeAfterTab("cboTimeZone", "Indian");
        typeAfterTab("txtLatDeg", "28");
        chooseOptionAfterTab("optLat0");
        typeAfterTab("txtLatMin", "37");
        typeAfterTab("txtLonDeg", "77");
        chooseOptionAfterTab("optLong0");
        typeAfterTab("txtLonMin", "13");
        typeAfterTab("txtCity", "Delhi");
        typeAfterTab("txtState", "Delhi");
        typeAfterTab("txtCountry", "India");
    }

    ProgramDriver driver;
};

TEST_F(KeyboardRun, TabVisitsTheFieldsInTheirOrder) {
    ASSERT_TRUE(driver.windowActive);
    QStringList visited{focus()->objectName()};
    for (int i = 0; i < 23; ++i) {
        QTest::keyClick(focus(), Qt::Key_Tab);
        visited << focus()->objectName();
    }
    // An option pair is one stop; the arrow keys choose within it. The web links come last.
    EXPECT_EQ(visited,
              QStringList({"txtName",   "cboDate",      "cboMonth",    "cboYear",      "cboHour",
                           "cboMinute", "chkDST",       "cboTimeZone", "txtLatDeg",    "optLat0",
                           "txtLatMin", "txtLonDeg",    "optLong0",    "txtLonMin",    "txtCity",
                           "txtState",  "txtCountry",   "Command1",    "cmdCalculate", "cmdOpen",
                           "Label8",    "lblFullBrand", "lblCobrand",  "txtName"}));
}

TEST_F(KeyboardRun, TypedBirthGivesTheDelhiChartAndBackKeepsTheEntries) {
    ASSERT_NO_FATAL_FAILURE(typeDelhiBirth());
    EXPECT_EQ(driver.form().values(), reading::SampleBirthForm());

    ASSERT_TRUE(calculateByKey()) << driver.dialogs.texts().join(", ").toStdString();
    EXPECT_FALSE(driver.form().isVisible());
    EXPECT_TRUE(driver.dialogs.messages.empty()) << driver.lastMessage().toStdString();

    const ui::ChartDisplayContent& chart = driver.shownContent();
    EXPECT_EQ(chart.boxTextsOf(ui::ChartKind::kRashi), kDelhiBoxes);
    EXPECT_EQ(
        chart.planetPositions,
        (std::array<std::string, 9>{"00 Gem 40", "00 Can 13", "25 Gem 07", "00 Gem 49", "23 Leo 03",
                                    "10 Leo 09", "27 Leo 06", "29 Can 35", "29 Cap 35"}));
    EXPECT_EQ(chart.detailValues, (std::array<std::string, 6>{"23° 34' 54\"", "Simha", "Punarvasu",
                                                              "Kataka", "4", "Jupiter"}));
    EXPECT_EQ(chart.birthLines,
              (std::array<std::string, 8>{
                  "Name: Asha Rao", "City: Delhi", "State: Delhi", "Country: India",
                  "Date of Birth: June 15, 1980", "Time of Birth: 10 Hour 30 Minute",
                  "Latitude: 28 Degree 37 Minute", "Longitude: 77 Degree 13 Minute"}));

    ui::ChartWindow* chartWindow = driver.chart();
    chartWindow->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(chartWindow));
    EXPECT_TRUE(accessKey(chartWindow, Qt::Key_B, [this] { return driver.chart() == nullptr; }));
    EXPECT_EQ(driver.chart(), nullptr);
    EXPECT_TRUE(driver.form().isVisible());
    EXPECT_EQ(driver.form().values(), reading::SampleBirthForm());
    EXPECT_EQ(driver.finishedCount, 0);
}

TEST_F(KeyboardRun, CalculatingAgainGivesTheSameChartWithOneRetrogradeMark) {
    ASSERT_NO_FATAL_FAILURE(typeDelhiBirth());
    ASSERT_TRUE(calculateByKey());
    const ui::ChartDisplayContent first = driver.shownContent();
    driver.chart()->goBack();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    ASSERT_TRUE(QTest::qWaitForWindowActive(&driver.form()));
    ASSERT_TRUE(calculateByKey());
    EXPECT_EQ(driver.shownContent(), first);

    int marks = 0;
    for (const std::string& box : driver.shownContent().boxTextsOf(ui::ChartKind::kRashi)) {
        for (auto at = box.find("(R)"); at != std::string::npos; at = box.find("(R)", at + 1)) {
            ++marks;
        }
    }
    EXPECT_EQ(marks, 1);
}

TEST_F(KeyboardRun, TabAndEnterAloneComputeTheChartAndComeBack) {
    ASSERT_NO_FATAL_FAILURE(typeDelhiBirth());
    // Enter in a text field stays refused, like every key that gives no letter.
    QTest::keyClick(focus(), Qt::Key_Return);
    EXPECT_EQ(driver.dialogs.texts(), QStringList{"Please enter only letters"});
    EXPECT_FALSE(driver.chartShown());

    ASSERT_TRUE(tabTo(driver.formChild<QWidget>("cmdCalculate")));
    QTest::keyClick(focus(), Qt::Key_Return);
    ASSERT_TRUE(driver.chartShown()) << driver.lastMessage().toStdString();
    EXPECT_EQ(driver.shownContent().boxTextsOf(ui::ChartKind::kRashi), kDelhiBoxes);

    ui::ChartWindow* chartWindow = driver.chart();
    chartWindow->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(chartWindow));
    auto* back = chartWindow->findChild<QWidget*>("cmdBack");
    back->setFocus();
    QTest::keyClick(back, Qt::Key_Enter, Qt::KeypadModifier);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(driver.chart(), nullptr);
    EXPECT_TRUE(driver.form().isVisible());
}

TEST_F(KeyboardRun, ExitClosesEveryWindow) {
    ASSERT_NO_FATAL_FAILURE(typeDelhiBirth());
    ASSERT_TRUE(calculateByKey());
    ui::ChartWindow* chartWindow = driver.chart();
    chartWindow->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(chartWindow));

    EXPECT_TRUE(accessKey(chartWindow, Qt::Key_X, [this] { return driver.finishedCount > 0; }));
    EXPECT_EQ(driver.finishedCount, 1);
    EXPECT_EQ(driver.chart(), nullptr);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
    }
}

}  // namespace
