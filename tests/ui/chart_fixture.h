#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QTemporaryDir>

#include "form_driver.h"

// A test that starts with the Delhi chart on screen and an empty folder for the files it writes.
class DelhiChartTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        driver.enter(reading::SampleBirthForm());
        driver.clickCalculate();
        ASSERT_TRUE(driver.chartShown());
    }

    QString path(const QString& name) const { return folder.filePath(name); }

    // Chooses an entry of the chart window's menus.
    void chooseMenu(const char* name) {
        driver.chart()->findChild<QAction*>(QString::fromLatin1(name))->trigger();
    }

    QTemporaryDir folder;
    ProgramDriver driver;
};
