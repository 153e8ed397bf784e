// Only one copy runs: a second start is refused while the first lives and brings the first
// one's window to the front; whatever a copy that ended left behind does not block the next
// start.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <memory>
#include <random>

#include "fake_dialogs.h"
#include "form_driver.h"
#include "lock_holder.h"
#include "ui/single_instance.h"

namespace {

using State = ui::SingleInstanceLock::State;

class SingleInstance : public testing::Test {
  protected:
    QString lockPath() const { return folder.filePath(QStringLiteral("rashi.lock")); }

    // Starts this test program again as a separate process that tries to take the lock; with
    // waitToLock it tries only when told to (go()).
    std::unique_ptr<QProcess> startCopy(bool waitToLock) {
        auto copy = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kLockHolderVariable), lockPath());
        if (waitToLock) {
            environment.insert(QString::fromLatin1(kLockHolderWaitVariable), "1");
        }
        copy->setProcessEnvironment(environment);
        copy->start(QCoreApplication::applicationFilePath(), {});
        return copy;
    }

    static QByteArray nextLine(QProcess& copy) {
        if (!copy.canReadLine() && !copy.waitForReadyRead(10000)) {
            return {};
        }
        return copy.readLine().trimmed();
    }

    void startHolder() {
        holder = startCopy(false);
        ASSERT_EQ(nextLine(*holder), QByteArray(kLockHolderReady));
    }

    void TearDown() override {
        if (holder && holder->state() != QProcess::NotRunning) {
            holder->closeWriteChannel();
            holder->waitForFinished(5000);
        }
    }

    QTemporaryDir folder;
    std::unique_ptr<QProcess> holder;
    FakeDialogs dialogs;
};

TEST_F(SingleInstance, SecondStartIsRefusedWhileTheFirstRuns) {
    ASSERT_NO_FATAL_FAILURE(startHolder());
    ui::SingleInstanceLock second(lockPath());
    EXPECT_EQ(second.tryAcquire(), State::kHeldElsewhere);
    EXPECT_FALSE(ui::AcquireSingleInstance(second, dialogs));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Application is already running");
    EXPECT_EQ(dialogs.messages[0].kind, ui::MessageKind::kInformation);
}

TEST_F(SingleInstance, AKilledCopyDoesNotBlockTheNextStart) {
    ASSERT_NO_FATAL_FAILURE(startHolder());
    holder->kill();
    ASSERT_TRUE(holder->waitForFinished(5000));
    ASSERT_TRUE(QFile::exists(lockPath()));  // left behind, with its socket

    ui::SingleInstanceLock next(lockPath());
    EXPECT_TRUE(ui::AcquireSingleInstance(next, dialogs));
    EXPECT_TRUE(dialogs.messages.empty());
    // The socket the killed copy left is replaced: a second start reaches this copy.
    QSignalSpy asked(&next, &ui::SingleInstanceLock::showRequested);
    EXPECT_TRUE(ui::SingleInstanceLock(lockPath()).askRunningCopyToShow());
    EXPECT_TRUE(asked.wait(5000));
}

TEST_F(SingleInstance, WhateverALockLeftBehindHoldsItIsTakenOver) {
    std::string randomBytes(300, '\0');
    std::mt19937 random(12);
    for (char& byte : randomBytes) {
        byte = static_cast<char>(random());
    }
    const QByteArray deadOwner =
        "999999\nrashi-chart\n" + QSysInfo::machineHostName().toUtf8() + "\n";
    const std::vector<std::pair<const char*, std::function<void(const QString&)>>> leftBehind{
        {"an empty file", [](const QString& path) { QFile(path).open(QIODevice::WriteOnly); }},
        {"random bytes",
         [&randomBytes](const QString& path) {
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write(randomBytes.data(), qint64(randomBytes.size()));
         }},
        {"the lock of a process that ended",
         [&deadOwner](const QString& path) {
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write(deadOwner);
         }},
        {"a folder", [](const QString& path) { ASSERT_TRUE(QDir().mkdir(path)); }},
        {"a folder with a file in it",
         [](const QString& path) {
             ASSERT_TRUE(QDir().mkdir(path));
             QFile(path + QStringLiteral("/kept")).open(QIODevice::WriteOnly);
         }},
    };
    for (const auto& [what, leave] : leftBehind) {
        QTemporaryDir place;
        const QString path = place.filePath(QStringLiteral("rashi.lock"));
        leave(path);
        ui::SingleInstanceLock next(path);
        EXPECT_TRUE(ui::AcquireSingleInstance(next, dialogs)) << what;
        EXPECT_TRUE(dialogs.messages.empty()) << what;
        EXPECT_EQ(ui::SingleInstanceLock(path).tryAcquire(), State::kHeldElsewhere)
            << what << ": the lock really holds";
    }
}

TEST_F(SingleInstance, CopiesStartedAtTheSameMomentGiveExactlyOneWindow) {
    for (const bool garbageLeftBehind : {false, true}) {
        QFile::remove(lockPath());
        if (garbageLeftBehind) {
            QFile garbage(lockPath());
            ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
            garbage.write("\x01\x02garbage");
        }
        std::vector<std::unique_ptr<QProcess>> copies;
        for (int i = 0; i < 4; ++i) {
            copies.push_back(startCopy(true));
        }
        for (auto& copy : copies) {
            ASSERT_EQ(nextLine(*copy), QByteArray(kLockHolderWaiting));
        }
        for (auto& copy : copies) {
            copy->write("go\n");
        }
        int locked = 0;
        int refused = 0;
        for (auto& copy : copies) {
            const QByteArray said = nextLine(*copy);
            locked += said == kLockHolderReady;
            refused += said == kLockHolderRefused;
        }
        EXPECT_EQ(locked, 1) << "garbage left behind: " << garbageLeftBehind;
        EXPECT_EQ(refused, 3);
        for (auto& copy : copies) {
            copy->closeWriteChannel();
            copy->waitForFinished(5000);
        }
    }
}

TEST_F(SingleInstance, ASecondStartAsksTheRunningCopyToShowItsWindowAfterTheMessage) {
    ui::SingleInstanceLock running(lockPath());
    ASSERT_EQ(running.tryAcquire(), State::kAcquired);
    QSignalSpy asked(&running, &ui::SingleInstanceLock::showRequested);

    ui::SingleInstanceLock second(lockPath());
    EXPECT_FALSE(ui::AcquireSingleInstance(second, dialogs));
    EXPECT_EQ(dialogs.texts(), QStringList{"Application is already running"});
    ASSERT_TRUE(asked.wait(5000));
    EXPECT_EQ(asked.count(), 1);
}

TEST_F(SingleInstance, TwoLocksInOneProgramDoNotBothHold) {
    ui::SingleInstanceLock first(lockPath());
    ui::SingleInstanceLock second(lockPath());
    EXPECT_EQ(first.tryAcquire(), State::kAcquired);
    EXPECT_EQ(first.tryAcquire(), State::kAcquired);
    EXPECT_EQ(second.tryAcquire(), State::kHeldElsewhere);
}

TEST_F(SingleInstance, AFolderWhereNoLockCanBeMadeDoesNotKeepTheProgramFromStarting) {
    ui::SingleInstanceLock lock(folder.filePath(QStringLiteral("missing/folder/rashi.lock")));
    EXPECT_EQ(lock.tryAcquire(), State::kUnavailable);
    EXPECT_TRUE(ui::AcquireSingleInstance(lock, dialogs));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(SingleInstanceLockPath, LiesInAnExistingFolderAndNamesTheUser) {
    const QString path = ui::SingleInstanceLock::DefaultLockPath();
    EXPECT_TRUE(
        path.endsWith(QStringLiteral("-%1.lock").arg(ui::SingleInstanceLock::CurrentUserId())))
        << path;
    EXPECT_TRUE(QFileInfo(path).dir().exists());
}

// In a shared temporary folder another user may make a file of the lock's name first: the
// program then starts without the lock, and neither locks nor changes that file.
TEST_F(SingleInstance, AnotherUsersFileOfTheLocksNameIsNotTaken) {
    QFile planted(lockPath());
    ASSERT_TRUE(planted.open(QIODevice::WriteOnly));
    planted.write("someone else's\n");
    planted.close();
    const unsigned otherUser = ui::SingleInstanceLock::CurrentUserId() + 1;
    ui::SingleInstanceLock lock(lockPath(), otherUser);
    EXPECT_EQ(lock.tryAcquire(), State::kUnavailable);
    EXPECT_TRUE(ui::AcquireSingleInstance(lock, dialogs));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(ui::SingleInstanceLock(lockPath()).tryAcquire(), State::kAcquired)
        << "the file stayed unlocked";

    // Nor is a link followed to wherever it points.
    QTemporaryDir other;
    const QString linked = other.filePath(QStringLiteral("rashi.lock"));
    ASSERT_TRUE(QFile::link(lockPath(), linked));
    EXPECT_EQ(ui::SingleInstanceLock(linked).tryAcquire(), State::kUnavailable);
}

// What the running copy does when asked: the window the user works in comes to the front.
TEST(BringingToFront, ShowsTheFormOrTheChartWindowAgain) {
    ProgramDriver driver;
    driver.form().showMinimized();
    driver.program->bringToFront();
    EXPECT_FALSE(driver.form().isMinimized());
    EXPECT_TRUE(driver.form().isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&driver.form()));

    driver.enter(reading::SampleBirthForm());
    driver.clickCalculate();
    ASSERT_TRUE(driver.chartShown());
    driver.chart()->showMinimized();
    driver.program->bringToFront();
    EXPECT_FALSE(driver.chart()->isMinimized());
    EXPECT_FALSE(driver.form().isVisible()) << "the form stays hidden behind the chart";
    EXPECT_TRUE(QTest::qWaitForWindowActive(driver.chart()));
}

}  // namespace
