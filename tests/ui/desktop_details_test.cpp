// What a desktop user notices besides the chart: the form's window buttons and list lengths,
// and the windows' titles.
#include <gtest/gtest.h>

#include <QAbstractItemView>

#include "form_driver.h"

namespace {

const QString kCaption = QStringLiteral("Velmora Astrology Rashi Chart (East Indian Style) v1.70");

TEST(DesktopDetails, TheFixedFormOffersNoMaximiseButtonAndTitlesAreTheCaptionAlone) {
    ProgramDriver driver;
    const Qt::WindowFlags flags = driver.form().windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_EQ(driver.form().windowTitle(), kCaption);

    driver.enter(reading::SampleBirthForm());
    driver.clickCalculate();
    ASSERT_TRUE(driver.chartShown());
    EXPECT_EQ(driver.chart()->windowTitle(), kCaption);
    EXPECT_TRUE(driver.chart()->windowFlags() & Qt::WindowMaximizeButtonHint ||
                !(driver.chart()->windowFlags() & Qt::CustomizeWindowHint))
        << "the chart window grows with its chart";
}

TEST(DesktopDetails, TheTimeZoneListOpensWithAtMostSixteenRows) {
    ProgramDriver driver;
    QComboBox* zones = driver.list("cboTimeZone");
    ASSERT_GT(zones->count(), 60);
    zones->showPopup();
    QAbstractItemView* rows = zones->view();
    ASSERT_TRUE(rows->isVisible());
    const int rowHeight = rows->sizeHintForRow(0);
    ASSERT_GT(rowHeight, 0);
    EXPECT_LE(rows->viewport()->height(), 16 * rowHeight + rowHeight / 2);
    EXPECT_GE(rows->viewport()->height(), 8 * rowHeight) << "still a useful list";
    zones->hidePopup();
}

}  // namespace
