#include "lock_holder.h"

#include <cstdio>
#include <iostream>
#include <string>

#include "ui/single_instance.h"

int RunAsLockHolderIfAsked() {
    const QString path = qEnvironmentVariable(kLockHolderVariable);
    if (path.isEmpty()) {
        return -1;
    }
    ui::SingleInstanceLock lock(path);
    if (lock.tryAcquire() != ui::SingleInstanceLock::State::kAcquired) {
        return 3;
    }
    std::cout << kLockHolderReady << std::endl;
    std::string line;
    while (std::getline(std::cin, line)) {
    }
    return 0;
}
