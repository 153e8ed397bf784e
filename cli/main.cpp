#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <cerrno>
#include <iostream>

#include "cli/command.h"

int main(int argc, char* argv[]) {
    // With the standard input closed, the next descriptor opened (Qt opens its own at once)
    // would become descriptor 0 and --batch - would read from it. /dev/null holds the place, and
    // the command is told that the input is closed.
    const bool inputClosed = fcntl(STDIN_FILENO, F_GETFD) == -1 && errno == EBADF;
    if (inputClosed) {
        static_cast<void>(open("/dev/null", O_RDONLY));  // the lowest free descriptor: 0
    }
    // Likewise for the output: Qt's next descriptor would become 1 and take the report (a write
    // to it fails with a misleading "Invalid argument"); the command says the output is closed.
    const bool outputClosed = fcntl(STDOUT_FILENO, F_GETFD) == -1 && errno == EBADF;
    if (outputClosed) {
        static_cast<void>(open("/dev/null", O_RDONLY));  // now the lowest free descriptor: 1
    }
    // Large batches read and write through the streams alone; C stdio is not used.
    std::ios::sync_with_stdio(false);
    QCoreApplication application(argc, argv);
    std::istream closedInput(nullptr);
    std::ostream closedOutput(nullptr);
    return cli::RunReportCommand(QCoreApplication::arguments(),
                                 inputClosed ? closedInput : std::cin,
                                 outputClosed ? closedOutput : std::cout, std::cerr);
}
