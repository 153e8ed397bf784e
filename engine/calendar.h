#pragma once

// Calendar arithmetic of the birth moment: Julian day numbers, the universal date and time of a
// local clock reading, and day counts. Proleptic Gregorian calendar throughout.

namespace engine {

struct CivilDateTime {
    int year = 0;
    int month = 1;  // 1 to 12
    int day = 1;
    int hour = 0;  // 0 to 23 after normalisation; 24 is accepted as input
    int minute = 0;

    friend bool operator==(const CivilDateTime&, const CivilDateTime&) = default;
};

// Days since 1970-01-01 of a civil date (negative before it).
constexpr int DaysFromCivil(int year, int month, int day) {
    // Howard Hinnant's days_from_civil, valid for every Gregorian date in int range.
    year -= month <= 2 ? 1 : 0;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yearOfEra = year - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

struct CivilDate {
    int year = 0;
    int month = 1;
    int day = 1;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// The inverse of DaysFromCivil.
constexpr CivilDate CivilFromDays(int days) {
    days += 719468;
    const int era = (days >= 0 ? days : days - 146096) / 146097;
    const int dayOfEra = days - era * 146097;
    const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int monthIndex = (5 * dayOfYear + 2) / 153;
    const int day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const int month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

// Adds minutes to a date and time with full calendar carry; hour 24 comes out as 0 h of the next
// day.
CivilDateTime AddMinutes(const CivilDateTime& moment, int minutes);

// Julian Day Number of a civil date, counted at noon, as a whole number held in a double.
double JulianDayNumber(int day, int month, int year);

// Universal date and time of a local clock reading: the zone's entries are added as they are
// stored (the negated offset from Greenwich) and the daylight-saving hour is taken off.
CivilDateTime UniversalDateTime(const CivilDateTime& local, int zoneHourOffset,
                                int zoneMinuteOffset, bool isDaylightSaving);

// Days from 2000 January 1, 12h UT, of a universal date and time. No century rule: exact from
// March 1900 to February 2100.
double DaysFromJ2000(const CivilDateTime& universal);

}  // namespace engine
