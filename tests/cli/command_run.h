#pragma once

#include <QStringList>
#include <sstream>
#include <string>

#include "cli/command.h"

namespace cli {

struct CommandRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs rashi-report in this process with the arguments (the program's name is put first).
inline CommandRun RunCommand(QStringList arguments, const std::string& input = {}) {
    arguments.prepend("rashi-report");
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    CommandRun run;
    run.status = RunReportCommand(arguments, in, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

}  // namespace cli
