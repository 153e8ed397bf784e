#include "engine/calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "engine/birth_moment.h"

namespace engine {
namespace {

TEST(JulianDayNumber, MatchesKnownDates) {
    EXPECT_EQ(JulianDayNumber(1, 1, 2000), 2451545);
    EXPECT_EQ(JulianDayNumber(1, 1, 1900), 2415021);
    EXPECT_EQ(JulianDayNumber(1, 1, 1901), 2415386);
    EXPECT_EQ(JulianDayNumber(31, 12, 2050), 2470172);
    EXPECT_EQ(JulianDayNumber(15, 10, 1582), 2299171);  // at the threshold: not corrected
    EXPECT_EQ(JulianDayNumber(15, 8, 1947), 2432413);
    EXPECT_EQ(JulianDayNumber(15, 6, 1980), 2444406);
    EXPECT_EQ(JulianDayNumber(4, 7, 1976), 2442964);
}

TEST(JulianDayNumber, CountsConsecutiveDaysAcrossTheSupportedYears) {
    for (int days = DaysFromCivil(1900, 1, 1); days <= DaysFromCivil(2051, 12, 31); ++days) {
        const CivilDate date = CivilFromDays(days);
        ASSERT_EQ(JulianDayNumber(date.day, date.month, date.year), 2440588.0 + days)
            << date.year << "-" << date.month << "-" << date.day;
    }
}

TEST(CivilDays, RoundTrip) {
    for (int days = -60000; days <= 60000; days += 7) {
        const CivilDate date = CivilFromDays(days);
        ASSERT_EQ(DaysFromCivil(date.year, date.month, date.day), days);
    }
    EXPECT_EQ(DaysFromCivil(1970, 1, 1), 0);
    EXPECT_EQ(CivilFromDays(DaysFromCivil(2000, 2, 29)), (CivilDate{2000, 2, 29}));
}

TEST(AddMinutes, CarriesOverDaysMonthsYearsAndLeapDays) {
    EXPECT_EQ(AddMinutes({2000, 2, 28, 23, 30}, 60), (CivilDateTime{2000, 2, 29, 0, 30}));
    EXPECT_EQ(AddMinutes({1999, 12, 31, 22, 0}, 150), (CivilDateTime{2000, 1, 1, 0, 30}));
    EXPECT_EQ(AddMinutes({2001, 3, 1, 0, 15}, -30), (CivilDateTime{2001, 2, 28, 23, 45}));
    EXPECT_EQ(AddMinutes({1901, 1, 1, 0, 0}, -1), (CivilDateTime{1900, 12, 31, 23, 59}));
    // Hour 24 is 0 h of the next day.
    EXPECT_EQ(AddMinutes({1980, 12, 31, 24, 10}, 0), (CivilDateTime{1981, 1, 1, 0, 10}));
}

// Shifts that stay on the day take a shortcut; every day of the supported years, and dates the
// calendar lacks (which the day count carries into the next month), come out as the day count
// gives them.
TEST(AddMinutes, AgreesWithTheDayCountOnEveryDay) {
    const auto byDayCount = [](const CivilDateTime& moment, int minutes) {
        const int total = moment.hour * 60 + moment.minute + minutes;
        const int shift = total >= 0 ? total / 1440 : -((1439 - total) / 1440);
        const int minuteOfDay = total - shift * 1440;
        const CivilDate date =
            CivilFromDays(DaysFromCivil(moment.year, moment.month, moment.day) + shift);
        return CivilDateTime{date.year, date.month, date.day, minuteOfDay / 60, minuteOfDay % 60};
    };
    std::vector<CivilDateTime> moments;
    for (int days = DaysFromCivil(1899, 12, 1); days <= DaysFromCivil(2051, 1, 31); ++days) {
        const CivilDate date = CivilFromDays(days);
        moments.push_back({date.year, date.month, date.day, days % 25, days % 60});
    }
    for (const CivilDate& odd :
         {CivilDate{1900, 2, 29}, CivilDate{2001, 2, 29}, CivilDate{1999, 4, 31},
          CivilDate{2000, 2, 30}, CivilDate{2000, 13, 1}, CivilDate{2000, 0, 5},
          CivilDate{2000, 6, 0}}) {
        moments.push_back({odd.year, odd.month, odd.day, 12, 0});
    }
    for (const CivilDateTime& moment : moments) {
        for (const int minutes : {0, -330, 345, -780, 840}) {
            ASSERT_EQ(AddMinutes(moment, minutes), byDayCount(moment, minutes))
                << moment.year << "-" << moment.month << "-" << moment.day << " " << moment.hour
                << ":" << moment.minute << " + " << minutes;
        }
    }
}

TEST(UniversalDateTime, AddsTheZoneEntriesAndTakesOffDaylightSaving) {
    // India: entries -5 h -30 min.
    EXPECT_EQ(UniversalDateTime({1980, 6, 15, 10, 30}, -5, -30, false),
              (CivilDateTime{1980, 6, 15, 5, 0}));
    EXPECT_EQ(UniversalDateTime({1947, 8, 15, 0, 0}, -5, -30, false),
              (CivilDateTime{1947, 8, 14, 18, 30}));
    // New York in summer: EST with daylight saving equals EDT.
    EXPECT_EQ(UniversalDateTime({1976, 7, 4, 14, 30}, 5, 0, true),
              UniversalDateTime({1976, 7, 4, 14, 30}, 4, 0, false));
    // Newfoundland: +3 h 30 min.
    EXPECT_EQ(UniversalDateTime({2000, 12, 31, 22, 45}, 3, 30, false),
              (CivilDateTime{2001, 1, 1, 2, 15}));
}

TEST(DaysFromJ2000, CountsFromNoonOfTheFirstOf2000) {
    EXPECT_EQ(DaysFromJ2000({2000, 1, 1, 12, 0}), 0);
    EXPECT_EQ(DaysFromJ2000({1901, 1, 1, 0, 0}), -36159.5);
    EXPECT_NEAR(DaysFromJ2000({1980, 6, 15, 5, 0}), -7139.2916667, 1e-7);
}

// The day count in whole numbers gives every universal instant of the tables' years the very
// double of the count in floating point with its floors.
TEST(DaysFromJ2000, TheSameDoubleAsTheFloatingCount) {
    const auto floating = [](const CivilDateTime& t) {
        const double y = t.year;
        const double m = t.month;
        return 367 * y - std::floor(7 * (y + std::floor((m + 9) / 12)) / 4) +
               std::floor(275 * m / 9) + t.day - 730531.5 + (t.hour + t.minute / 60.0) / 24;
    };
    for (int year = 1899; year <= 2101; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                for (const auto& [hour, minute] : {std::pair{0, 0}, {7, 13}, {23, 59}}) {
                    const CivilDateTime t{year, month, day, hour, minute};
                    ASSERT_EQ(DaysFromJ2000(t), floating(t)) << year << "-" << month << "-" << day;
                }
            }
        }
    }
}

TEST(BirthMoment, UniversalHoursAndCenturies) {
    EXPECT_EQ(UniversalHours({2000, 1, 1, 12, 0}, ZoneCorrectionHours(0, 0, false)), 12);
    EXPECT_EQ(CenturiesFrom1900(2451545, 12), 1.0);
    EXPECT_EQ(CenturiesFromJ2000(2451545, 12), 0.0);
    // An east zone of 5 h 30 min with daylight saving at 06:00 local is 23:30 UT the day before.
    EXPECT_EQ(UniversalHours({1980, 6, 15, 6, 0}, ZoneCorrectionHours(-5, -30, true)), -0.5);
    EXPECT_NEAR(CenturiesFromJ2000(2444406, 5), -0.1954632, 5e-8);
    EXPECT_NEAR(CenturiesFromJ2000(2432413, -5.5), -0.5238256, 5e-8);
}

}  // namespace
}  // namespace engine
