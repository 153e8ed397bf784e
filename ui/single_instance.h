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
//
// The lock is the user's own: its name carries the user's id, and a file of that name that
// another user made (in a shared temporary folder anyone can write to) is never locked, so no
// other user can keep the program from starting.
class SingleInstanceLock : public QObject {
    Q_OBJECT

  public:
    // owner is the user whose lock file alone is taken.
    explicit SingleInstanceLock(const QString& lockPath = DefaultLockPath(),
                                unsigned owner = CurrentUserId(), QObject* parent = nullptr);
    ~SingleInstanceLock() override;
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    enum class State {
        kAcquired,       // this copy holds the lock
        kHeldElsewhere,  // a running copy holds it
        kUnavailable,  // no lock can be made (a missing or unwritable folder, another user's file)
    };
    // Takes the lock without waiting; the copy that holds it then listens for second starts.
    State tryAcquire();

    // Asks the running copy to show its window; false when no copy answered in time.
    bool askRunningCopyToShow() const;

    // The lock file in the user's runtime folder, or the temporary folder when there is none,
    // named with the user's id: "velmora-rashi-chart-east-1000.lock".
    static QString DefaultLockPath();
    // The id of the user running the program.
    static unsigned CurrentUserId();

  signals:
    // A second start asked this copy, which holds the lock, to show its window.
    void showRequested();

  private:
    void listenForSecondStarts();
    void readRequest(QLocalSocket* socket);

    QString lockPath_;
    unsigned owner_;
    QString serverName_;
    int descriptor_ = -1;  // the open lock file while this copy holds it
    QLocalServer server_;
};

// Takes the lock, or tells the user that another copy is running ("Application is already
// running") and then brings that copy's window to the front: false means end the program.
// When no lock can be made at all the program still starts; refusing would lock the user out.
bool AcquireSingleInstance(SingleInstanceLock& lock, UserDialogs& dialogs);

}  // namespace ui
