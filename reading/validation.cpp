#include "reading/validation.h"

#include <array>
#include <cstdlib>

#include "engine/trim.h"
#include "reading/time_zones.h"

namespace reading {

namespace {

constexpr int kFebruary = 1;                                 // list positions count from 0
constexpr std::array<int, 4> kThirtyDayMonths{3, 5, 8, 10};  // April, June, September, November
constexpr int kDay29 = 28;
constexpr int kDay31 = 30;

struct EmptyTextCheck {
    const std::string FormValues::*text;
    const char* message;
    FormField field;
};

constexpr std::array<EmptyTextCheck, 8> kEmptyTextChecks{{
    {&FormValues::name, "Please Enter Your Name", FormField::kName},
    {&FormValues::latitudeDegrees, "Please Enter Degree of Latitude", FormField::kLatitudeDegrees},
    {&FormValues::latitudeMinutes, "Please Enter Minutes of Latitude", FormField::kLatitudeMinutes},
    {&FormValues::longitudeDegrees, "Please Enter Degree of Longitude",
     FormField::kLongitudeDegrees},
    {&FormValues::longitudeMinutes, "Please Enter Minute of Longitude",
     FormField::kLongitudeMinutes},
    {&FormValues::city, "Please Enter Your City name", FormField::kCity},
    {&FormValues::state, "Please Enter Your State name", FormField::kState},
    {&FormValues::country, "Please Enter Your Country name", FormField::kCountry},
}};

bool InList(int index, int count) {
    return index >= 0 && index < count;
}

// Every year of the lists that is divisible by 4 is a leap year (2000 included, 1900 not offered).
// A position outside the list names no year; the range test comes first so that no position can
// overflow the sum.
bool IsListLeapYear(int yearIndex) {
    return InList(yearIndex, kYearCount) && (kFirstYear + yearIndex) % 4 == 0;
}

// One coordinate of the place. Its largest degree value takes no minutes: nothing lies beyond a
// pole or past the date line.
struct CoordinateRange {
    const std::string FormValues::*degrees;
    const std::string FormValues::*minutes;
    FormField degreesField;
    FormField minutesField;
    int maxDegrees;
    const char* coordinate;   // "Latitude"
    const char* minutesWord;  // how the form's own messages name its minutes
};

constexpr std::array<CoordinateRange, 2> kCoordinateRanges{{
    {&FormValues::latitudeDegrees, &FormValues::latitudeMinutes, FormField::kLatitudeDegrees,
     FormField::kLatitudeMinutes, kMaxLatitudeDegrees, "Latitude", "Minutes"},
    {&FormValues::longitudeDegrees, &FormValues::longitudeMinutes, FormField::kLongitudeDegrees,
     FormField::kLongitudeMinutes, kMaxLongitudeDegrees, "Longitude", "Minute"},
}};

// The value of a degree or minute text; text that is not one to three digits is left to
// CopyFormToBirthData, which refuses it.
std::optional<int> DegreeOrMinuteValue(const std::string& text) {
    if (!IsDegreeOrMinuteText(text)) {
        return std::nullopt;
    }
    int value = 0;
    for (const char digit : text) {
        value = value * 10 + (digit - '0');
    }
    return value;
}

std::optional<FormRefusal> CheckCoordinateRange(const FormValues& form,
                                                const CoordinateRange& range) {
    const std::optional<int> degrees = DegreeOrMinuteValue(form.*range.degrees);
    const std::optional<int> minutes = DegreeOrMinuteValue(form.*range.minutes);
    const bool degreesTooLarge = degrees && *degrees > range.maxDegrees;
    const bool minutesTooLarge = minutes && *minutes > kMaxPlaceMinutes;
    const bool minutesPastTheEnd = degrees == range.maxDegrees && minutes && *minutes > 0;
    if (!degreesTooLarge && !minutesTooLarge && !minutesPastTheEnd) {
        return std::nullopt;  // nearly every form: no message is made
    }
    const std::string coordinate = range.coordinate;
    const std::string minutesOf = std::string(range.minutesWord) + " of " + coordinate;
    const std::string maxDegrees = std::to_string(range.maxDegrees);
    if (degreesTooLarge) {
        return FormRefusal{"Please Enter Degree of " + coordinate + " from 0 to " + maxDegrees,
                           MessageIcon::kError, range.degreesField, DirectionFix::kNone};
    }
    if (minutesTooLarge) {
        return FormRefusal{
            "Please Enter " + minutesOf + " from 0 to " + std::to_string(kMaxPlaceMinutes),
            MessageIcon::kError, range.minutesField, DirectionFix::kNone};
    }
    return FormRefusal{"Please Enter 0 " + minutesOf + " with " + maxDegrees + " Degree (" +
                           coordinate + " goes from 0 to " + maxDegrees + " Degree)",
                       MessageIcon::kError, range.minutesField, DirectionFix::kNone};
}

}  // namespace

std::optional<FormRefusal> ValidateInput(const FormValues& form) {
    for (const EmptyTextCheck& check : kEmptyTextChecks) {
        if ((form.*check.text).empty()) {
            return FormRefusal{check.message, MessageIcon::kError, check.field,
                               DirectionFix::kNone};
        }
    }
    if (!form.north && !form.south) {
        return FormRefusal{"Please Select Direction For The Latitude", MessageIcon::kError,
                           FormField::kNone, DirectionFix::kSelectNorth};
    }
    if (!form.east && !form.west) {
        return FormRefusal{"Please Select Direction For The Longitude", MessageIcon::kError,
                           FormField::kNone, DirectionFix::kSelectEast};
    }
    const int firstMissingFebruaryDay = IsListLeapYear(form.yearIndex) ? kDay29 + 1 : kDay29;
    if (form.monthIndex == kFebruary && form.dayIndex >= firstMissingFebruaryDay &&
        form.dayIndex <= kDay31) {
        return FormRefusal{"Please Enter Correct Date Or Month!", MessageIcon::kInformation,
                           FormField::kNone, DirectionFix::kNone};
    }
    for (const int month : kThirtyDayMonths) {
        if (form.monthIndex == month && form.dayIndex == kDay31) {
            return FormRefusal{"Please Enter Correct Date Or Month !", MessageIcon::kInformation,
                               FormField::kNone, DirectionFix::kNone};
        }
    }
    // A place that does not exist would still give a chart, of nowhere.
    for (const CoordinateRange& range : kCoordinateRanges) {
        if (auto refusal = CheckCoordinateRange(form, range)) {
            return refusal;
        }
    }
    return std::nullopt;
}

bool IsDegreeOrMinuteText(const std::string& text) {
    if (text.empty() || text.size() > 3) {
        return false;
    }
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

CopyResult CopyFormToBirthData(const FormValues& form) {
    struct NumberField {
        const std::string* text;
        FormField field;
    };
    const std::array<NumberField, 4> numbers{{
        {&form.latitudeDegrees, FormField::kLatitudeDegrees},
        {&form.latitudeMinutes, FormField::kLatitudeMinutes},
        {&form.longitudeDegrees, FormField::kLongitudeDegrees},
        {&form.longitudeMinutes, FormField::kLongitudeMinutes},
    }};
    for (const NumberField& number : numbers) {
        if (!IsDegreeOrMinuteText(*number.text)) {
            return {std::nullopt, FormRefusal{"Please enter only numbers", MessageIcon::kError,
                                              number.field, DirectionFix::kNone}};
        }
    }
    if (!InList(form.dayIndex, kDayCount) || !InList(form.monthIndex, kMonthCount) ||
        !InList(form.yearIndex, kYearCount) || !InList(form.hourIndex, kHourCount) ||
        !InList(form.minuteIndex, kMinuteCount) || !InList(form.zoneIndex, kTimeZoneCount)) {
        return {std::nullopt,
                FormRefusal{"Please choose the date, the time and the time zone from the lists",
                            MessageIcon::kError, FormField::kNone, DirectionFix::kNone}};
    }

    const TimeZoneRow& zone = TimeZoneTable[form.zoneIndex];
    BirthData birth;
    birth.name = form.name;
    birth.month = form.monthIndex + 1;
    birth.day = form.dayIndex + 1;
    birth.year = kFirstYear + form.yearIndex;
    birth.hour = form.hourIndex;
    birth.minute = form.minuteIndex;
    birth.zoneHours = std::abs(zone.hourEntry);
    birth.zoneMinutes = std::abs(zone.minuteEntry);
    birth.zoneHourOffset = zone.hourEntry;
    birth.zoneMinuteOffset = zone.minuteEntry;
    birth.longitudeDegrees = *DegreeOrMinuteValue(form.longitudeDegrees);
    birth.longitudeMinutes = *DegreeOrMinuteValue(form.longitudeMinutes);
    birth.latitudeDegrees = *DegreeOrMinuteValue(form.latitudeDegrees);
    birth.latitudeMinutes = *DegreeOrMinuteValue(form.latitudeMinutes);
    birth.isEast = form.east;
    birth.isSouth = form.south;
    birth.isDaylightSaving = form.daylightSaving;
    if (form.clockOffsetMinutes) {
        const int offset = *form.clockOffsetMinutes;
        if (offset < -kMaxClockOffsetMinutes || offset > kMaxClockOffsetMinutes) {
            return {std::nullopt,
                    FormRefusal{"Please give a clock offset from -14:00 to +14:00",
                                MessageIcon::kError, FormField::kNone, DirectionFix::kNone}};
        }
        // Greenwich is the clock plus the correction: minus the offset, hours and minutes alike.
        birth.zoneHourOffset = -offset / 60;
        birth.zoneMinuteOffset = -offset % 60;
        birth.zoneHours = std::abs(birth.zoneHourOffset);
        birth.zoneMinutes = std::abs(birth.zoneMinuteOffset);
        birth.isDaylightSaving = false;  // the offset is the whole of it
    }
    birth.city = std::string(engine::TrimBlanks(form.city));
    birth.state = std::string(engine::TrimBlanks(form.state));
    birth.country = std::string(engine::TrimBlanks(form.country));
    return {birth, std::nullopt};
}

}  // namespace reading
