#include <gtest/gtest.h>

#include <QApplication>

// Runs the tests inside a headless application, so pictures, fonts and printers work without a
// screen; a platform chosen by the caller (such as xcb under Xvfb) is kept.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
