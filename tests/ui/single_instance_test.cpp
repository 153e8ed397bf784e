// Only one copy runs: a second start is refused while the first lives, and a lock left by a
// killed copy does not block the next start.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "fake_dialogs.h"
#include "lock_holder.h"
#include "ui/single_instance.h"

namespace {

using State = ui::SingleInstanceLock::State;

class SingleInstance : public testing::Test {
  protected:
    QString lockPath() const { return folder.filePath(QStringLiteral("rashi.lock")); }

    // Starts this test program again as a separate process holding the lock.
    void startHolder() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kLockHolderVariable), lockPath());
        holder.setProcessEnvironment(environment);
        holder.start(QCoreApplication::applicationFilePath(), {});
        ASSERT_TRUE(holder.waitForStarted());
        ASSERT_TRUE(holder.waitForReadyRead(10000));
        ASSERT_EQ(holder.readLine().trimmed(), QByteArray(kLockHolderReady));
    }

    void TearDown() override {
        if (holder.state() != QProcess::NotRunning) {
            holder.closeWriteChannel();
            holder.waitForFinished(5000);
        }
    }

    QTemporaryDir folder;
    QProcess holder;
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
    holder.kill();
    ASSERT_TRUE(holder.waitForFinished(5000));
    ASSERT_TRUE(QFile::exists(lockPath()));  // left behind

    ui::SingleInstanceLock next(lockPath());
    EXPECT_TRUE(ui::AcquireSingleInstance(next, dialogs));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SingleInstance, ALockNamingADeadProcessIsTakenOver) {
    QProcess finished;
    finished.start(QCoreApplication::applicationFilePath(), {"--gtest_list_tests"});
    ASSERT_TRUE(finished.waitForFinished(10000));
    QFile stale(lockPath());
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(QByteArray::number(finished.processId() > 0 ? finished.processId() : 999999) +
                "\nrashi-chart\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();

    ui::SingleInstanceLock next(lockPath());
    EXPECT_EQ(next.tryAcquire(), State::kAcquired);
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

TEST(SingleInstanceLockPath, LiesInAnExistingFolder) {
    const QString path = ui::SingleInstanceLock::DefaultLockPath();
    EXPECT_TRUE(path.endsWith(QStringLiteral(".lock")));
    EXPECT_TRUE(QFileInfo(path).dir().exists());
}

}  // namespace
