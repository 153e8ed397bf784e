#pragma once

#include <string>

namespace reading {

// The birth details as the user entered them. Degrees and minutes of the place are magnitudes;
// the hemisphere travels only in isEast and isSouth.
struct BirthData {
    std::string name;
    int day = 0;
    int month = 0;  // 1 to 12
    int year = 0;
    int hour = 0;  // 0 to 24; 24 is 0 h of the next day
    int minute = 0;
    int zoneHours = 0;    // magnitude of the zone's hour entry
    int zoneMinutes = 0;  // magnitude of the zone's minute entry
    int longitudeDegrees = 0;
    int longitudeMinutes = 0;
    int latitudeDegrees = 0;
    int latitudeMinutes = 0;
    bool isEast = false;
    bool isSouth = false;
    bool isDaylightSaving = false;
    std::string city;
    std::string state;
    std::string country;
    int zoneHourOffset = 0;    // hours to add to the local clock to reach Greenwich time
    int zoneMinuteOffset = 0;  // minutes, same sign as zoneHourOffset

    friend bool operator==(const BirthData&, const BirthData&) = default;
};

}  // namespace reading
