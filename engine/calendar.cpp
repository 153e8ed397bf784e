#include "engine/calendar.h"

#include <cmath>

namespace engine {

namespace {

constexpr int kMinutesPerDay = 24 * 60;

// Floor division, so that negative minutes borrow from the previous day.
constexpr int FloorDiv(int value, int divisor) {
    const int quotient = value / divisor;
    return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

constexpr bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// A date the calendar has, which the day count gives back unchanged.
constexpr bool IsCalendarDate(int year, int month, int day) {
    constexpr int kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month >= 1 && month <= 12 && day >= 1 &&
           day <= kDaysInMonth[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

}  // namespace

CivilDateTime AddMinutes(const CivilDateTime& moment, int minutes) {
    const int totalMinutes = moment.hour * 60 + moment.minute + minutes;
    const int dayShift = FloorDiv(totalMinutes, kMinutesPerDay);
    const int minuteOfDay = totalMinutes - dayShift * kMinutesPerDay;
    // Most shifts stay on the day: the round trip through the day count would give it back.
    if (dayShift == 0 && IsCalendarDate(moment.year, moment.month, moment.day)) {
        return {moment.year, moment.month, moment.day, minuteOfDay / 60, minuteOfDay % 60};
    }
    const CivilDate date =
        CivilFromDays(DaysFromCivil(moment.year, moment.month, moment.day) + dayShift);
    return {date.year, date.month, date.day, minuteOfDay / 60, minuteOfDay % 60};
}

double JulianDayNumber(int day, int month, int year) {
    const double m = month + 12.0 * (year + 4800) - 3;
    double j = std::floor((365 * m + 7 + 2 * (m - 12 * std::floor(m / 12))) / 12) + day +
               std::floor(m / 48) - 32083;
    // Gregorian dates only from the day after 1582 October 14 in this count.
    if (j > 2299171) {
        j += std::floor(m / 4800) - std::floor(m / 1200) + 38;
    }
    return j;
}

CivilDateTime UniversalDateTime(const CivilDateTime& local, int zoneHourOffset,
                                int zoneMinuteOffset, bool isDaylightSaving) {
    const int daylightHour = isDaylightSaving ? 1 : 0;
    return AddMinutes(local, (zoneHourOffset - daylightHour) * 60 + zoneMinuteOffset);
}

double DaysFromJ2000(const CivilDateTime& universal) {
    // 367y − ⌊7(y + ⌊(m + 9)/12⌋)/4⌋ + ⌊275m/9⌋ + d, the whole days, counted in integers: the
    // quotients of whole numbers lie at least a ninth from the next whole number, so their
    // floors in doubles were these, and the sum is the same number of days.
    const int y = universal.year;
    const int m = universal.month;
    const int wholeDays =
        367 * y - FloorDiv(7 * (y + FloorDiv(m + 9, 12)), 4) + FloorDiv(275 * m, 9) + universal.day;
    return wholeDays - 730531.5 + (universal.hour + universal.minute / 60.0) / 24;
}

}  // namespace engine
