// The View menu's charts and styles, the divisional chart table and the Vimshottari dasha
// window, on the Delhi chart.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QToolBar>
#include <QTreeWidget>

#include "chart_fixture.h"
#include "reading/vargas.h"
#include "ui/chart_style_choice.h"
#include "ui/dasha_window.h"
#include "ui/varga_window.h"

namespace {

class ChartViews : public DelhiChartTest {
  protected:
    QAction* action(const char* name) const {
        return driver.chart()->findChild<QAction*>(QString::fromLatin1(name));
    }
    ui::ChartDisplay& display() const { return *driver.chart()->display(); }
};

// The Delhi birth's navamsa signs: Sun Lib, Moon Can, Mercury Tau, Venus (retrograde) Lib,
// Mars Lib, Jupiter Can, Saturn Sag, Rahu Pis, Ketu Vir, ascendant Tau.
TEST_F(ChartViews, TheNavamsaChartPlacesTheSameLabelsByTheirNavamsaSigns) {
    const ui::BoxTexts expected{"",
                                "Asc\r\nBudha",
                                "",
                                "Chandra\r\nGuru",
                                "",
                                "Ketu",
                                "Surya\r\nShukra (R) \r\nMangala",
                                "",
                                "Shani",
                                "",
                                "",
                                "Rahu"};
    EXPECT_EQ(driver.shownContent().boxTextsOf(ui::ChartKind::kNavamsa), expected);
}

TEST_F(ChartViews, MenuAndToolbarSwitchBetweenTheCharts) {
    QAction* rashi = action("mnuRashiChart");
    QAction* navamsa = action("mnuNavamsaChart");
    QAction* button = action("tbNavamsa");
    auto* toolbar = driver.chart()->findChild<QToolBar*>("TB");
    const QImage rashiPicture = display().picture();
    EXPECT_TRUE(rashi->isChecked());
    EXPECT_EQ(display().accessibleName(), "Rashi Chart");

    navamsa->trigger();
    EXPECT_EQ(display().chart(), ui::ChartKind::kNavamsa);
    EXPECT_TRUE(navamsa->isChecked() && !rashi->isChecked() && button->isChecked());
    EXPECT_EQ(display().accessibleName(), "Navamsa Chart");
    EXPECT_TRUE(display().accessibleDescription().startsWith("Vrishabha: Asc, Budha\n"));
    const QImage navamsaPicture = display().picture();
    EXPECT_NE(navamsaPicture, rashiPicture);
    // The picture that Save As JPEG writes follows the switch.
    EXPECT_EQ(driver.chart()->lastPicture(), navamsaPicture);

    QTest::mouseClick(toolbar->widgetForAction(button), Qt::LeftButton);
    EXPECT_EQ(display().chart(), ui::ChartKind::kRashi);
    EXPECT_TRUE(rashi->isChecked() && !navamsa->isChecked() && !button->isChecked());
    EXPECT_EQ(display().picture(), rashiPicture);
    EXPECT_EQ(driver.chart()->lastPicture(), rashiPicture);

    QTest::mouseClick(toolbar->widgetForAction(button), Qt::LeftButton);
    EXPECT_EQ(display().chart(), ui::ChartKind::kNavamsa);
    EXPECT_TRUE(navamsa->isChecked() && button->isChecked());
    // The planet table, the details and the birth lines stay as they were.
    EXPECT_EQ(display().content().planetPositions[0], "00 Gem 40");
}

// Every divisional chart from the View menu, named in the chart's centre; the D10 of the Delhi
// birth puts the Moon (0° 13′ Cancer, counted from Pisces) in Pisces.
TEST_F(ChartViews, TheChartMenuShowsEachOfTheSixteenCharts) {
    QMenu* charts = driver.chart()->findChild<QMenu*>("mnuChart");
    ASSERT_NE(charts, nullptr);
    ASSERT_EQ(charts->actions().size(), reading::kVargaCount);
    EXPECT_EQ(charts->actions()[reading::kNavamsaVarga], action("mnuNavamsaChart"));
    action("mnuChartD10")->trigger();
    EXPECT_EQ(display().chart(), ui::VargaChart(6));
    EXPECT_EQ(display().accessibleName(), "Dasamsa (D10)");
    EXPECT_TRUE(action("mnuChartD10")->isChecked() && !action("mnuRashiChart")->isChecked());
    EXPECT_EQ(ui::BoxEntries(display().content().boxTextsOf(ui::VargaChart(6))[11]).front(),
              "Chandra");
    EXPECT_EQ(driver.chart()->lastPicture(), display().picture());
}

// The style chosen in the View menu is drawn at once and is the style of the next chart window,
// in this run or the next.
TEST_F(ChartViews, TheChosenStyleIsDrawnAndRemembered) {
    action("mnuStyleeast")->trigger();
    const QImage east = display().picture();
    action("mnuStylenorth")->trigger();
    EXPECT_EQ(display().chartStyle(), ui::ChartStyle::kNorth);
    EXPECT_TRUE(action("mnuStylenorth")->isChecked() && !action("mnuStyleeast")->isChecked());
    EXPECT_NE(display().picture(), east);
    EXPECT_EQ(driver.chart()->lastPicture(), display().picture());
    EXPECT_EQ(ui::RememberedChartStyle(), ui::ChartStyle::kNorth);

    driver.chart()->goBack();
    driver.clickCalculate();
    ASSERT_TRUE(driver.chartShown());
    EXPECT_EQ(display().chartStyle(), ui::ChartStyle::kNorth);
    EXPECT_TRUE(action("mnuStylenorth")->isChecked());
    action("mnuStylesouth")->trigger();
    EXPECT_EQ(ui::RememberedChartStyle(), ui::ChartStyle::kSouth);
    action("mnuStyleeast")->trigger();
    EXPECT_EQ(ui::RememberedChartStyle(), ui::ChartStyle::kEast);
}

// Every body's sign in the sixteen charts, copied as text and saved as CSV.
TEST_F(ChartViews, TheDivisionalChartTableListsEveryBodyInEveryChart) {
    action("mnuVargas")->trigger();
    ui::VargaWindow* window = driver.chart()->vargaWindow();
    ASSERT_NE(window, nullptr);
    auto* table = window->findChild<QTableWidget*>("tblVargas");
    ASSERT_EQ(table->rowCount(), 10);
    ASSERT_EQ(table->columnCount(), 16);
    EXPECT_EQ(table->horizontalHeaderItem(6)->text(), "D10");
    EXPECT_EQ(table->item(1, 6)->text(), "Pis");  // the Moon's dasamsa
    EXPECT_EQ(table->item(9, 0)->text(), "Leo");  // the ascendant in the Rashi chart
    EXPECT_EQ(table->item(9, 5)->text(), "Tau");  // and in the Navamsa

    window->findChild<QPushButton*>("cmdCopy")->click();
    const QStringList lines = QApplication::clipboard()->text().split('\n');
    ASSERT_GE(lines.size(), 12);
    EXPECT_TRUE(lines[1].startsWith("\tD1\tD2\tD3\tD4\tD7\tD9\tD10"));
    EXPECT_TRUE(lines[3].startsWith("Moon\tCan\t")) << lines[3].toStdString();

    driver.dialogs.saveAnswers = {path("asha.csv"), path("missing/asha.csv")};
    window->findChild<QPushButton*>("cmdSaveCsv")->click();
    QFile csv(path("asha.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = csv.readAll().split('\n');
    ASSERT_EQ(rows.size(), 12);  // header, ten bodies, and the end of the last line
    EXPECT_EQ(rows[0], "body,D1,D2,D3,D4,D7,D9,D10,D12,D16,D20,D24,D27,D30,D40,D45,D60\r");
    EXPECT_TRUE(rows[10].startsWith("Ascendant,Leo,")) << rows[10].toStdString();
    EXPECT_TRUE(driver.dialogs.messages.empty());
    // A folder that does not exist: the user is told, nothing is half written.
    window->findChild<QPushButton*>("cmdSaveCsv")->click();
    ASSERT_EQ(driver.dialogs.messages.size(), 1u);
    EXPECT_FALSE(QFile::exists(path("missing/asha.csv")));
}

class DashaWindowTest : public ChartViews {
  protected:
    void SetUp() override {
        ChartViews::SetUp();
        action("mnuDasha")->trigger();
        window = driver.chart()->dashaWindow();
        ASSERT_NE(window, nullptr);
        window->setToday(QDate(2000, 1, 1));
        tree = window->findChild<QTreeWidget*>("tvwDasha");
    }
    QString label(const char* name) const {
        return window->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    QAbstractButton* button(const char* name) const {
        return window->findChild<QAbstractButton*>(QString::fromLatin1(name));
    }

    ui::DashaWindow* window = nullptr;
    QTreeWidget* tree = nullptr;
};

// Dates counted by hand for 15 June 1980, 10:30, with the Moon at 0° 13′ 14″ Cancer: 36 794″
// of Punarvasu passed, so Jupiter's period began 12.26 years before the birth.
TEST_F(DashaWindowTest, BalanceNinePeriodsAndTheirAntardashas) {
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Vimshottari Dasha - Asha Rao");
    EXPECT_EQ(label("lblBalance"), "Balance of Jupiter dasha at birth: 3 years 8 months 25 days");
    ASSERT_EQ(tree->topLevelItemCount(), 9);
    const QTreeWidgetItem* jupiter = tree->topLevelItem(0);
    EXPECT_EQ(QStringList({jupiter->text(0), jupiter->text(1), jupiter->text(2)}),
              QStringList({"Jupiter", "10 Mar 1968", "10 Mar 1984"}));
    ASSERT_EQ(jupiter->childCount(), 9);
    EXPECT_EQ(jupiter->child(8)->text(0), "Jupiter / Rahu");
    EXPECT_EQ(jupiter->child(8)->text(1), "16 Oct 1981");
    EXPECT_EQ(tree->topLevelItem(8)->text(0), "Rahu");
    for (int m = 0; m < 9; ++m) {
        EXPECT_EQ(tree->topLevelItem(m)->childCount(), 9);
    }

    // The menu again brings the same window forward.
    action("mnuDasha")->trigger();
    EXPECT_EQ(driver.chart()->dashaWindow(), window);
}

TEST_F(DashaWindowTest, ThePeriodRunningTodayIsMarked) {
    // On 1 January 2000 Saturn's period runs, and in it Rahu's (22 Oct 1997 to 28 Aug 2000).
    const QTreeWidgetItem* saturn = tree->topLevelItem(1);
    const QTreeWidgetItem* rahu = saturn->child(7);
    EXPECT_EQ(tree->currentItem(), rahu);
    EXPECT_TRUE(saturn->isExpanded());
    EXPECT_TRUE(saturn->font(0).bold() && rahu->font(2).bold());
    EXPECT_FALSE(tree->topLevelItem(0)->font(0).bold() || saturn->child(6)->font(0).bold());
    EXPECT_TRUE(rahu->data(0, Qt::AccessibleDescriptionRole).toString().endsWith("running now"));
    EXPECT_EQ(label("lblRunning"), "Running today: Saturn / Rahu, from 22 Oct 1997 to 28 Aug 2000");

    window->setToday(QDate(2020, 3, 10));  // the day Ketu's period begins
    EXPECT_EQ(tree->currentItem(), tree->topLevelItem(3)->child(0));
    EXPECT_FALSE(saturn->font(0).bold() || rahu->font(0).bold());
    window->setToday(QDate(1970, 1, 1));  // before the birth
    EXPECT_EQ(label("lblRunning"), "No period of this dasha runs today.");
    EXPECT_EQ(tree->currentItem(), tree->topLevelItem(0));
}

TEST_F(DashaWindowTest, KeyboardOpensPeriodsAndReachesTheButtons) {
    EXPECT_FALSE(tree->accessibleName().isEmpty());
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(QApplication::focusWidget(), tree);
    tree->setCurrentItem(tree->topLevelItem(2));
    QTest::keyClick(tree, Qt::Key_Right);
    EXPECT_TRUE(tree->topLevelItem(2)->isExpanded());
    QTest::keyClick(tree, Qt::Key_Down);
    EXPECT_EQ(tree->currentItem()->text(0), "Mercury / Mercury");
    QTest::keyClick(tree, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), button("cmdCopy"));
    QApplication::clipboard()->clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("Vimshottari Dasha"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(driver.chart()->dashaWindow(), nullptr);
}

TEST_F(DashaWindowTest, CopyGivesTheWholeTableAsText) {
    QTest::mouseClick(button("cmdCopy"), Qt::LeftButton);
    const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2 + 9 * 10);
    EXPECT_EQ(lines[0], "Vimshottari Dasha - Asha Rao");
    EXPECT_EQ(lines[1], "Balance of Jupiter dasha at birth: 3 years 8 months 25 days");
    EXPECT_EQ(lines[2], "Jupiter\t10 Mar 1968\t10 Mar 1984");
    EXPECT_EQ(lines[3], "    Jupiter / Jupiter\t10 Mar 1968\t28 Apr 1970");
    EXPECT_EQ(lines.last(), "    Rahu / Mars\t" + tree->topLevelItem(8)->child(8)->text(1) + "\t" +
                                tree->topLevelItem(8)->text(2));
}

TEST_F(DashaWindowTest, SavesCsvThroughTheDialogAndReportsAFailure) {
    driver.dialogs.saveAnswers = {path("asha.csv"), path("missing/asha.csv")};
    QTest::mouseClick(button("cmdSaveCsv"), Qt::LeftButton);
    EXPECT_TRUE(driver.dialogs.messages.empty()) << driver.lastMessage();
    EXPECT_EQ(driver.dialogs.fileRequests.back().initialName, "Asha Rao dasha.csv");
    EXPECT_EQ(driver.dialogs.fileRequests.back().filter, "CSV (comma-separated values) (*.csv)");
    QFile csv(path("asha.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = csv.readAll().split('\n');
    ASSERT_EQ(rows.size(), 1 + 90 + 1);  // the last line ends too
    EXPECT_EQ(rows[0], "mahadasha,antardasha,start,end\r");
    EXPECT_EQ(rows[1], "Jupiter,,1968-03-10,1984-03-10\r");
    EXPECT_EQ(rows[2], "Jupiter,Jupiter,1968-03-10,1970-04-28\r");
    EXPECT_EQ(rows[19], "Saturn,Rahu,1997-10-22,2000-08-28\r");

    QTest::mouseClick(button("cmdSaveCsv"), Qt::LeftButton);
    ASSERT_EQ(driver.dialogs.messages.size(), 1u);
    EXPECT_EQ(driver.dialogs.messages[0].kind, ui::MessageKind::kError);
    EXPECT_TRUE(driver.dialogs.messages[0].text.contains("missing")) << driver.lastMessage();
}

TEST_F(DashaWindowTest, ClosesWithTheChartWindow) {
    const QPointer<ui::DashaWindow> open = window;
    driver.chart()->goBack();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(open.isNull());
}

}  // namespace
