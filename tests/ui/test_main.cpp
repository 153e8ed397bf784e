// The window tests run headless on the offscreen platform, in English, whatever the machine,
// with settings of their own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include "lock_holder.h"

int main(int argc, char* argv[]) {
    // Started by a single-instance test to hold the lock as a separate process.
    if (const int code = RunAsLockHolderIfAsked(argc, argv); code >= 0) {
        return code;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication application(argc, argv);
    // Settings the tests make (the language and the positions chosen) go to a folder of their
    // own, never the user's.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QApplication::setQuitOnLastWindowClosed(false);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
