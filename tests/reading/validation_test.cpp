#include "reading/validation.h"

#include <gtest/gtest.h>

#include <climits>

#include "reading/sample_birth.h"

namespace reading {
namespace {

FormValues WithDate(int day, int month, int year) {
    FormValues form = SampleBirthForm();
    form.dayIndex = day - 1;
    form.monthIndex = month - 1;
    form.yearIndex = year - kFirstYear;
    return form;
}

const std::string kFebruaryMessage = "Please Enter Correct Date Or Month!";
const std::string kThirtyDayMessage = "Please Enter Correct Date Or Month !";

TEST(ValidateInput, PassesACompleteForm) {
    EXPECT_FALSE(ValidateInput(SampleBirthForm()));
}

TEST(ValidateInput, ChecksEmptyTextsInOrderAndPutsTheFocusThere) {
    struct Case {
        std::string FormValues::*text;
        const char* message;
        FormField focus;
    };
    const Case cases[] = {
        {&FormValues::name, "Please Enter Your Name", FormField::kName},
        {&FormValues::latitudeDegrees, "Please Enter Degree of Latitude",
         FormField::kLatitudeDegrees},
        {&FormValues::latitudeMinutes, "Please Enter Minutes of Latitude",
         FormField::kLatitudeMinutes},
        {&FormValues::longitudeDegrees, "Please Enter Degree of Longitude",
         FormField::kLongitudeDegrees},
        {&FormValues::longitudeMinutes, "Please Enter Minute of Longitude",
         FormField::kLongitudeMinutes},
        {&FormValues::city, "Please Enter Your City name", FormField::kCity},
        {&FormValues::state, "Please Enter Your State name", FormField::kState},
        {&FormValues::country, "Please Enter Your Country name", FormField::kCountry},
    };
    // Emptying every field from the last one back, the first empty one is always reported.
    FormValues form = SampleBirthForm();
    for (auto c = std::rbegin(cases); c != std::rend(cases); ++c) {
        form.*(c->text) = "";
        const auto refusal = ValidateInput(form);
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->message, c->message);
        EXPECT_EQ(refusal->icon, MessageIcon::kError);
        EXPECT_EQ(refusal->focus, c->focus);
    }
}

TEST(ValidateInput, EmptyNameAndCityReportOnlyTheName) {
    FormValues form = SampleBirthForm();
    form.name.clear();
    form.city.clear();
    const auto refusal = ValidateInput(form);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "Please Enter Your Name");
    EXPECT_EQ(refusal->focus, FormField::kName);
}

TEST(ValidateInput, ACityOfSpacesIsNotEmpty) {
    FormValues form = SampleBirthForm();
    form.city = "   ";
    EXPECT_FALSE(ValidateInput(form));
    EXPECT_EQ(CopyFormToBirthData(form).birth->city, "");
}

TEST(ValidateInput, MissingDirectionsSelectTheDefaultAndStillRefuse) {
    FormValues form = SampleBirthForm();
    form.north = form.south = false;
    form.east = form.west = false;
    auto refusal = ValidateInput(form);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "Please Select Direction For The Latitude");
    EXPECT_EQ(refusal->fix, DirectionFix::kSelectNorth);
    form.north = true;  // what the form does with the fix; the second click passes this check
    refusal = ValidateInput(form);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "Please Select Direction For The Longitude");
    EXPECT_EQ(refusal->fix, DirectionFix::kSelectEast);
    form.east = true;
    EXPECT_FALSE(ValidateInput(form));
}

TEST(ValidateInput, ChecksTheDaysOfFebruaryAndThirtyDayMonths) {
    EXPECT_FALSE(ValidateInput(WithDate(29, 2, 2000)));
    EXPECT_FALSE(ValidateInput(WithDate(29, 2, 1904)));
    EXPECT_FALSE(ValidateInput(WithDate(28, 2, 1901)));
    EXPECT_FALSE(ValidateInput(WithDate(31, 5, 1980)));
    EXPECT_FALSE(ValidateInput(WithDate(30, 4, 1980)));
    EXPECT_FALSE(ValidateInput(WithDate(31, 12, 2050)));
    for (const FormValues& form : {WithDate(29, 2, 1901), WithDate(30, 2, 2000),
                                   WithDate(31, 2, 2000), WithDate(30, 2, 1999)}) {
        const auto refusal = ValidateInput(form);
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->message, kFebruaryMessage);
        EXPECT_EQ(refusal->icon, MessageIcon::kInformation);
    }
    for (const int month : {4, 6, 9, 11}) {
        const auto refusal = ValidateInput(WithDate(31, month, 1980));
        ASSERT_TRUE(refusal) << month;
        EXPECT_EQ(refusal->message, kThirtyDayMessage);
        EXPECT_EQ(refusal->icon, MessageIcon::kInformation);
    }
}

TEST(ValidateInput, RefusesCoordinatesOfNoPlaceOnEarth) {
    const std::string kLatitudeDegrees = "Please Enter Degree of Latitude from 0 to 90";
    const std::string kLatitudeMinutes = "Please Enter Minutes of Latitude from 0 to 59";
    const std::string kPole =
        "Please Enter 0 Minutes of Latitude with 90 Degree (Latitude goes from 0 to 90 Degree)";
    const std::string kLongitudeDegrees = "Please Enter Degree of Longitude from 0 to 180";
    const std::string kLongitudeMinutes = "Please Enter Minute of Longitude from 0 to 59";
    const std::string kDateLine =
        "Please Enter 0 Minute of Longitude with 180 Degree (Longitude goes from 0 to 180 "
        "Degree)";
    const struct {
        const char* latitudeDegrees;
        const char* latitudeMinutes;
        const char* longitudeDegrees;
        const char* longitudeMinutes;
        std::string message;  // empty: the form passes
        FormField focus;
    } cases[] = {
        {"0", "0", "0", "0", "", FormField::kNone},
        {"90", "00", "180", "000", "", FormField::kNone},
        {"089", "59", "179", "059", "", FormField::kNone},
        {"91", "0", "77", "13", kLatitudeDegrees, FormField::kLatitudeDegrees},
        {"999", "75", "200", "75", kLatitudeDegrees, FormField::kLatitudeDegrees},
        {"28", "60", "200", "13", kLatitudeMinutes, FormField::kLatitudeMinutes},
        {"90", "1", "77", "13", kPole, FormField::kLatitudeMinutes},
        {"28", "37", "181", "0", kLongitudeDegrees, FormField::kLongitudeDegrees},
        {"28", "37", "77", "999", kLongitudeMinutes, FormField::kLongitudeMinutes},
        {"28", "37", "180", "01", kDateLine, FormField::kLongitudeMinutes},
        // Text that is not a number is the copy's to refuse, after the ranges of the others.
        {"2a", "37", "181", "13", kLongitudeDegrees, FormField::kLongitudeDegrees},
    };
    for (const auto& c : cases) {
        FormValues form = SampleBirthForm();
        form.latitudeDegrees = c.latitudeDegrees;
        form.latitudeMinutes = c.latitudeMinutes;
        form.longitudeDegrees = c.longitudeDegrees;
        form.longitudeMinutes = c.longitudeMinutes;
        const auto refusal = ValidateInput(form);
        const std::string place = std::string(c.latitudeDegrees) + ":" + c.latitudeMinutes + " " +
                                  c.longitudeDegrees + ":" + c.longitudeMinutes;
        if (c.message.empty()) {
            EXPECT_FALSE(refusal) << place << ": " << refusal->message;
            continue;
        }
        ASSERT_TRUE(refusal) << place;
        EXPECT_EQ(refusal->message, c.message) << place;
        EXPECT_EQ(refusal->icon, MessageIcon::kError) << place;
        EXPECT_EQ(refusal->focus, c.focus) << place;
        EXPECT_EQ(refusal->fix, DirectionFix::kNone) << place;
    }

    // The twelve checks of the form come first.
    FormValues form = WithDate(30, 2, 1980);
    form.latitudeDegrees = "95";
    EXPECT_EQ(ValidateInput(form)->message, kFebruaryMessage);
    form.name.clear();
    EXPECT_EQ(ValidateInput(form)->message, "Please Enter Your Name");
}

// Callers other than the window may hand over any list position; none may overflow, and none
// outside its list gets through the calculation.
TEST(ValidateInput, StandsAnyListPosition) {
    for (const int position : {INT_MIN, INT_MIN + 1, -1, 150, INT_MAX - 1900, INT_MAX}) {
        for (int FormValues::*index :
             {&FormValues::dayIndex, &FormValues::monthIndex, &FormValues::yearIndex,
              &FormValues::hourIndex, &FormValues::minuteIndex, &FormValues::zoneIndex}) {
            FormValues form = SampleBirthForm();
            form.*index = position;
            static_cast<void>(ValidateInput(form));
            EXPECT_TRUE(CopyFormToBirthData(form).refusal) << position;
        }
        // A year that is not in the list has no 29 February to offer.
        FormValues february = WithDate(29, 2, 1980);
        february.yearIndex = position;
        const auto refusal = ValidateInput(february);
        ASSERT_TRUE(refusal) << position;
        EXPECT_EQ(refusal->message, kFebruaryMessage);
    }
}

TEST(CopyFormToBirthData, StoresTheFieldsAsTheCalculationNeedsThem) {
    FormValues form = SampleBirthForm();
    form.name = "  Asha Rao ";
    form.city = " New Delhi  ";
    form.state = "Delhi ";
    form.country = " India";
    form.latitudeMinutes = "007";
    const CopyResult copy = CopyFormToBirthData(form);
    ASSERT_TRUE(copy.birth);
    const BirthData& birth = *copy.birth;
    EXPECT_EQ(birth.name, "  Asha Rao ");  // the name as typed
    EXPECT_EQ(birth.city, "New Delhi");
    EXPECT_EQ(birth.state, "Delhi");
    EXPECT_EQ(birth.country, "India");
    EXPECT_EQ(birth.day, 15);
    EXPECT_EQ(birth.month, 6);
    EXPECT_EQ(birth.year, 1980);
    EXPECT_EQ(birth.hour, 10);
    EXPECT_EQ(birth.minute, 30);
    EXPECT_EQ(birth.zoneHours, 5);
    EXPECT_EQ(birth.zoneMinutes, 30);
    EXPECT_EQ(birth.zoneHourOffset, -5);
    EXPECT_EQ(birth.zoneMinuteOffset, -30);
    EXPECT_EQ(birth.latitudeDegrees, 28);
    EXPECT_EQ(birth.latitudeMinutes, 7);
    EXPECT_EQ(birth.longitudeDegrees, 77);
    EXPECT_EQ(birth.longitudeMinutes, 13);
    EXPECT_TRUE(birth.isEast);
    EXPECT_FALSE(birth.isSouth);
    EXPECT_FALSE(birth.isDaylightSaving);
}

TEST(CopyFormToBirthData, StoresTheDirections) {
    FormValues form = SampleBirthForm();
    form.north = false;
    form.south = true;
    EXPECT_TRUE(CopyFormToBirthData(form).birth->isSouth);
    EXPECT_TRUE(CopyFormToBirthData(form).birth->isEast);
    form.south = false;
    form.north = true;
    form.east = false;
    form.west = true;
    EXPECT_FALSE(CopyFormToBirthData(form).birth->isSouth);
    EXPECT_FALSE(CopyFormToBirthData(form).birth->isEast);
}

TEST(CopyFormToBirthData, RefusesPastedTextInDegreeFields) {
    struct Case {
        std::string FormValues::*text;
        const char* value;
        FormField focus;
    };
    const Case cases[] = {
        {&FormValues::latitudeDegrees, "2a", FormField::kLatitudeDegrees},
        {&FormValues::latitudeMinutes, "-5", FormField::kLatitudeMinutes},
        {&FormValues::longitudeDegrees, "1234", FormField::kLongitudeDegrees},
        {&FormValues::longitudeMinutes, " 13", FormField::kLongitudeMinutes},
        {&FormValues::longitudeMinutes, "1\u0663", FormField::kLongitudeMinutes},
    };
    for (const Case& c : cases) {
        FormValues form = SampleBirthForm();
        form.*(c.text) = c.value;
        const CopyResult copy = CopyFormToBirthData(form);
        EXPECT_FALSE(copy.birth) << c.value;
        ASSERT_TRUE(copy.refusal) << c.value;
        EXPECT_EQ(copy.refusal->message, "Please enter only numbers");
        EXPECT_EQ(copy.refusal->focus, c.focus);
    }
    EXPECT_TRUE(IsDegreeOrMinuteText("999"));
    EXPECT_TRUE(IsDegreeOrMinuteText("0"));
    EXPECT_FALSE(IsDegreeOrMinuteText(""));
}

TEST(CopyFormToBirthData, RefusesListPositionsOutsideTheLists) {
    for (int FormValues::*index :
         {&FormValues::dayIndex, &FormValues::monthIndex, &FormValues::yearIndex,
          &FormValues::hourIndex, &FormValues::minuteIndex, &FormValues::zoneIndex}) {
        FormValues form = SampleBirthForm();
        form.*index = -1;
        EXPECT_TRUE(CopyFormToBirthData(form).refusal);
        form.*index = 1000;
        EXPECT_TRUE(CopyFormToBirthData(form).refusal);
    }
}

}  // namespace
}  // namespace reading
