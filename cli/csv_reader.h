#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace cli {

// One record of a CSV file: its fields, or why it could not be read, and the number of the line
// it starts on (the first line is 1).
struct CsvRecord {
    int lineNumber = 0;
    std::vector<std::string> fields;
    std::optional<std::string> problem;
};

// Reads CSV records one at a time, so a large file or a pipe is processed as it arrives.
// Fields are separated by commas; a field in double quotes may hold commas, line breaks and
// doubled quotes. Lines end in LF or CR LF; a line break inside quotes is kept as LF. Empty lines
// hold no record and are skipped. A malformed record is returned with its problem, and reading
// carries on at the next line.
class CsvReader {
  public:
    explicit CsvReader(std::istream& in);

    // The next record, or false at the end of the input.
    bool Next(CsvRecord& record);

  private:
    bool ReadLine();

    std::istream& in_;
    std::string line_;
    int linesRead_ = 0;
};

}  // namespace cli
