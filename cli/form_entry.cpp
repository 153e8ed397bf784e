#include "cli/form_entry.h"

#include <charconv>

#include "reading/time_zones.h"

namespace cli {

namespace {

bool EqualsIgnoringCase(std::string_view text, std::string_view lowerCaseWord) {
    if (text.size() != lowerCaseWord.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != lowerCaseWord[i]) {
            return false;
        }
    }
    return true;
}

// Sets position to the list position of the value in text, for a list that holds first,
// first + 1, … first + count - 1.
EntryProblem SetListPosition(int& position, std::string_view text, int first, int count,
                             std::string_view what) {
    const std::optional<int> value = ParseWholeNumber(text);
    if (!value || *value < first || *value >= first + count) {
        return std::string(what) + " must be a whole number from " + std::to_string(first) +
               " to " + std::to_string(first + count - 1);
    }
    position = *value - first;
    return std::nullopt;
}

EntryProblem SetOptionPair(bool& chosen, bool& other, std::string_view text,
                           std::string_view what) {
    if (text.empty()) {
        chosen = false;
        other = false;
        return std::nullopt;
    }
    const std::optional<bool> value = ParseTruth(text);
    if (!value) {
        return std::string(what) + " must be true, false, 1 or 0";
    }
    chosen = *value;
    other = !*value;
    return std::nullopt;
}

}  // namespace

std::optional<int> ParseWholeNumber(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<bool> ParseTruth(std::string_view text) {
    if (text == "1" || EqualsIgnoringCase(text, "true")) {
        return true;
    }
    if (text == "0" || EqualsIgnoringCase(text, "false")) {
        return false;
    }
    return std::nullopt;
}

EntryProblem SetDay(reading::FormValues& form, std::string_view text) {
    return SetListPosition(form.dayIndex, text, 1, reading::kDayCount, "day");
}

EntryProblem SetMonth(reading::FormValues& form, std::string_view text) {
    return SetListPosition(form.monthIndex, text, 1, reading::kMonthCount, "month");
}

EntryProblem SetYear(reading::FormValues& form, std::string_view text) {
    return SetListPosition(form.yearIndex, text, reading::kFirstYear, reading::kYearCount, "year");
}

EntryProblem SetHour(reading::FormValues& form, std::string_view text) {
    return SetListPosition(form.hourIndex, text, 0, reading::kHourCount, "hour");
}

EntryProblem SetMinute(reading::FormValues& form, std::string_view text) {
    return SetListPosition(form.minuteIndex, text, 0, reading::kMinuteCount, "minute");
}

EntryProblem SetZone(reading::FormValues& form, std::string_view text) {
    EntryProblem problem =
        SetListPosition(form.zoneIndex, text, 0, reading::kTimeZoneCount, "zone");
    if (problem) {
        *problem += " (a row of the time zone list; rashi-report --list-zones shows them)";
    }
    return problem;
}

EntryProblem SetSouth(reading::FormValues& form, std::string_view text) {
    return SetOptionPair(form.south, form.north, text, "south");
}

EntryProblem SetEast(reading::FormValues& form, std::string_view text) {
    return SetOptionPair(form.east, form.west, text, "east");
}

EntryProblem SetDaylightSaving(reading::FormValues& form, std::string_view text) {
    if (text.empty()) {
        form.daylightSaving = false;
        return std::nullopt;
    }
    const std::optional<bool> value = ParseTruth(text);
    if (!value) {
        return std::string("dst must be true, false, 1 or 0");
    }
    form.daylightSaving = *value;
    return std::nullopt;
}

}  // namespace cli
