#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// One record of a CSV file: its fields, or why it could not be read, and the number of the line
// it starts on (the first line is 1). The fields' texts lie one after another in one string, each
// followed by a comma, so that a record reused row after row keeps its storage and a row takes a
// few cache lines instead of a string object for every field.
struct CsvRecord {
    std::int64_t lineNumber = 0;
    std::string text;                    // every field's text, quotes undone, and a comma
    std::vector<std::size_t> fieldEnds;  // where each field's text ends in text
    std::optional<std::string> problem;

    std::size_t FieldCount() const { return fieldEnds.size(); }
    std::string_view Field(std::size_t i) const {
        const std::size_t start = i == 0 ? 0 : fieldEnds[i - 1] + 1;
        return std::string_view(text).substr(start, fieldEnds[i] - start);
    }
};

// How much of the input one record may take, so that no input makes the reader hold more.
struct CsvLimits {
    std::size_t maxRowBytes = 64 * 1024;  // line ends included
    int maxRowLines = 100;
};

// Reads CSV records one at a time, so a large file or a pipe is processed as it arrives.
// Fields are separated by commas; a field in double quotes may hold commas, line breaks and
// doubled quotes. Lines end in LF or CR LF; a line break inside quotes is kept as LF. Empty lines
// hold no record and are skipped. A malformed record is returned with its problem, and reading
// carries on at the next line.
//
// No input makes the reader hold more than about two records' worth of bytes. A line longer than
// maxRowBytes is returned as a record with its problem at once, and the rest of it is passed over
// unkept on the next call. A quoted field that is still open when its record reaches either limit,
// or the end of the input, makes the record "unclosed quote opened on line N"; reading then
// resumes on the line after line N, so the rows that the stray quote took in are read as rows.
//
// A failing read throws what the stream's buffer throws (std::ios_base::failure on a read
// error, std::bad_alloc); the records returned before it are whole.
class CsvReader {
  public:
    // firstLine is the number of the input's first line.
    explicit CsvReader(std::istream& in, CsvLimits limits = {}, std::int64_t firstLine = 1);

    // The next record, or false at the end of the input.
    bool Next(CsvRecord& record);

    // True after the record of an over-long line while the rest of that line is unread: the next
    // call takes as long as the line, which nothing bounds.
    bool InLongLine() const { return skippingLine_; }

  private:
    enum class Line { kRead, kTooLong, kEnd };

    // Splits the line just read, and the lines after it that a quoted field takes in, into the
    // record's fields.
    void ParseFields(CsvRecord& record);
    static void ClearFields(CsvRecord& record);
    Line ReadLine(std::size_t maxBytes);
    bool Refill();
    void SkipBlankLines();
    void SkipRestOfLine();

    std::streambuf* source_;
    CsvLimits limits_;
    std::string buffer_;        // input read and not yet dropped
    std::size_t position_ = 0;  // the next byte of buffer_ to read
    std::size_t rowStart_ = 0;  // the current record's first byte, kept for a rewind
    std::string line_;          // the line being parsed, without its line end
    std::int64_t linesRead_ = 0;
    bool skippingLine_ = false;
};

}  // namespace cli
