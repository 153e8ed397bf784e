#pragma once

#include <array>

#include "reading/birth_data.h"

namespace bench {

// The Delhi birth of 15 June 1980, 10:30 Indian time, 28° 37′ N, 77° 13′ E.
inline reading::BirthData DelhiBirth() {
    reading::BirthData birth;
    birth.name = "Asha Rao";
    birth.day = 15;
    birth.month = 6;
    birth.year = 1980;
    birth.hour = 10;
    birth.minute = 30;
    birth.zoneHours = 5;
    birth.zoneMinutes = 30;
    birth.zoneHourOffset = -5;
    birth.zoneMinuteOffset = -30;
    birth.latitudeDegrees = 28;
    birth.latitudeMinutes = 37;
    birth.longitudeDegrees = 77;
    birth.longitudeMinutes = 13;
    birth.isEast = true;
    birth.city = "Delhi";
    birth.state = "Delhi";
    birth.country = "India";
    return birth;
}

// Births spread over the years, hours, zones and hemispheres, so that a benchmark does not
// time one branch pattern and one set of cached values over and over.
inline constexpr int kVariedBirthCount = 64;

inline std::array<reading::BirthData, kVariedBirthCount> VariedBirths() {
    std::array<reading::BirthData, kVariedBirthCount> births;
    for (int i = 0; i < kVariedBirthCount; ++i) {
        reading::BirthData& birth = births[i];
        birth = DelhiBirth();
        birth.year = 1901 + (i * 37) % 150;
        birth.month = 1 + (i * 5) % 12;
        birth.day = 1 + (i * 11) % 28;
        birth.hour = (i * 7) % 25;
        birth.minute = (i * 13) % 60;
        birth.zoneHourOffset = (i % 25) - 12;
        birth.zoneHours = birth.zoneHourOffset < 0 ? -birth.zoneHourOffset : birth.zoneHourOffset;
        birth.zoneMinuteOffset = 0;
        birth.zoneMinutes = 0;
        birth.latitudeDegrees = (i * 17) % 67;
        birth.longitudeDegrees = (i * 29) % 180;
        birth.isEast = i % 2 == 0;
        birth.isSouth = i % 3 == 0;
        birth.isDaylightSaving = i % 4 == 0;
    }
    return births;
}

}  // namespace bench
