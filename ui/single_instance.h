#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

class QLocalSocket;

namespace ui {

class UserDialogs;

// Keeps a second copy of the program from starting, and lets a second start bring the running
// copy's window to the front.
//
// Only a live copy counts: the running copy holds the system's lock on the lock file, which the
// system lets go of when the copy ends however it ends. What the file holds, or whether it is a
// file at all, does not matter, so a lock left behind empty, damaged or as a folder never locks
// the user out. Two copies started at the same moment cannot both get the system's lock.
class SingleInstanceLock : public QObject {
    Q_OBJECT

  public:
    explicit SingleInstanceLock(const QString& lockPath = DefaultLockPath(),
                                QObject* parent = nullptr);
    ~SingleInstanceLock() override;
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    enum class State {
        kAcquired,       // this copy holds the lock
        kHeldElsewhere,  // a running copy holds it
        kUnavailable,    // no lock can be made at all (a missing or unwritable folder)
    };
    // Takes the lock without waiting; the copy that holds it then listens for second starts.
    State tryAcquire();

    // Asks the running copy to show its window; false when no copy answered in time.
    bool askRunningCopyToShow() const;

    // The lock file in the user's runtime folder, or the temporary folder when there is none.
    static QString DefaultLockPath();

  signals:
    // A second start asked this copy, which holds the lock, to show its window.
    void showRequested();

  private:
    void listenForSecondStarts();
    void readRequest(QLocalSocket* socket);

    QString lockPath_;
    QString serverName_;
    int descriptor_ = -1;  // the open lock file while this copy holds it
    QLocalServer server_;
};

// Takes the lock, or tells the user that another copy is running ("Application is already
// running") and then brings that copy's window to the front: false means end the program.
// When no lock can be made at all the program still starts; refusing would lock the user out.
bool AcquireSingleInstance(SingleInstanceLock& lock, UserDialogs& dialogs);

}  // namespace ui
