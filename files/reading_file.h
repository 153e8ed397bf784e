#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "reading/birth_data.h"
#include "reading/form_values.h"

namespace files {

// A reading file keeps the birth details of a reading (not its results) in 17 scrambled lines.
inline constexpr int kReadingFileLineCount = 17;
inline constexpr std::size_t kReadingFileMaxBytes = 64 * 1024;

// Scrambling adds this to every Latin-1 character code and unscrambling subtracts it. Any value
// from 14 to 129 keeps printable ASCII within one byte and never makes a line break; files
// written with one value read back only with the same one, so it never changes.
inline constexpr int kReadingFileShift = 17;

// Field texts of a reading file, unscrambled, as UTF-8.
using ReadingFileFields = std::array<std::string, kReadingFileLineCount>;

// What a line holds, named as the form names it ("Name", "Month", ..., "Country"); line counts
// from 0.
std::string_view ReadingFileLineName(int line);

// The fields a save writes: the birth details, trimmed, numbers without leading zeros, and the
// time zone as its list position.
ReadingFileFields FieldsForSave(const reading::BirthData& birth, int zoneIndex);

// The bytes of a reading file: each field scrambled in Latin-1, ended by CR LF. A character
// the file cannot hold is written as "?" (beyond Latin-1) or left out (past the shift's range,
// and control characters, which would make the file unreadable).
std::string EncodeReadingFile(const ReadingFileFields& fields);

// What a field's text reads back as once saved; the text itself when the file holds it whole.
std::string StoredReadingText(std::string_view utf8Field);

// Why bytes are not a reading file, as values: the window says it in its language, the command
// line in English (ReadingFileRefusalText).
struct ReadingFileRefusal {
    enum class Kind {
        kTooLarge,
        kBinary,
        kEmpty,
        kControlCharacters,  // in a line
        kNotANumber,         // a list's line
        kOutsideList,        // a list's line holds a number the list does not have
        kTooManyDigits,      // a degree or minute line
        kNotFieldNumber,     // a degree or minute line holds something else
        kNotTruth,           // a flag line
    };
    Kind kind = Kind::kEmpty;
    int line = 0;       // the line refused, from 0, for the kinds from kControlCharacters on
    std::string value;  // kOutsideList: the number as the line holds it, without blanks
    int first = 0;      // kOutsideList: the list's first and last values
    int last = 0;

    friend bool operator==(const ReadingFileRefusal&, const ReadingFileRefusal&) = default;
};

// Why bytes are not a reading file, or nothing when they are one: too large, binary, empty,
// control characters in a line, a number line that is not a number or not one of its list's
// values, a degree or minute longer than its field, a flag line that is not a truth value. A
// file that is merely short is a reading.
std::optional<ReadingFileRefusal> RefuseReadingFile(std::string_view bytes);

// The refusal in English: "Line 4 (Year) holds 2051, outside its list of 1901 to 2050."
std::string ReadingFileRefusalText(const ReadingFileRefusal& refusal);

// RefuseReadingFile's reason in English, or nothing.
std::optional<std::string> ReadingFileProblem(std::string_view bytes);

// The fields of a file's bytes; lines past the 17th are ignored and missing ones are empty.
// Decodes anything; callers check ReadingFileProblem first.
ReadingFileFields DecodeReadingFile(std::string_view bytes);

// The lines a file holds, at most 17; fewer when it ended early.
int ReadingFileLinesHeld(std::string_view bytes);

// What to tell when a file ended early, after linesHeld lines: "The file ended after line 16
// (State); the lines after it are empty."
std::string EndedEarlyText(int linesHeld);

// The form with a file's fields put into it; a value a field does not accept leaves it as it was.
reading::FormValues ApplyToForm(const ReadingFileFields& fields, reading::FormValues form);

// A reading file read from disk, or the reason it was refused.
struct ReadingFileRead {
    std::optional<ReadingFileFields> fields;
    std::string problem;  // in English, the system's reason when the file could not be read
    std::optional<ReadingFileRefusal> refusal;  // when it was read but holds no reading
    int linesHeld = 0;  // below kReadingFileLineCount when the file ended early
};

// Reads a reading file under the same rules for the window and the command line: an ordinary
// file only (a pipe or a device would block or never end), no larger than a reading can be,
// holding a reading (ReadingFileProblem).
ReadingFileRead ReadReadingFile(const std::string& path);

}  // namespace files
