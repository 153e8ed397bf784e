#include "reading/driver.h"

#include <gtest/gtest.h>

#include "tests/support/position_texts.h"

#include "engine/angles.h"
#include "engine/zodiac.h"
#include "reading/sample_birth.h"
#include "reading/stages.h"
#include "reading/time_zones.h"

namespace reading {
namespace {

using test_support::LongText;

int ZoneRow(std::string_view text) {
    for (int row = 0; row < kTimeZoneCount; ++row) {
        if (TimeZoneTable[row].listText == text) {
            return row;
        }
    }
    ADD_FAILURE() << "no zone " << text;
    return 0;
}

FormValues Form(int day, int month, int year, int hour, int minute, int zone,
                const char* latitudeDegrees, const char* latitudeMinutes, bool south,
                const char* longitudeDegrees, const char* longitudeMinutes, bool east,
                bool daylightSaving = false) {
    FormValues form;
    form.name = "Test Person";
    form.dayIndex = day - 1;
    form.monthIndex = month - 1;
    form.yearIndex = year - kFirstYear;
    form.hourIndex = hour;
    form.minuteIndex = minute;
    form.zoneIndex = zone;
    form.latitudeDegrees = latitudeDegrees;
    form.latitudeMinutes = latitudeMinutes;
    form.south = south;
    form.north = !south;
    form.longitudeDegrees = longitudeDegrees;
    form.longitudeMinutes = longitudeMinutes;
    form.east = east;
    form.west = !east;
    form.daylightSaving = daylightSaving;
    form.city = "City";
    form.state = "State";
    form.country = "Country";
    return form;
}

const int kIndia = 34;

ChartReading Calculate(const FormValues& form) {
    BirthData birth;
    ChartReading reading;
    const auto refusal = RunCalculation(form, birth, reading);
    EXPECT_FALSE(refusal) << refusal->message;
    return reading;
}

TEST(CalculateReading, DelhiIn1980) {
    const ChartReading reading = Calculate(SampleBirthForm());
    const BodyTexts positions{"00 Gem 40", "00 Can 13", "25 Gem 07", "00 Gem 49",
                              "23 Leo 03", "10 Leo 09", "27 Leo 06", "29 Can 35",
                              "29 Cap 35", "06 Leo 31", "04 Tau 31"};
    EXPECT_EQ(reading.planetPositions, positions);
    const BodyNames names{"Sun",    "Moon", "Mercury", "Venus",     "Mars",     "Jupiter",
                          "Saturn", "Rahu", "Ketu",    "Ascendant", "Midheaven"};
    EXPECT_EQ(reading.planetNames, names);
    EXPECT_EQ(reading.ascendantText, LongText(6, 31, 23, "Leo"));
    EXPECT_EQ(reading.midheavenText, LongText(4, 31, 33, "Tau"));
    EXPECT_EQ(reading.signedAyanamsaText, "-23\u00B0 34' 54\"");
    EXPECT_EQ(reading.ayanamsaText, "23\u00B0 34' 54\"");
    EXPECT_EQ(reading.lagnaSign, "Leo");
    EXPECT_EQ(reading.lagnaName, "Simha");
    EXPECT_EQ(reading.moonPositionText, LongText(0, 13, 14, "Can"));
    EXPECT_EQ(reading.nakshatra, "Punarvasu");
    EXPECT_EQ(reading.rashi, "Kataka");
    EXPECT_EQ(reading.nakshatraLord, "Jupiter");
    EXPECT_EQ(reading.pada, "4");  // 0° 13′ Cancer is the last quarter of Punarvasu
    // Counted by hand from the long texts, e.g. Mars at 23° 19′ 34″ Leo: a fixed sign counts
    // from its ninth, Aries, and 23° 19′ is in its seventh navamsa, Libra.
    EXPECT_EQ(reading.navamsa,
              (NavamsaSigns{"Lib", "Can", "Tau", "Lib", "Lib", "Can", "Sag", "Pis", "Vir", "Tau"}));
}

struct MoonCase {
    const char* name;
    FormValues form;
    std::string moonText;
    const char* nakshatra;
    const char* rashi;
};

TEST(CalculateReading, MoonExamples) {
    const int greenwich = ZoneRow("Greenwich Mean Time,GMT,0.0");
    const int eastern = ZoneRow("Eastern Standard Time,EST,-5.0");
    const MoonCase cases[] = {
        {"2000 Greenwich", Form(1, 1, 2000, 12, 0, greenwich, "0", "0", false, "0", "0", false),
         LongText(19, 27, 45, "Lib"), "Swati", "Thula"},
        {"1947 Delhi", Form(15, 8, 1947, 0, 0, kIndia, "28", "37", false, "77", "12", true),
         LongText(3, 59, 14, "Can"), "Pushya", "Kataka"},
        {"1980 Delhi", SampleBirthForm(), LongText(0, 13, 14, "Can"), "Punarvasu", "Kataka"},
        {"1976 New York",
         Form(4, 7, 1976, 14, 30, eastern, "40", "43", false, "74", "0", false, true),
         LongText(19, 54, 7, "Vir"), "Hasta", "Kanya"},
    };
    for (const MoonCase& c : cases) {
        const ChartReading reading = Calculate(c.form);
        EXPECT_EQ(reading.moonPositionText, c.moonText) << c.name;
        EXPECT_EQ(reading.nakshatra, c.nakshatra) << c.name;
        EXPECT_EQ(reading.rashi, c.rashi) << c.name;
        EXPECT_EQ(reading.planetPositions[kMoon].view().substr(3, 3),
                  c.moonText.substr(c.moonText.size() - 3));
        // Every body's long text is the one its short text was cut from.
        for (int body = 0; body < kBodyCount; ++body) {
            EXPECT_EQ(engine::ShortPositionText(reading.planetLongPositions[body]),
                      reading.planetPositions[body])
                << c.name << " body " << body;
        }
        EXPECT_EQ(reading.planetLongPositions[kMoon], reading.moonPositionText) << c.name;
        EXPECT_EQ(reading.planetLongPositions[kAscendant], reading.ascendantText) << c.name;
    }
}

TEST(CalculateReading, GreenwichAtTheStartOf2000) {
    const int greenwich = ZoneRow("Greenwich Mean Time,GMT,0.0");
    const ChartReading reading =
        Calculate(Form(1, 1, 2000, 12, 0, greenwich, "0", "0", false, "0", "0", false));
    EXPECT_EQ(reading.ascendantText, LongText(17, 31, 26, "Pis"));
    EXPECT_EQ(reading.lagnaSign, "Pis");
    EXPECT_EQ(reading.lagnaName, "Meena");
    EXPECT_EQ(reading.midheavenText, LongText(15, 45, 37, "Sag"));
    EXPECT_EQ(reading.ayanamsaText, "23\u00B0 51' 14\"");
}

// A clock east of Greenwich at a west longitude, and daylight saving, give the same instant as
// the plain zone: the zone's own sign decides the direction, never the longitude's hemisphere.
TEST(CalculateReading, TheZoneDecidesUniversalTimeWhateverTheHemisphere) {
    const int greenwich = ZoneRow("Greenwich Mean Time,GMT,0.0");
    const int central = ZoneRow("Central European Time,CET,+1.0");
    const int british = ZoneRow("British Summer Time,BST,+1.0");
    const int eastern = ZoneRow("Eastern Standard Time,EST,-5.0");
    const int easternDaylight = ZoneRow("Eastern Daylight Time,EDT,-4.0");

    const FormValues madridCentral =
        Form(20, 3, 1995, 13, 0, central, "40", "25", false, "3", "41", false);
    const FormValues madridGreenwich =
        Form(20, 3, 1995, 12, 0, greenwich, "40", "25", false, "3", "41", false);
    EXPECT_EQ(Calculate(madridCentral), Calculate(madridGreenwich));

    const FormValues londonSummer =
        Form(1, 7, 1990, 15, 20, british, "51", "30", false, "0", "7", false);
    const FormValues londonGreenwich =
        Form(1, 7, 1990, 14, 20, greenwich, "51", "30", false, "0", "7", false);
    EXPECT_EQ(Calculate(londonSummer), Calculate(londonGreenwich));

    const FormValues newYorkSaving =
        Form(4, 7, 1976, 14, 30, eastern, "40", "43", false, "74", "0", false, true);
    const FormValues newYorkDaylight =
        Form(4, 7, 1976, 14, 30, easternDaylight, "40", "43", false, "74", "0", false);
    EXPECT_EQ(Calculate(newYorkSaving), Calculate(newYorkDaylight));

    // Daylight saving moves the planets too, not only the ascendant.
    const FormValues newYorkStandard =
        Form(4, 7, 1976, 13, 30, eastern, "40", "43", false, "74", "0", false);
    EXPECT_EQ(Calculate(newYorkSaving), Calculate(newYorkStandard));
}

TEST(CalculateReading, Hour24IsMidnightOfTheNextDay) {
    const FormValues lateHour =
        Form(31, 12, 1980, 24, 10, kIndia, "28", "37", false, "77", "13", true);
    const FormValues nextDay = Form(1, 1, 1981, 0, 10, kIndia, "28", "37", false, "77", "13", true);
    EXPECT_EQ(Calculate(lateHour), Calculate(nextDay));
}

TEST(UniversalInstant, IsTheMomentTheChartIsCastFor) {
    BirthData birth;
    ChartReading reading;
    ASSERT_FALSE(RunCalculation(SampleBirthForm(), birth, reading));
    EXPECT_EQ(UniversalInstant(birth), (engine::CivilDateTime{1980, 6, 15, 5, 0}));
}

TEST(RunCalculation, ARefusalLeavesBothRecordsAsTheyWere) {
    BirthData birth;
    ChartReading reading;
    ASSERT_FALSE(RunCalculation(SampleBirthForm(), birth, reading));
    const BirthData birthBefore = birth;
    const ChartReading readingBefore = reading;

    FormValues noName = SampleBirthForm();
    noName.name.clear();
    noName.dayIndex = 0;
    EXPECT_EQ(RunCalculation(noName, birth, reading)->message, "Please Enter Your Name");
    FormValues pasted = SampleBirthForm();
    pasted.latitudeDegrees = "2x";
    EXPECT_EQ(RunCalculation(pasted, birth, reading)->message, "Please enter only numbers");
    EXPECT_EQ(birth, birthBefore);
    EXPECT_EQ(reading, readingBefore);
}

TEST(RunCalculation, RepeatingACalculationGivesTheSameReading) {
    BirthData birth;
    ChartReading first;
    ASSERT_FALSE(RunCalculation(SampleBirthForm(), birth, first));
    ChartReading second = first;
    ASSERT_FALSE(RunCalculation(SampleBirthForm(), birth, second));
    EXPECT_EQ(first, second);
}

TEST(RunCalculation, RetrogradeMarksNeverPileUp) {
    BirthData birth;
    ChartReading reading;
    const FormValues mercuryRetrograde =
        Form(27, 2, 1901, 0, 5, kIndia, "28", "37", false, "77", "13", true);
    for (int run = 0; run < 2; ++run) {
        ASSERT_FALSE(RunCalculation(mercuryRetrograde, birth, reading));
        EXPECT_EQ(reading.planetLabels[kMercury], "Budha (R) ");
        EXPECT_TRUE(reading.retrograde[0]);
    }
    EXPECT_EQ(reading.planetLabels[kSun], "Surya");
    EXPECT_EQ(reading.planetNames[kMercury], "Mercury");  // the report's names carry no mark

    const FormValues saturnRetrograde =
        Form(1, 6, 1901, 12, 0, kIndia, "28", "37", false, "77", "13", true);
    ASSERT_FALSE(RunCalculation(saturnRetrograde, birth, reading));
    EXPECT_EQ(reading.planetLabels[kSaturn], "Shani (R) ");
    EXPECT_TRUE(reading.retrograde[4]);

    // The next day's plain calculation clears the old marks.
    const FormValues lastDay =
        Form(1, 12, 2050, 12, 0, kIndia, "28", "37", false, "77", "13", true);
    ASSERT_FALSE(RunCalculation(lastDay, birth, reading));
    EXPECT_EQ(reading.planetLabels[kSaturn], "Shani");
    EXPECT_FALSE(reading.retrograde[4]);
}

// Over many births the texts keep the shapes that the display and the report cut apart.
TEST(CalculateReading, TextsKeepTheirShapesForEveryKindOfBirth) {
    BirthData birth;
    ChartReading reading;
    int checked = 0;
    for (int year = kFirstYear; year <= kLastYear; year += 7) {
        for (int zone = 0; zone < kTimeZoneCount; zone += 5) {
            const bool south = zone % 2 == 1;
            const bool east = zone % 3 != 0;
            FormValues form =
                Form(1 + (year * 7 + zone) % 28, 1 + zone % 12, year, (year + zone) % 25,
                     (zone * 7) % 60, zone, "45", "59", south, "179", "59", east, year % 2 == 0);
            ASSERT_FALSE(RunCalculation(form, birth, reading));
            for (int body = 0; body < kBodyCount; ++body) {
                const std::string_view text = reading.planetPositions[body];
                ASSERT_EQ(text.size(), 9u) << text;
                EXPECT_TRUE(engine::SignIndexOf(text.substr(3, 3))) << text;
            }
            EXPECT_TRUE(reading.signedAyanamsaText.view().starts_with('-'));
            EXPECT_EQ(reading.ayanamsaText.size() + 1, reading.signedAyanamsaText.size());
            EXPECT_FALSE(reading.lagnaName.empty());
            EXPECT_FALSE(reading.nakshatraLord.empty());
            EXPECT_FALSE(reading.pada.empty());
            ++checked;
        }
    }
    EXPECT_GT(checked, 300);
}

}  // namespace
}  // namespace reading
