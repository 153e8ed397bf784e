#pragma once

#include <QLockFile>
#include <QString>

namespace ui {

class UserDialogs;

// Keeps a second copy of the program from starting. The lock is a file holding the owner's
// process id; a copy that crashed or was killed leaves a lock that the next start takes over.
class SingleInstanceLock {
  public:
    explicit SingleInstanceLock(const QString& lockPath = DefaultLockPath());

    enum class State {
        kAcquired,       // this copy holds the lock
        kHeldElsewhere,  // a running copy holds it
        kUnavailable,    // the lock file cannot be made at all (an unwritable folder)
    };
    State tryAcquire();

    // The lock file in the user's runtime folder, or the temporary folder when there is none.
    static QString DefaultLockPath();

  private:
    QLockFile lock_;
};

// Takes the lock, or tells the user that another copy is running: false means end the program.
// When no lock can be made at all the program still starts; refusing would lock the user out.
bool AcquireSingleInstance(SingleInstanceLock& lock, UserDialogs& dialogs);

}  // namespace ui
