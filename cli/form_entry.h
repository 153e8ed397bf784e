#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "reading/form_values.h"

namespace cli {

// Why a value cannot go into the form, in words for the user; nothing when it went in.
using EntryProblem = std::optional<std::string>;

// A whole decimal number: optional minus sign and digits, nothing else.
std::optional<int> ParseWholeNumber(std::string_view text);

// "true"/"false" in any letter case, or "1"/"0".
std::optional<bool> ParseTruth(std::string_view text);

// Each setter puts one value into the form the way choosing it in the window would: list values
// become list positions, and a value outside its list is refused. Calendar checks (31 April, 29
// February) are left to the form's own validation, like in the window.
EntryProblem SetDay(reading::FormValues& form, std::string_view text);
EntryProblem SetMonth(reading::FormValues& form, std::string_view text);
EntryProblem SetYear(reading::FormValues& form, std::string_view text);
EntryProblem SetHour(reading::FormValues& form, std::string_view text);
EntryProblem SetMinute(reading::FormValues& form, std::string_view text);
EntryProblem SetZone(reading::FormValues& form, std::string_view text);

// The texts go in as they stand, the way typing them would put them there; a control character
// (a line break, tab, escape, or one of U+0080 to U+009F) is refused, as the window refuses it.
EntryProblem OneLineProblem(std::string_view text, std::string_view what);
EntryProblem SetName(reading::FormValues& form, std::string_view text);
EntryProblem SetCity(reading::FormValues& form, std::string_view text);
EntryProblem SetState(reading::FormValues& form, std::string_view text);
EntryProblem SetCountry(reading::FormValues& form, std::string_view text);

// The clock's offset from Greenwich given directly, "+05:45" or "-3:30" (the sign is required):
// for clocks that no zone row holds. The zone row and daylight saving are then not used.
EntryProblem SetOffset(reading::FormValues& form, std::string_view text);

// Hour 24 is the midnight that ends the day, so --time takes no minutes with it. (The window's
// lists, and so a batch row, may give them: the next day's 0 h and those minutes.)
EntryProblem MidnightProblem(const reading::FormValues& form);

// The direction options. An empty text selects neither option, which the form's validation then
// reports; "true" selects South (East), "false" North (West).
EntryProblem SetSouth(reading::FormValues& form, std::string_view text);
EntryProblem SetEast(reading::FormValues& form, std::string_view text);

// The daylight-saving box; an empty text leaves it unchecked.
EntryProblem SetDaylightSaving(reading::FormValues& form, std::string_view text);

}  // namespace cli
