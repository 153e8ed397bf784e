#pragma once

#include <array>

#include "reading/birth_data.h"
#include "reading/sample_birth.h"

namespace bench {

// Births spread over the years, hours, zones and hemispheres, so that a benchmark does not
// time one branch pattern and one set of cached values over and over.
inline constexpr int kVariedBirthCount = 64;

inline std::array<reading::BirthData, kVariedBirthCount> VariedBirths() {
    std::array<reading::BirthData, kVariedBirthCount> births;
    for (int i = 0; i < kVariedBirthCount; ++i) {
        reading::BirthData& birth = births[i];
        birth = reading::SampleBirth();
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
