#include <QCoreApplication>
#include <iostream>

#include "cli/command.h"

int main(int argc, char* argv[]) {
    // Large batches read and write through the streams alone; C stdio is not used.
    std::ios::sync_with_stdio(false);
    QCoreApplication application(argc, argv);
    return cli::RunReportCommand(QCoreApplication::arguments(), std::cin, std::cout, std::cerr);
}
