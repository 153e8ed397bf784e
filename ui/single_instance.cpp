#include "ui/single_instance.h"

#include <QDir>
#include <QStandardPaths>

#include "ui/program_texts.h"
#include "ui/user_dialogs.h"

namespace ui {

SingleInstanceLock::SingleInstanceLock(const QString& lockPath) : lock_(lockPath) {
    // Only a dead owner makes a lock stale; a long-running copy keeps it however old it is.
    lock_.setStaleLockTime(0);
}

SingleInstanceLock::State SingleInstanceLock::tryAcquire() {
    if (lock_.isLocked() || lock_.tryLock(0)) {
        return State::kAcquired;
    }
    return lock_.error() == QLockFile::LockFailedError ? State::kHeldElsewhere
                                                       : State::kUnavailable;
}

QString SingleInstanceLock::DefaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::tempPath();
    }
    return QDir(folder).filePath(QStringLiteral("velmora-rashi-chart-east.lock"));
}

bool AcquireSingleInstance(SingleInstanceLock& lock, UserDialogs& dialogs) {
    if (lock.tryAcquire() != SingleInstanceLock::State::kHeldElsewhere) {
        return true;
    }
    dialogs.showMessage(nullptr, QString::fromLatin1(kAlreadyRunningMessage),
                        MessageKind::kInformation);
    return false;
}

}  // namespace ui
