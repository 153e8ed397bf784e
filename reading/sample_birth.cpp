#include "reading/sample_birth.h"

#include "reading/validation.h"

namespace reading {

namespace {

constexpr int kIndianTime = 34;  // "Indian Time, IST, +5.3"

}  // namespace

FormValues SampleBirthForm() {
    FormValues form;
    form.name = "Asha Rao";
    form.dayIndex = 15 - 1;
    form.monthIndex = 6 - 1;
    form.yearIndex = 1980 - kFirstYear;
    form.hourIndex = 10;
    form.minuteIndex = 30;
    form.zoneIndex = kIndianTime;
    form.latitudeDegrees = "28";
    form.latitudeMinutes = "37";
    form.north = true;
    form.longitudeDegrees = "77";
    form.longitudeMinutes = "13";
    form.east = true;
    form.city = "Delhi";
    form.state = "Delhi";
    form.country = "India";
    return form;
}

BirthData SampleBirth() {
    return *CopyFormToBirthData(SampleBirthForm()).birth;
}

}  // namespace reading
