// The chart window: menus, toolbar, buttons, the resize rule, and what New, Back, Exit and the
// close box do.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

#include "form_driver.h"
#include "ui/chart/chart_painter.h"
#include "ui/chart_display.h"
#include "ui/twips.h"
#include "ui/window_sizing.h"

namespace {

class ChartWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        driver.enter(reading::SampleBirthForm());
        driver.clickCalculate();
        ASSERT_TRUE(driver.chartShown());
        window = driver.chart();
    }

    template <typename Widget = QWidget>
    Widget* child(const char* name) const {
        return window->findChild<Widget*>(QString::fromLatin1(name));
    }
    QAction* action(const char* name) const { return child<QAction>(name); }

    ProgramDriver driver;
    ui::ChartWindow* window = nullptr;
};

TEST_F(ChartWindowTest, MenusInTheirOrderWithSeparators) {
    QStringList captions;
    for (QAction* menu : window->menuBar()->actions()) {
        captions << menu->text();
        for (QAction* item : menu->menu()->actions()) {
            if (item->isVisible()) {
                captions << (item->isSeparator() ? "-" : item->text());
            }
        }
    }
    EXPECT_EQ(captions, QStringList({"&File",
                                     "&New",
                                     "-",
                                     "Save &As",
                                     "Save As &JPEG",
                                     "Save As P&DF",
                                     "Save As &SVG",
                                     "-",
                                     "&Export Chart As Text",
                                     "-",
                                     "&Print",
                                     "-",
                                     "&Back",
                                     "-",
                                     "E&xit",
                                     "&View",
                                     "&Toolbar",
                                     "-",
                                     "Zoom &In",
                                     "Zoom &Out",
                                     "&Fit to Window",
                                     "-",
                                     "&Chart",
                                     "Chart &Style",
                                     "Divisional Charts T&able",
                                     "-",
                                     "&Positions",
                                     "-",
                                     "Vimshottari &Dasha",
                                     "-",
                                     "&Language",
                                     "&Help",
                                     "&Online Help",
                                     "&Visit Us Online",
                                     "-",
                                     "Check for Software &Update",
                                     "-",
                                     "&About Software",
                                     "&Donate"}));
    EXPECT_EQ(window->windowTitle(), "Velmora Astrology Rashi Chart (East Indian Style) v1.70");
}

TEST_F(ChartWindowTest, PanelsButtonsAndLabels) {
    EXPECT_EQ(child("picTop")->height(), 60);
    EXPECT_EQ(child("Picture1")->height(), 51);
    EXPECT_EQ(child<QLabel>("lblHeading")->text(),
              "Velmora Astrology Rashi Chart (East Indian Style)");
    EXPECT_EQ(child<QLabel>("lblHeading")->font().pointSizeF(), 18);
    EXPECT_TRUE(child<QLabel>("lblHeading")->font().bold());
    EXPECT_EQ(child<QPushButton>("cmdSaveAsJPEG")->text(), "Save As &JPEG");
    EXPECT_EQ(child<QPushButton>("cmdSaveAsJPEG")->size(), QSize(113, 27));
    EXPECT_EQ(child<QPushButton>("cmdBack")->text(), "&Back");
    EXPECT_EQ(child<QPushButton>("cmdExit")->text(), "E&xit");
    EXPECT_EQ(child<QPushButton>("cmdExit")->size(), QSize(73, 27));
    EXPECT_EQ(child<QPushButton>("cmdExit")->y(), 8);
    EXPECT_TRUE(child<QLabel>("lblFullBrand")->text().startsWith("Home Business Opportunity."));
    EXPECT_TRUE(
        child<QLabel>("Label1")->text().startsWith("For Analysis of this Rashi chart log onto "));
    EXPECT_TRUE(child<QLabel>("lblCobrand")->text().contains("site's name &  link here."));
    EXPECT_EQ(child<QLabel>("lblURL")->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(ChartWindowTest, ToolbarHasPicturedButtonsWithTheirKeysAsTips) {
    auto* toolbar = child<QToolBar>("TB");
    QStringList tips;
    for (QAction* button : toolbar->actions()) {
        tips << button->toolTip();
        EXPECT_FALSE(button->icon().isNull());
        EXPECT_EQ(button->icon().availableSizes().value(0), QSize(16, 15));
    }
    EXPECT_EQ(tips, QStringList({"New", "Save", "Print", "Navamsa Chart", "Help"}));
}

TEST_F(ChartWindowTest, ToolbarMenuHidesAndShowsTheToolbar) {
    auto* toolbar = child<QToolBar>("TB");
    QAction* toggle = action("mnuToolBar");
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_TRUE(toolbar->isVisible());
    toggle->trigger();
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_FALSE(toolbar->isVisible());
    toggle->trigger();
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_TRUE(toolbar->isVisible());
}

TEST_F(ChartWindowTest, ButtonsStayRightAlignedAndHeadingCentred) {
    window->resize(900, 700);
    const int width = window->width();
    const int exitLeft = width * 15 - 1095 - 300;
    const int backLeft = exitLeft - 1095 - 100;
    const int jpegLeft = backLeft - 1695 - 100;
    EXPECT_EQ(child("cmdExit")->x(), ui::TwipsToWholePixels(exitLeft));
    EXPECT_EQ(child("cmdBack")->x(), ui::TwipsToWholePixels(backLeft));
    EXPECT_EQ(child("cmdSaveAsJPEG")->x(), ui::TwipsToWholePixels(jpegLeft));
    auto* heading = child("lblHeading");
    EXPECT_EQ(heading->x(), (width - heading->width()) / 2);
    EXPECT_EQ(child("lblURL")->x(), (width - child("lblURL")->width()) / 2);
    EXPECT_EQ(child("cmdExit")->y(), 8);
}

TEST_F(ChartWindowTest, TheDisplayIsTheAreasOneMaximisedChild) {
    auto* area = child<QMdiArea>("mdiArea");
    ASSERT_EQ(area->subWindowList().size(), 1);
    EXPECT_TRUE(area->subWindowList().constFirst()->isMaximized());
    EXPECT_EQ(window->display()->windowTitle(),
              "Velmora Astrology Rashi Chart (East Indian Style) v1.60");
    // The display closes only with the window.
    area->subWindowList().constFirst()->close();
    EXPECT_EQ(area->subWindowList().size(), 1);
}

// The display's drawing is as wide as the room allows, proportions kept, and centred.
void ExpectFills(const ui::ChartDisplay& display, QSize room, double zoom) {
    const double scale = std::min(room.width() / 1000.0, room.height() / 543.0) * zoom;
    EXPECT_NEAR(display.width(), 1000 * scale, 1.0) << "zoom " << zoom;
    EXPECT_NEAR(display.height(), 543 * scale, 1.0) << "zoom " << zoom;
    const QRectF drawn = display.drawingTransform().mapRect(QRectF(0, 0, 1000, 543));
    EXPECT_NEAR(drawn.width(), display.width(), 2.0);
    EXPECT_NEAR(drawn.height(), display.height(), 2.0);
}

TEST_F(ChartWindowTest, TheChartScalesWithTheWindowAndZoomsWithTheKeys) {
    auto* scroller = child<QScrollArea>("frmDisplayScroller");
    ui::ChartDisplay& display = *window->display();
    for (const QSize size : {QSize(1800, 1100), QSize(700, 900), QSize(1200, 500)}) {
        window->resize(size);
        QApplication::processEvents();
        ExpectFills(display, scroller->maximumViewportSize(), 1.0);
    }
    window->resize(1800, 1100);
    QApplication::processEvents();
    const QSize room = scroller->maximumViewportSize();
    EXPECT_GT(display.width(), 1500) << "a large window shows a large chart";

    // Ctrl++ twice, Ctrl+- once, Ctrl+0 back to the window's size.
    const std::pair<QKeyCombination, double> steps[] = {
        {Qt::CTRL | Qt::Key_Plus, 1.25},  {Qt::CTRL | Qt::Key_Equal, 1.5625},
        {Qt::CTRL | Qt::Key_Minus, 1.25}, {Qt::CTRL | Qt::Key_0, 1.0},
        {Qt::CTRL | Qt::Key_Minus, 0.8},
    };
    for (const auto& [keys, zoom] : steps) {
        QTest::keyClick(window, keys.key(), keys.keyboardModifiers());
        EXPECT_DOUBLE_EQ(window->zoom(), zoom);
        ExpectFills(display, room, zoom);
    }

    // The wheel with Ctrl held zooms too.
    const QPointF centre(display.width() / 2.0, display.height() / 2.0);
    QWheelEvent wheel(centre, display.mapToGlobal(centre), {}, {0, 120}, Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&display, &wheel);
    EXPECT_DOUBLE_EQ(window->zoom(), 1.0);

    // The logo is found where it is drawn, at any scale.
    driver.dialogs.pages.clear();
    const QPointF logo = display.drawingTransform().map(ui::ChartLogoArea().center());
    QTest::mouseClick(&display, Qt::LeftButton, {}, logo.toPoint());
    EXPECT_EQ(driver.dialogs.pages.size(), 1u);

    // Pictures keep their designed size whatever the window shows.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(window->lastPicture().size(), QSize(1000, 543));
}

TEST(ChartWindowSizing, OpensNoLargerThanTheScreenFrameIncludedAndZoomsWithinLimits) {
    const QSize full(1028, 790);
    // Screens of 1920 × 1080 at scale factors 1, 1.5 and 2, and a small one.
    EXPECT_EQ(ui::OpeningSize(full, QSize(1920, 1040)), full);
    EXPECT_EQ(ui::OpeningSize(full, QSize(1280, 693)), QSize(1028, 693 - 48));
    EXPECT_EQ(ui::OpeningSize(full, QSize(960, 520)), QSize(960 - 16, 520 - 48));
    EXPECT_EQ(ui::OpeningSize(full, QSize(10, 10)), QSize(1, 1));

    EXPECT_EQ(ui::DisplaySizeFor(QSize(1000, 543), QSize(2000, 2000), 1.0), QSize(2000, 1086));
    EXPECT_EQ(ui::DisplaySizeFor(QSize(1000, 543), QSize(0, 0), 1.0), QSize(1, 1));

    double zoom = 1.0;
    for (int i = 0; i < 20; ++i) {
        zoom = ui::ZoomedIn(zoom);
    }
    EXPECT_DOUBLE_EQ(zoom, ui::kLargestZoom);
    for (int i = 0; i < 20; ++i) {
        zoom = ui::ZoomedOut(zoom);
    }
    EXPECT_DOUBLE_EQ(zoom, ui::kSmallestZoom);
}

TEST_F(ChartWindowTest, ActivationTakesAPictureOfTheDisplay) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(window->lastPicture().size(), QSize(1000, 543));
    EXPECT_EQ(window->lastPicture(), window->display()->picture());
}

TEST_F(ChartWindowTest, NewShowsTheFormAndClosesTheWindow) {
    action("mnuNew")->trigger();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(driver.chart(), nullptr);
    EXPECT_TRUE(driver.form().isVisible());
    EXPECT_EQ(driver.form().values(), reading::SampleBirthForm());
    EXPECT_EQ(driver.finishedCount, 0);
}

TEST_F(ChartWindowTest, TheToolbarsNewButtonActsAsNew) {
    auto* toolbar = child<QToolBar>("TB");
    QTest::mouseClick(toolbar->widgetForAction(toolbar->actions().constFirst()), Qt::LeftButton);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(driver.chart(), nullptr);
    EXPECT_TRUE(driver.form().isVisible());
}

TEST_F(ChartWindowTest, BackButtonReturnsToTheFormAndANewCalculationWritesAFreshDisplay) {
    QTest::mouseClick(child<QPushButton>("cmdBack"), Qt::LeftButton);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(driver.chart(), nullptr);
    ASSERT_TRUE(driver.form().isVisible());

    driver.field("txtName")->setText("Second Person");
    driver.clickCalculate();
    ASSERT_TRUE(driver.chartShown());
    EXPECT_EQ(driver.shownContent().birthLines[0], "Name: Second Person");
}

TEST_F(ChartWindowTest, TheCloseBoxEndsTheProgram) {
    window->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(driver.finishedCount, 1);
    EXPECT_FALSE(driver.form().isVisible());
    EXPECT_EQ(driver.chart(), nullptr);
}

TEST_F(ChartWindowTest, ExitButtonEndsTheProgram) {
    QTest::mouseClick(child<QPushButton>("cmdExit"), Qt::LeftButton);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(driver.finishedCount, 1);
    EXPECT_FALSE(driver.form().isVisible());
}

// The window shrinks no further than it can show everything: the heading, the advertisement
// line, the buttons beside the promotional labels, and every label's wrapped text whole.
TEST_F(ChartWindowTest, AtItsSmallestNothingIsCut) {
    window->resize(1, 1);
    const QSize smallest = window->size();
    EXPECT_EQ(smallest, window->minimumSize());
    EXPECT_EQ(smallest, window->smallestWholeSize());
    for (const char* name : {"lblHeading", "lblURL"}) {
        const QWidget* line = child(name);
        EXPECT_GE(line->x(), 0) << name;
        EXPECT_LE(line->x() + line->sizeHint().width(), smallest.width()) << name;
    }
    const QWidget* save = child("cmdSaveAsJPEG");
    EXPECT_GE(save->x(), 0);
    EXPECT_LE(child("cmdExit")->geometry().right(), smallest.width());
    for (const char* name : {"lblFullBrand", "Label1", "lblCobrand"}) {
        const auto* label = child<QLabel>(name);
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name;
        EXPECT_LT(label->geometry().right(), save->x()) << name;
    }
    const QSize display = window->display()->size();
    EXPECT_GE(display.width(), ui::kChartDisplaySize.width() / 2 - 2);
}

}  // namespace
