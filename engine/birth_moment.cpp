#include "engine/birth_moment.h"

#include "engine/constants.h"

namespace engine {

double ZoneCorrectionHours(int zoneHourOffset, int zoneMinuteOffset, bool isDaylightSaving) {
    const double zone = zoneHourOffset + zoneMinuteOffset / 60.0;
    return isDaylightSaving ? zone - 1 : zone;
}

double UniversalHours(const CivilDateTime& local, double zoneCorrectionHours) {
    return local.hour + local.minute / 60.0 + zoneCorrectionHours;
}

double CenturiesFrom1900(double julianDayNumber, double universalHours) {
    return (julianDayNumber - kJulianDay1900 + universalHours / 24 - 0.5) / kDaysPerCentury;
}

double CenturiesFromJ2000(double julianDayNumber, double universalHours) {
    return ((julianDayNumber - kJulianDayJ2000) + universalHours / 24 - 0.5) / kDaysPerCentury;
}

}  // namespace engine
