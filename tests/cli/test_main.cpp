#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocale>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    // Month names follow the locale; the expected reports are written in English.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
