#include "engine/retrograde.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>

#include "engine/calendar.h"
#include "engine/station_tables.h"

namespace engine {
namespace {

constexpr RetrogradePlanet kAllPlanets[] = {RetrogradePlanet::kMercury, RetrogradePlanet::kVenus,
                                            RetrogradePlanet::kMars, RetrogradePlanet::kJupiter,
                                            RetrogradePlanet::kSaturn};

std::string DateText(const CivilDate& date) {
    return std::to_string(date.year) + "-" + std::to_string(date.month) + "-" +
           std::to_string(date.day);
}

long long MinutesSince1970(const StationMoment& moment) {
    return moment.day * 1440LL + moment.minute;
}

// A station as the printed tables write it, in universal time.
struct PrintedStation {
    int year, month, day, hour, minute;

    long long MinutesSince1970() const {
        return DaysFromCivil(year, month, day) * 1440LL + hour * 60 + minute;
    }
};

// Our station must fall on the printed date, or on a neighbouring one when it lies within two
// hours of midnight; the printed times come from a less precise ephemeris.
void ExpectMatchesPrinted(const StationMoment& ours, const PrintedStation& printed) {
    const CivilDate date = CivilFromDays(ours.day);
    const long long difference = MinutesSince1970(ours) - printed.MinutesSince1970();
    EXPECT_LE(std::llabs(difference), 120)
        << "station on " << DateText(date) << " minute " << ours.minute << " vs printed "
        << printed.year << "-" << printed.month << "-" << printed.day;
    const int printedDay = DaysFromCivil(printed.year, printed.month, printed.day);
    const bool nearMidnight = ours.minute < 120 || ours.minute >= 1440 - 120;
    if (!nearMidnight) {
        EXPECT_EQ(ours.day, printedDay) << DateText(date);
    }
}

struct PrintedRows {
    RetrogradePlanet planet;
    std::size_t rows;
    PrintedStation firstRetrograde, firstDirect, lastRetrograde, lastDirect;
    double shortestDays, longestDays;
};

// Row counts, first and last rows and period lengths of the printed station tables.
constexpr PrintedRows kPrinted[] = {
    {RetrogradePlanet::kMercury,
     476,
     {1900, 3, 15, 13, 19},
     {1900, 4, 7, 18, 42},
     {2050, 12, 1, 17, 17},
     {2050, 12, 21, 11, 33},
     19,
     24},
    {RetrogradePlanet::kVenus,
     95,
     {1900, 6, 16, 22, 56},
     {1900, 7, 30, 2, 44},
     {2050, 9, 25, 22, 15},
     {2050, 11, 6, 19, 4},
     40,
     43},
    {RetrogradePlanet::kMars,
     71,
     {1901, 1, 13, 6, 16},
     {1901, 4, 4, 7, 21},
     {2050, 7, 15, 5, 50},
     {2050, 9, 13, 9, 41},
     59,
     81},
    {RetrogradePlanet::kJupiter,
     139,
     {1900, 3, 27, 20, 39},
     {1900, 7, 29, 1, 35},
     {2050, 12, 21, 13, 21},
     {2051, 4, 21, 23, 46},
     116,
     124},
    {RetrogradePlanet::kSaturn,
     146,
     {1900, 4, 14, 6, 2},
     {1900, 9, 2, 14, 39},
     {2050, 5, 18, 13, 6},
     {2050, 10, 6, 11, 5},
     133,
     141},
};

TEST(StationTables, AgreeWithThePrintedFirstAndLastRows) {
    for (const PrintedRows& printed : kPrinted) {
        SCOPED_TRACE(static_cast<int>(printed.planet));
        const auto periods = StationPeriods(printed.planet);
        ASSERT_EQ(periods.size(), printed.rows);
        ExpectMatchesPrinted(periods.front().retrograde, printed.firstRetrograde);
        ExpectMatchesPrinted(periods.front().direct, printed.firstDirect);
        ExpectMatchesPrinted(periods.back().retrograde, printed.lastRetrograde);
        ExpectMatchesPrinted(periods.back().direct, printed.lastDirect);
    }
}

TEST(StationTables, JupitersLastDirectStationFallsJustAfterMidnight) {
    // Printed as 21 April 2051, 23:46; the ephemeris puts it a few minutes into the next day.
    const StationMoment direct = StationPeriods(RetrogradePlanet::kJupiter).back().direct;
    EXPECT_EQ(CivilFromDays(direct.day), (CivilDate{2051, 4, 22}));
    EXPECT_LT(direct.minute, 60);
}

TEST(StationTables, PeriodsAreSortedApartAndOfPlausibleLength) {
    for (const PrintedRows& printed : kPrinted) {
        SCOPED_TRACE(static_cast<int>(printed.planet));
        const auto periods = StationPeriods(printed.planet);
        for (std::size_t i = 0; i < periods.size(); ++i) {
            const StationPeriod& period = periods[i];
            SCOPED_TRACE(DateText(CivilFromDays(period.retrograde.day)));
            for (const StationMoment& station : {period.retrograde, period.direct}) {
                EXPECT_GE(station.minute, 0);
                EXPECT_LT(station.minute, 1440);
            }
            const double days =
                (MinutesSince1970(period.direct) - MinutesSince1970(period.retrograde)) / 1440.0;
            EXPECT_GE(days, printed.shortestDays - 0.5);
            EXPECT_LE(days, printed.longestDays + 0.5);
            if (i > 0) {
                EXPECT_LT(periods[i - 1].direct.day, period.retrograde.day);
            }
        }
    }
}

TEST(IsRetrograde, CountsOnlyTheDaysStrictlyBetweenTheStations) {
    // Every station of every planet: the station's own day is direct, the days inside are
    // retrograde, which exercises the search at both ends of each period.
    for (const RetrogradePlanet planet : kAllPlanets) {
        for (const StationPeriod& period : StationPeriods(planet)) {
            const int retrograde = period.retrograde.day;
            const int direct = period.direct.day;
            SCOPED_TRACE(DateText(CivilFromDays(retrograde)));
            EXPECT_FALSE(IsRetrograde(CivilFromDays(retrograde - 1), planet));
            EXPECT_FALSE(IsRetrograde(CivilFromDays(retrograde), planet));
            EXPECT_TRUE(IsRetrograde(CivilFromDays(retrograde + 1), planet));
            EXPECT_TRUE(IsRetrograde(CivilFromDays((retrograde + direct) / 2), planet));
            EXPECT_TRUE(IsRetrograde(CivilFromDays(direct - 1), planet));
            EXPECT_FALSE(IsRetrograde(CivilFromDays(direct), planet));
            EXPECT_FALSE(IsRetrograde(CivilFromDays(direct + 1), planet));
        }
    }
}

TEST(IsRetrograde, MercuryInAprilBeforeTheFormsFirstYear) {
    EXPECT_TRUE(IsRetrograde({1900, 4, 1}, RetrogradePlanet::kMercury));
}

TEST(IsRetrograde, SaturnBeyondItsLastPeriodIsDirect) {
    EXPECT_TRUE(IsRetrograde({1901, 6, 1}, RetrogradePlanet::kSaturn));
    EXPECT_FALSE(IsRetrograde({2050, 12, 1}, RetrogradePlanet::kSaturn));
}

TEST(IsRetrograde, DatesOutsideTheTablesAreDirect) {
    for (const RetrogradePlanet planet : kAllPlanets) {
        EXPECT_FALSE(IsRetrograde({1800, 6, 1}, planet));
        EXPECT_FALSE(IsRetrograde({2200, 6, 1}, planet));
        EXPECT_FALSE(IsRetrograde({INT_MAX, 6, 1}, planet));
        EXPECT_FALSE(IsRetrograde({INT_MIN, 6, 1}, planet));
        EXPECT_FALSE(IsRetrograde({1901, 13, 1}, planet));
        EXPECT_FALSE(IsRetrograde({1901, 6, INT_MAX}, planet));
    }
}

// Flags run Mercury, Venus, Mars, Jupiter, Saturn.
using Flags = std::array<bool, kRetrogradePlanets>;

TEST(RetrogradeFlags, OnlyTheLocalDateCountsNotTheHour) {
    // Mercury turned retrograde on 26 February 1901 and direct on 21 March 1901; Mars was
    // retrograde from 13 January to 4 April 1901.
    EXPECT_EQ(RetrogradeFlags({1901, 2, 27, 0, 5}), (Flags{true, false, true, false, false}));
    EXPECT_EQ(RetrogradeFlags({1901, 2, 26, 23, 59}), (Flags{false, false, true, false, false}));
    EXPECT_EQ(RetrogradeFlags({1901, 3, 21, 0, 1}), (Flags{false, false, true, false, false}));
    EXPECT_EQ(RetrogradeFlags({1901, 6, 1, 12, 0}), (Flags{false, false, false, true, true}));
    EXPECT_EQ(RetrogradeFlags({1900, 7, 1, 12, 0}), (Flags{false, true, false, true, true}));
}

TEST(RetrogradeFlags, HourTwentyFourIsTheNextDay) {
    EXPECT_TRUE(RetrogradeFlags({1901, 2, 26, 24, 0})[0]);   // 27 February
    EXPECT_FALSE(RetrogradeFlags({1901, 3, 20, 24, 0})[0]);  // 21 March, the direct station
    EXPECT_TRUE(RetrogradeFlags({1901, 3, 20, 23, 59})[0]);
    // Across a year's end: 31 December 2050 at 24 h is 1 January 2051, inside Jupiter's period.
    EXPECT_TRUE(RetrogradeFlags({2050, 12, 31, 24, 0})[3]);
}

TEST(RetrogradeFlags, ImpossibleReadingsAreNeverRetrograde) {
    EXPECT_EQ(RetrogradeFlags({1901, 2, 27, 25, 0}), Flags{});
    EXPECT_EQ(RetrogradeFlags({1901, 2, 27, 0, 60}), Flags{});
    EXPECT_EQ(RetrogradeFlags({1901, 2, 27, -1, 0}), Flags{});
    EXPECT_EQ(RetrogradeFlags({INT_MAX, 12, 31, 24, 0}), Flags{});
    EXPECT_EQ(RetrogradeFlags({1901, 0, 27, 12, 0}), Flags{});
}

}  // namespace
}  // namespace engine
