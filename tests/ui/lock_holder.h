#pragma once

#include <QString>

// The single-instance tests start this test program again as separate processes that try to
// take the program's lock, the way copies of the program started by the user do.
inline constexpr char kLockHolderVariable[] = "RASHI_TEST_HOLD_LOCK";
// When set, the process first says kLockHolderWaiting and tries only after a line on its input,
// so that several processes can be made to try at the same moment.
inline constexpr char kLockHolderWaitVariable[] = "RASHI_TEST_WAIT_TO_LOCK";
inline constexpr char kLockHolderWaiting[] = "waiting";
inline constexpr char kLockHolderReady[] = "locked";
inline constexpr char kLockHolderRefused[] = "refused";

// When the variable names a lock file: tries to take the lock; says kLockHolderReady and keeps
// it until its input closes, or says kLockHolderRefused and ends. Gives the exit code, or -1 at
// once when the variable is not set.
int RunAsLockHolderIfAsked(int argc, char* argv[]);
