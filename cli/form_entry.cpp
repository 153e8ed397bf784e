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

// A line break, tab or escape in a name would break the report's lines and could steer the
// terminal that shows it; the window's fields never take them.
bool HoldsControlCharacter(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool c1 = byte == 0xC2 && i + 1 < text.size() &&
                        static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(text[i + 1]) <= 0x9F;  // U+0080 to U+009F
        if (byte < 0x20 || byte == 0x7F || c1) {
            return true;
        }
    }
    return false;
}

EntryProblem SetOneLineText(std::string& field, std::string_view text, std::string_view what) {
    if (EntryProblem problem = OneLineProblem(text, what)) {
        return problem;
    }
    field = std::string(text);
    return std::nullopt;
}

}  // namespace

EntryProblem OneLineProblem(std::string_view text, std::string_view what) {
    if (HoldsControlCharacter(text)) {
        return std::string(what) +
               " holds a control character (a line break, tab or escape); it must be one line "
               "of text";
    }
    return std::nullopt;
}

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

EntryProblem SetOffset(reading::FormValues& form, std::string_view text) {
    const EntryProblem problem =
        "offset must be a sign, hours and minutes from -14:00 to +14:00, e.g. +05:45";
    const std::size_t colon = text.find(':');
    if (text.size() < 5 || (text[0] != '+' && text[0] != '-') || colon == std::string_view::npos ||
        colon > 3 || text.size() - colon != 3) {
        return problem;
    }
    const auto digits = [](std::string_view part) {
        return !part.empty() && part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    const std::string_view hoursText = text.substr(1, colon - 1);
    const std::string_view minutesText = text.substr(colon + 1);
    if (!digits(hoursText) || !digits(minutesText)) {
        return problem;
    }
    const int minutes = *ParseWholeNumber(minutesText);
    const int total = *ParseWholeNumber(hoursText) * 60 + minutes;
    if (minutes >= 60 || total > reading::kMaxClockOffsetMinutes) {
        return problem;
    }
    form.clockOffsetMinutes = text[0] == '-' ? -total : total;
    return std::nullopt;
}

EntryProblem SetName(reading::FormValues& form, std::string_view text) {
    return SetOneLineText(form.name, text, "name");
}

EntryProblem SetCity(reading::FormValues& form, std::string_view text) {
    return SetOneLineText(form.city, text, "city");
}

EntryProblem SetState(reading::FormValues& form, std::string_view text) {
    return SetOneLineText(form.state, text, "state");
}

EntryProblem SetCountry(reading::FormValues& form, std::string_view text) {
    return SetOneLineText(form.country, text, "country");
}

EntryProblem MidnightProblem(const reading::FormValues& form) {
    if (form.hourIndex == reading::kHourCount - 1 && form.minuteIndex != 0) {
        return std::string("hour 24 is midnight at the end of the day; its minute must be 0");
    }
    return std::nullopt;
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
