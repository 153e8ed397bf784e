#pragma once

#include <QString>

// The single-instance tests start this test program again as a second process that takes the
// program's lock and keeps it until it is killed or its input closes.
inline constexpr char kLockHolderVariable[] = "RASHI_TEST_HOLD_LOCK";
inline constexpr char kLockHolderReady[] = "locked";

// When the variable names a lock file: takes the lock, prints kLockHolderReady and waits;
// gives the exit code. Otherwise gives -1 at once.
int RunAsLockHolderIfAsked();
