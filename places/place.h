#pragma once

#include <string>

namespace places {

// One place of the atlas, as callers see it.
struct Place {
    std::string name;
    std::string state;  // the first-level division's name, or the place or country standing for it
    std::string country;
    std::string countryCode;  // ISO 3166 two letters
    int latitude = 0;         // hundred-thousandths of a degree, north positive
    int longitude = 0;        // hundred-thousandths of a degree, east positive
    std::string timeZone;     // IANA id, e.g. "Asia/Kolkata"
    long long population = 0;

    friend bool operator==(const Place&, const Place&) = default;
};

// Coordinates are kept to 1/100 000 of a degree, as the source gives them.
inline constexpr int kCoordinateUnitsPerDegree = 100000;

}  // namespace places
