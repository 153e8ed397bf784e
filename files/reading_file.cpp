#include "files/reading_file.h"

#include <charconv>
#include <string>
#include <vector>

#include "engine/trim.h"
#include "files/latin1_text.h"
#include "files/regular_file.h"
#include "reading/time_zones.h"
#include "reading/validation.h"

namespace files {

namespace {

// The line of each field, counted from 0.
enum Line : int {
    kName,
    kMonth,
    kDay,
    kYear,
    kHour,
    kMinute,
    kZone,
    kLongitudeDegrees,
    kLongitudeMinutes,
    kLatitudeDegrees,
    kLatitudeMinutes,
    kEast,
    kSouth,
    kDaylightSaving,
    kCity,
    kState,
    kCountry,
};
static_assert(kCountry + 1 == kReadingFileLineCount);
static_assert(kReadingFileShift >= 14 && kReadingFileShift <= 129);

// What each line holds, which decides what a reading may have in it.
enum class LineKind {
    kText,         // anything but control characters
    kListNumber,   // a whole number; one outside the list leaves the list as it was
    kFieldDigits,  // the one to three digits of a degree or minute field
    kTruth,        // a truth word or a number
};

struct LineRule {
    std::string_view name;
    LineKind kind;
    int first = 0;  // a list number's values: first .. first + count - 1
    int count = 0;
};

constexpr std::array<LineRule, kReadingFileLineCount> kLineRules{{
    {"Name", LineKind::kText},
    {"Month", LineKind::kListNumber, 1, reading::kMonthCount},
    {"Day", LineKind::kListNumber, 1, reading::kDayCount},
    {"Year", LineKind::kListNumber, reading::kFirstYear, reading::kYearCount},
    {"Hour", LineKind::kListNumber, 0, reading::kHourCount},
    {"Minute", LineKind::kListNumber, 0, reading::kMinuteCount},
    {"Time zone", LineKind::kListNumber, 0, reading::kTimeZoneCount},
    {"Longitude degrees", LineKind::kFieldDigits},
    {"Longitude minutes", LineKind::kFieldDigits},
    {"Latitude degrees", LineKind::kFieldDigits},
    {"Latitude minutes", LineKind::kFieldDigits},
    {"East or West", LineKind::kTruth},
    {"North or South", LineKind::kTruth},
    {"Daylight saving", LineKind::kTruth},
    {"City", LineKind::kText},
    {"State", LineKind::kText},
    {"Country", LineKind::kText},
}};

constexpr int kLastByte = 255;
constexpr std::string_view kTrue = "True";
constexpr std::string_view kFalse = "False";

std::string TruthWord(bool value) {
    return std::string(value ? kTrue : kFalse);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

// Digits with an optional sign and blanks around them, of any length.
bool IsWholeNumberText(std::string_view text) {
    text = engine::TrimBlanks(text);
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// A whole number with an optional sign and blanks around it; nothing for any other text,
// including numbers too large for an int.
std::optional<int> WholeNumber(std::string_view text) {
    if (!IsWholeNumberText(text)) {
        return std::nullopt;
    }
    text = engine::TrimBlanks(text);
    if (text.front() == '+') {
        text.remove_prefix(1);
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// "True" and "False" in any letter case, or a whole number of any length (0 is false);
// nothing for other text.
std::optional<bool> TruthValue(std::string_view text) {
    text = engine::TrimBlanks(text);
    if (EqualsIgnoringCase(text, kTrue)) {
        return true;
    }
    if (EqualsIgnoringCase(text, kFalse)) {
        return false;
    }
    if (!IsWholeNumberText(text)) {
        return std::nullopt;
    }
    return text.find_first_not_of("-+0") != std::string_view::npos;
}

// Puts the list position of a line's number into position when the number is one of the
// list's values; leaves it as it was otherwise (a missing line).
void SelectListEntry(std::string_view text, int line, int& position) {
    const LineRule& rule = kLineRules[static_cast<std::size_t>(line)];
    const std::optional<int> value = WholeNumber(text);
    if (value && *value >= rule.first && *value - rule.first < rule.count) {
        position = *value - rule.first;
    }
}

// C0 controls and DEL: a reading never holds them, so a line with one is no reading.
bool IsControl(int code) {
    return code < 0x20 || code == 0x7F;
}

std::string Scramble(std::string_view utf8Field) {
    std::string scrambled;
    for (const char c : Utf8ToLatin1(utf8Field)) {
        const int code = static_cast<unsigned char>(c);
        if (!IsControl(code) && code + kReadingFileShift <= kLastByte) {
            scrambled += static_cast<char>(code + kReadingFileShift);
        }
    }
    return scrambled;
}

std::string Unscramble(std::string_view line) {
    std::string latin1;
    for (const char c : line) {
        const int code = static_cast<unsigned char>(c) - kReadingFileShift;
        if (code >= 0) {
            latin1 += static_cast<char>(code);
        }
    }
    return Latin1ToUtf8(latin1);
}

// The first 17 lines of a file, scrambled, without their ends. Lines end at CR LF; a lone LF
// ends a line too, so a file whose line ends were changed by copying still opens. Scrambled
// text never holds either byte.
std::vector<std::string_view> ScrambledLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (lines.size() < std::size_t{kReadingFileLineCount} && !bytes.empty()) {
        const auto end = bytes.find('\n');
        std::string_view text = bytes.substr(0, end);
        if (!text.empty() && text.back() == '\r') {
            text.remove_suffix(1);
        }
        lines.push_back(text);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    return lines;
}

bool HoldsControlCharacters(std::string_view scrambledLine) {
    for (const char c : scrambledLine) {
        const int code = static_cast<unsigned char>(c) - kReadingFileShift;
        if (code < 0 || IsControl(code)) {
            return true;
        }
    }
    return false;
}

ReadingFileRefusal RefusalOf(ReadingFileRefusal::Kind kind, int line = 0) {
    ReadingFileRefusal refusal;
    refusal.kind = kind;
    refusal.line = line;
    return refusal;
}

// Why one line of a file cannot be part of a reading, or nothing.
std::optional<ReadingFileRefusal> RefuseLine(int line, std::string_view scrambled) {
    using Kind = ReadingFileRefusal::Kind;
    const auto refusal = [line](Kind kind) { return RefusalOf(kind, line); };
    if (HoldsControlCharacters(scrambled)) {
        return refusal(Kind::kControlCharacters);
    }
    const std::string text = Unscramble(scrambled);
    const LineRule& rule = kLineRules[static_cast<std::size_t>(line)];
    switch (rule.kind) {
        case LineKind::kText:
            break;
        case LineKind::kListNumber: {
            if (!IsWholeNumberText(text)) {
                return refusal(Kind::kNotANumber);
            }
            // No copy of the program writes a value outside its list; taking another in its
            // place would chart a different birth.
            const std::optional<int> value = WholeNumber(text);
            if (!value || *value < rule.first || *value - rule.first >= rule.count) {
                ReadingFileRefusal outside = refusal(Kind::kOutsideList);
                outside.value = engine::TrimBlanks(text);
                outside.first = rule.first;
                outside.last = rule.first + rule.count - 1;
                return outside;
            }
            break;
        }
        case LineKind::kFieldDigits:
            if (const std::string digits(engine::TrimBlanks(text));
                !reading::IsDegreeOrMinuteText(digits)) {
                // Cutting a longer number to the field would load a different place.
                const bool allDigits =
                    !digits.empty() && digits.find_first_not_of("0123456789") == std::string::npos;
                return refusal(allDigits ? Kind::kTooManyDigits : Kind::kNotFieldNumber);
            }
            break;
        case LineKind::kTruth:
            if (!TruthValue(text)) {
                return refusal(Kind::kNotTruth);
            }
            break;
    }
    return std::nullopt;
}

}  // namespace

std::string_view ReadingFileLineName(int line) {
    return kLineRules.at(static_cast<std::size_t>(line)).name;
}

ReadingFileFields FieldsForSave(const reading::BirthData& birth, int zoneIndex) {
    ReadingFileFields fields;
    fields[kName] = engine::TrimBlanks(birth.name);
    fields[kMonth] = std::to_string(birth.month);
    fields[kDay] = std::to_string(birth.day);
    fields[kYear] = std::to_string(birth.year);
    fields[kHour] = std::to_string(birth.hour);
    fields[kMinute] = std::to_string(birth.minute);
    fields[kZone] = std::to_string(zoneIndex);
    fields[kLongitudeDegrees] = std::to_string(birth.longitudeDegrees);
    fields[kLongitudeMinutes] = std::to_string(birth.longitudeMinutes);
    fields[kLatitudeDegrees] = std::to_string(birth.latitudeDegrees);
    fields[kLatitudeMinutes] = std::to_string(birth.latitudeMinutes);
    fields[kEast] = TruthWord(birth.isEast);
    fields[kSouth] = TruthWord(birth.isSouth);
    fields[kDaylightSaving] = TruthWord(birth.isDaylightSaving);
    fields[kCity] = engine::TrimBlanks(birth.city);
    fields[kState] = engine::TrimBlanks(birth.state);
    fields[kCountry] = engine::TrimBlanks(birth.country);
    return fields;
}

std::string EncodeReadingFile(const ReadingFileFields& fields) {
    std::string bytes;
    for (const std::string& field : fields) {
        bytes += Scramble(field);
        bytes += kLineEnd;
    }
    return bytes;
}

std::string StoredReadingText(std::string_view utf8Field) {
    return Unscramble(Scramble(utf8Field));
}

std::optional<ReadingFileRefusal> RefuseReadingFile(std::string_view bytes) {
    using Kind = ReadingFileRefusal::Kind;
    if (bytes.size() > kReadingFileMaxBytes) {
        return RefusalOf(Kind::kTooLarge);
    }
    if (bytes.find('\0') != std::string_view::npos) {
        return RefusalOf(Kind::kBinary);
    }
    if (bytes.empty()) {
        return RefusalOf(Kind::kEmpty);
    }
    const std::vector<std::string_view> lines = ScrambledLines(bytes);
    for (std::size_t line = 0; line < lines.size(); ++line) {
        if (auto refusal = RefuseLine(static_cast<int>(line), lines[line])) {
            return refusal;
        }
    }
    return std::nullopt;
}

std::string ReadingFileRefusalText(const ReadingFileRefusal& refusal) {
    using Kind = ReadingFileRefusal::Kind;
    std::string where = "Line ";
    where.append(std::to_string(refusal.line + 1))
        .append(" (")
        .append(ReadingFileLineName(refusal.line))
        .append(")");
    switch (refusal.kind) {
        case Kind::kTooLarge:
            return "The file is too large to be a saved reading.";
        case Kind::kBinary:
            return "The file holds binary data, not a saved reading.";
        case Kind::kEmpty:
            return "The file is empty.";
        case Kind::kControlCharacters:
            return where.append(" holds control characters.");
        case Kind::kNotANumber:
            return where.append(" is not a number.");
        case Kind::kOutsideList:
            return where.append(" holds ")
                .append(refusal.value)
                .append(", outside its list of ")
                .append(std::to_string(refusal.first))
                .append(" to ")
                .append(std::to_string(refusal.last))
                .append(".");
        case Kind::kTooManyDigits:
            return where.append(" has more digits than the field holds.");
        case Kind::kNotFieldNumber:
            return where.append(" is not a number the field holds.");
        case Kind::kNotTruth:
            return where.append(" is neither True nor False.");
    }
    return where;
}

std::optional<std::string> ReadingFileProblem(std::string_view bytes) {
    if (const auto refusal = RefuseReadingFile(bytes)) {
        return ReadingFileRefusalText(*refusal);
    }
    return std::nullopt;
}

ReadingFileFields DecodeReadingFile(std::string_view bytes) {
    ReadingFileFields fields;
    const std::vector<std::string_view> lines = ScrambledLines(bytes);
    for (std::size_t line = 0; line < lines.size(); ++line) {
        fields[line] = Unscramble(lines[line]);
    }
    return fields;
}

int ReadingFileLinesHeld(std::string_view bytes) {
    return static_cast<int>(ScrambledLines(bytes).size());
}

std::string EndedEarlyText(int linesHeld) {
    if (linesHeld <= 0) {
        return "The file ended before its first line.";
    }
    return "The file ended after line " + std::to_string(linesHeld) + " (" +
           std::string(ReadingFileLineName(linesHeld - 1)) + "); the lines after it are empty.";
}

reading::FormValues ApplyToForm(const ReadingFileFields& fields, reading::FormValues form) {
    form.name = fields[kName];
    SelectListEntry(fields[kMonth], kMonth, form.monthIndex);
    SelectListEntry(fields[kDay], kDay, form.dayIndex);
    SelectListEntry(fields[kYear], kYear, form.yearIndex);
    SelectListEntry(fields[kHour], kHour, form.hourIndex);
    SelectListEntry(fields[kMinute], kMinute, form.minuteIndex);
    SelectListEntry(fields[kZone], kZone, form.zoneIndex);
    form.longitudeDegrees = engine::TrimBlanks(fields[kLongitudeDegrees]);
    form.longitudeMinutes = engine::TrimBlanks(fields[kLongitudeMinutes]);
    form.latitudeDegrees = engine::TrimBlanks(fields[kLatitudeDegrees]);
    form.latitudeMinutes = engine::TrimBlanks(fields[kLatitudeMinutes]);
    if (const auto east = TruthValue(fields[kEast])) {
        form.east = *east;
        form.west = !*east;
    }
    if (const auto south = TruthValue(fields[kSouth])) {
        form.south = *south;
        form.north = !*south;
    }
    if (const auto daylightSaving = TruthValue(fields[kDaylightSaving])) {
        form.daylightSaving = *daylightSaving;
    }
    form.city = fields[kCity];
    form.state = fields[kState];
    form.country = fields[kCountry];
    return form;
}

ReadingFileRead ReadReadingFile(const std::string& path) {
    FileBytes file = ReadRegularFile(path, kReadingFileMaxBytes);
    if (!file.problem.empty()) {
        return {std::nullopt, std::move(file.problem), std::nullopt, 0};
    }
    if (auto refusal = RefuseReadingFile(file.bytes)) {
        return {std::nullopt, ReadingFileRefusalText(*refusal), std::move(refusal), 0};
    }
    return {DecodeReadingFile(file.bytes), {}, std::nullopt, ReadingFileLinesHeld(file.bytes)};
}

}  // namespace files
