#include "files/reading_file.h"

#include <charconv>
#include <string>

#include "engine/trim.h"
#include "files/latin1_text.h"
#include "reading/time_zones.h"

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

// A whole number with an optional sign and blanks around it; nothing for any other text,
// including numbers too large for an int.
std::optional<int> WholeNumber(std::string_view text) {
    text = engine::TrimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
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
    std::string_view digits = text;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        digits.remove_prefix(1);
    }
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    return digits.find_first_not_of('0') != std::string_view::npos;
}

// Puts the list position of a number into position when the number is one of the list's
// values first .. first + count - 1; leaves it as it was otherwise.
void SelectListEntry(std::string_view text, int first, int count, int& position) {
    const std::optional<int> value = WholeNumber(text);
    if (value && *value >= first && *value - first < count) {
        position = *value - first;
    }
}

std::string Scramble(std::string_view utf8Field) {
    std::string scrambled;
    for (const char c : Utf8ToLatin1(utf8Field)) {
        const int code = static_cast<unsigned char>(c) + kReadingFileShift;
        if (code <= kLastByte) {
            scrambled += static_cast<char>(code);
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

}  // namespace

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

std::optional<std::string> ReadingFileProblem(std::string_view bytes) {
    if (bytes.size() > kReadingFileMaxBytes) {
        return "The file is too large to be a saved reading.";
    }
    if (bytes.find('\0') != std::string_view::npos) {
        return "The file holds binary data, not a saved reading.";
    }
    return std::nullopt;
}

ReadingFileFields DecodeReadingFile(std::string_view bytes) {
    // Lines end at CR LF. A lone LF ends a line too, so a file whose line ends were changed by
    // copying still opens; scrambled text never holds either byte.
    ReadingFileFields fields;
    for (int line = 0; line < kReadingFileLineCount && !bytes.empty(); ++line) {
        const auto end = bytes.find('\n');
        std::string_view text = bytes.substr(0, end);
        if (!text.empty() && text.back() == '\r') {
            text.remove_suffix(1);
        }
        fields[line] = Unscramble(text);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    return fields;
}

reading::FormValues ApplyToForm(const ReadingFileFields& fields, reading::FormValues form) {
    form.name = fields[kName];
    SelectListEntry(fields[kMonth], 1, reading::kMonthCount, form.monthIndex);
    SelectListEntry(fields[kDay], 1, reading::kDayCount, form.dayIndex);
    SelectListEntry(fields[kYear], reading::kFirstYear, reading::kYearCount, form.yearIndex);
    SelectListEntry(fields[kHour], 0, reading::kHourCount, form.hourIndex);
    SelectListEntry(fields[kMinute], 0, reading::kMinuteCount, form.minuteIndex);
    SelectListEntry(fields[kZone], 0, reading::kTimeZoneCount, form.zoneIndex);
    form.longitudeDegrees = fields[kLongitudeDegrees];
    form.longitudeMinutes = fields[kLongitudeMinutes];
    form.latitudeDegrees = fields[kLatitudeDegrees];
    form.latitudeMinutes = fields[kLatitudeMinutes];
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

}  // namespace files
