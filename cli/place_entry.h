#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "reading/form_values.h"

namespace cli {

// What putting a place from the atlas into a birth gave.
struct PlaceEntry {
    std::string label;                // the place taken, "Kolkata, West Bengal, India"
    std::string problem;              // why the birth cannot be calculated there; empty when fine
    std::string note;                 // something the user should know, e.g. a time that came twice
    std::vector<std::string> others;  // up to five other matches, "Delhi, New York, United States"
    std::string json;                 // the "place" object of --json
    bool clockProblem = false;        // the problem is the place's clock (a time that never came)
};

// Puts the most populous place called text ("Kolkata", "Kolkata, India", "Kolkata, West Bengal,
// India") into the form: a whole name, its own, its ASCII form or one of its other names; text
// that only begins names is refused with some of them. It fills the coordinates, directions,
// city, state and country, and unless keepZone, the zone row and daylight saving of the place's
// clock at the form's date and time; when no row holds that clock's offset, the offset itself
// (the JSON's "exactOffset").
PlaceEntry EnterPlace(std::string_view text, bool keepZone, reading::FormValues& form);

// --find: the places whose name, ASCII name or an other name begins with text, one a line, most
// populous first, at most a limit of them; when more begin so, note says that the list was cut.
// False when there are none.
bool ListPlaces(std::string_view text, std::ostream& out, std::string& note, std::string& problem);

// The batch's place column stands for these columns; zone and dst may still be given with it.
inline constexpr std::string_view kPlaceColumn = "place";
bool PlaceReplacesColumn(std::string_view column);
bool PlaceAllowsColumn(std::string_view column);

}  // namespace cli
