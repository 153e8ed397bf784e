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

// The fields a save writes: the birth details, trimmed, numbers without leading zeros, and the
// time zone as its list position.
ReadingFileFields FieldsForSave(const reading::BirthData& birth, int zoneIndex);

// The bytes of a reading file: each field scrambled in Latin-1, ended by CR LF.
std::string EncodeReadingFile(const ReadingFileFields& fields);

// Why bytes are plainly not a reading file (too large, binary), or nothing when they may be one.
std::optional<std::string> ReadingFileProblem(std::string_view bytes);

// The fields of a file's bytes; lines past the 17th are ignored and missing ones are empty.
ReadingFileFields DecodeReadingFile(std::string_view bytes);

// The form with a file's fields put into it; a value a field does not accept leaves it as it was.
reading::FormValues ApplyToForm(const ReadingFileFields& fields, reading::FormValues form);

}  // namespace files
