#pragma once

#include <optional>
#include <string>

namespace reading {

// The input form's raw state: texts as typed, list positions counted from 0, option states.
// Both the window and the command line fill one of these and hand it to the same rules.
struct FormValues {
    std::string name;
    int dayIndex = 0;     // "1" … "31"
    int monthIndex = 0;   // "January" … "December"
    int yearIndex = 0;    // "1901" … "2050"
    int hourIndex = 0;    // "0" … "24"
    int minuteIndex = 0;  // "0" … "59"
    int zoneIndex = 0;    // row of the time zone table
    std::string latitudeDegrees;
    std::string latitudeMinutes;
    std::string longitudeDegrees;
    std::string longitudeMinutes;
    bool north = false;
    bool south = false;
    bool east = false;
    bool west = false;
    bool daylightSaving = false;
    std::string city;
    std::string state;
    std::string country;
    // The clock's offset from Greenwich in minutes, east positive, when it is given directly
    // instead of a zone row (the command line's --offset, or a place whose clock no row holds):
    // the zone row and the daylight-saving box are then not used.
    std::optional<int> clockOffsetMinutes;

    friend bool operator==(const FormValues&, const FormValues&) = default;
};

// The lists' ranges, in one place for the form, the command line and the files.
inline constexpr int kFirstYear = 1901;
inline constexpr int kLastYear = 2050;
inline constexpr int kDayCount = 31;
inline constexpr int kMonthCount = 12;
inline constexpr int kYearCount = kLastYear - kFirstYear + 1;
inline constexpr int kHourCount = 25;  // "0" … "24"
inline constexpr int kMinuteCount = 60;

// The place's coordinates as magnitudes: the poles at 90 degrees, the date line at 180.
inline constexpr int kMaxLatitudeDegrees = 90;
inline constexpr int kMaxLongitudeDegrees = 180;
inline constexpr int kMaxPlaceMinutes = 59;

// The largest clock offset from Greenwich a birth may give, in minutes (Kiribati's +14:00).
inline constexpr int kMaxClockOffsetMinutes = 14 * 60;

}  // namespace reading
