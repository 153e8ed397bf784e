#pragma once

#include "engine/calendar.h"

namespace engine {

// Hours to add to a local clock reading to reach universal time: the zone's entries as stored
// (the negated offset from Greenwich) less the daylight-saving hour.
double ZoneCorrectionHours(int zoneHourOffset, int zoneMinuteOffset, bool isDaylightSaving);

// Universal time in hours of a local clock reading; it may fall below 0 or reach 24 and more,
// and is never carried into the date.
double UniversalHours(const CivilDateTime& local, double zoneCorrectionHours);

// Julian centuries from 1899 December 31, 12h UT to the instant given by the Julian day number
// of the local date and the universal hours.
double CenturiesFrom1900(double julianDayNumber, double universalHours);

// Julian centuries from 2000 January 1, 12h UT, on the same terms.
double CenturiesFromJ2000(double julianDayNumber, double universalHours);

}  // namespace engine
