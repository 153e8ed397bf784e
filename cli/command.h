#pragma once

#include <QStringList>
#include <istream>
#include <ostream>

namespace cli {

// Exit statuses of rashi-report.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitRefused = 1;  // a birth refused, or a batch row failed
inline constexpr int kExitUsage = 2;    // wrong options, unreadable input or output, no memory

// The whole of rashi-report: reads the options (the program's name first), computes, writes the
// results to out and the problems to err, and returns the exit status. The standard input is in;
// a stream without a buffer stands for a closed one.
int RunReportCommand(const QStringList& arguments, std::istream& in, std::ostream& out,
                     std::ostream& err);

}  // namespace cli
