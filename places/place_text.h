#pragma once

#include <string>
#include <string_view>

#include "places/place.h"

namespace places {

// "Kolkata, West Bengal, India" (the state left out when the source names none); with the other
// name that found the place beside its name, "Guangzhou (Kwangchow), Guangdong, China".
std::string PlaceLabel(const Place& place, std::string_view otherName = {});

// A coordinate as the form holds it: whole degrees and minutes, both cut, never rounded, and
// the hemisphere apart.
struct DegreesMinutes {
    int degrees = 0;
    int minutes = 0;
    bool negative = false;  // south or west

    friend bool operator==(const DegreesMinutes&, const DegreesMinutes&) = default;
};
DegreesMinutes ToDegreesMinutes(int hundredThousandths);

// Decimal degrees, as the source gives them: "22.56263", "-0.12574".
std::string DecimalDegreesText(int hundredThousandths);

// An offset from Greenwich for people: "+6:30", "-5:00", "+5:21:10" (seconds only when there
// are some).
std::string OffsetText(int offsetSeconds);

// The same in ISO 8601: "+06:30", "-05:00", "+05:21:10".
std::string IsoOffsetText(int offsetSeconds);

}  // namespace places
