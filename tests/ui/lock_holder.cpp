#include "lock_holder.h"

#include <QCoreApplication>
#include <iostream>
#include <string>

#include "ui/single_instance.h"

int RunAsLockHolderIfAsked(int argc, char* argv[]) {
    const QString path = qEnvironmentVariable(kLockHolderVariable);
    if (path.isEmpty()) {
        return -1;
    }
    const QCoreApplication application(argc, argv);  // the lock listens for second starts
    std::string line;
    if (qEnvironmentVariableIsSet(kLockHolderWaitVariable)) {
        std::cout << kLockHolderWaiting << std::endl;
        std::getline(std::cin, line);
    }
    ui::SingleInstanceLock lock(path);
    if (lock.tryAcquire() != ui::SingleInstanceLock::State::kAcquired) {
        std::cout << kLockHolderRefused << std::endl;
        return 3;
    }
    std::cout << kLockHolderReady << std::endl;
    while (std::getline(std::cin, line)) {
    }
    return 0;
}
