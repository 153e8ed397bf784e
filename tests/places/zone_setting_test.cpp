// The clock of a place on a day, read from the system's time-zone database, and the zone row
// that stands for it.
#include <gtest/gtest.h>

#include "places/place_text.h"
#include "places/zone_setting.h"
#include "reading/time_zones.h"

namespace places {
namespace {

Place At(const char* name, const char* country, const char* zone) {
    Place place;
    place.name = name;
    place.country = country;
    place.timeZone = zone;
    return place;
}

struct ClockCase {
    Place place;
    LocalMoment moment;
    int offsetSeconds;
    const char* row;  // nothing when no row has the offset
    bool daylightSaving;
    const char* line;
};

TEST(SettleZone, ReadsTheClockOfThePlaceOnTheDay) {
    const Place kolkata = At("Kolkata", "India", "Asia/Kolkata");
    const Place london = At("London", "United Kingdom", "Europe/London");
    const Place newYork = At("New York City", "United States", "America/New_York");
    const ClockCase cases[] = {
        {kolkata,
         {1943, 3, 15, 10, 0},
         23400,
         "Indian Time, IST, +5.3",
         true,
         "Asia/Kolkata on 15 Mar 1943: +6:30, war time"},
        {kolkata,
         {1980, 6, 15, 10, 0},
         19800,
         "Indian Time, IST, +5.3",
         false,
         "Asia/Kolkata on 15 Jun 1980: +5:30"},
        {kolkata,
         {1980, 6, 15, 24, 0},
         19800,
         "Indian Time, IST, +5.3",
         false,
         "Asia/Kolkata on 15 Jun 1980: +5:30"},
        // Madras time, before India kept one clock.
        {kolkata,
         {1901, 1, 1, 12, 0},
         19270,
         nullptr,
         false,
         "Asia/Kolkata on 1 Jan 1901: +5:21:10, no zone in the list"},
        {At("Dhaka", "Bangladesh", "Asia/Dhaka"),
         {2009, 7, 1, 12, 0},
         25200,
         "USSR Zone 5,USZ5,+6.0",
         true,
         "Asia/Dhaka on 1 Jul 2009: +7:00, daylight saving"},
        {london,
         {1980, 6, 15, 12, 0},
         3600,
         "Greenwich Mean Time,GMT,0.0",
         true,
         "Europe/London on 15 Jun 1980: +1:00, daylight saving"},
        {london,
         {1980, 1, 15, 12, 0},
         0,
         "Greenwich Mean Time,GMT,0.0",
         false,
         "Europe/London on 15 Jan 1980: +0:00"},
        {london,
         {1944, 6, 6, 12, 0},
         7200,
         "British Double Summer Time,BDST,+2.0",
         false,
         "Europe/London on 6 Jun 1944: +2:00, war time"},
        {newYork,
         {2000, 1, 15, 12, 0},
         -18000,
         "Eastern Standard Time,EST,-5.0",
         false,
         "America/New_York on 15 Jan 2000: -5:00"},
        {newYork,
         {2000, 7, 15, 12, 0},
         -14400,
         "Eastern Standard Time,EST,-5.0",
         true,
         "America/New_York on 15 Jul 2000: -4:00, daylight saving"},
        {At("Madrid", "Spain", "Europe/Madrid"),
         {1985, 7, 15, 12, 0},
         7200,
         "Central European Time,CET,+1.0",
         true,
         "Europe/Madrid on 15 Jul 1985: +2:00, daylight saving"},
        {At("Sydney", "Australia", "Australia/Sydney"),
         {2000, 1, 15, 12, 0},
         39600,
         "Australian Eastern Standard Time,AEST,+10.0",
         true,
         "Australia/Sydney on 15 Jan 2000: +11:00, daylight saving"},
        {At("Kathmandu", "Nepal", "Asia/Kathmandu"),
         {1990, 6, 15, 12, 0},
         20700,
         nullptr,
         false,
         "Asia/Kathmandu on 15 Jun 1990: +5:45, no zone in the list"},
    };
    for (const ClockCase& c : cases) {
        const LocalClock clock = ReadClock(c.place.timeZone, c.moment);
        const ZoneSetting setting = SettleZone(c.place, c.moment, clock);
        SCOPED_TRACE(c.line);
        ASSERT_EQ(clock.kind, LocalClock::Kind::kOnce);
        ASSERT_TRUE(setting.offset);
        EXPECT_EQ(setting.offset->offsetSeconds, c.offsetSeconds);
        EXPECT_EQ(setting.line, c.line);
        // The values the window words in its language say the same.
        EXPECT_EQ(PlaceClockLine(setting.clock), c.line);
        EXPECT_EQ(setting.clock.offsetSeconds, c.offsetSeconds);
        if (c.row == nullptr) {
            EXPECT_FALSE(setting.choice);
            continue;
        }
        ASSERT_TRUE(setting.choice) << setting.problem;
        EXPECT_EQ(reading::TimeZoneTable[setting.choice->row].listText, c.row);
        EXPECT_EQ(setting.choice->daylightSaving, c.daylightSaving);
        EXPECT_EQ(setting.problem, "");
    }
}

// When no row fits, the user learns the place, the date and the exact offset.
TEST(SettleZone, SaysPlainlyWhenNoRowHasTheOffset) {
    Place kathmandu = At("Kathmandu", "Nepal", "Asia/Kathmandu");
    kathmandu.state = "Bagmati Province";
    const LocalMoment moment{1990, 6, 15, 12, 0};
    EXPECT_EQ(SettleZone(kathmandu, moment, ReadClock(kathmandu.timeZone, moment)).problem,
              "In Kathmandu, Bagmati Province, Nepal on 15 Jun 1990 the clocks were +5:45 from "
              "Greenwich, and no time zone in the list has that offset.");
}

TEST(SettleZone, KnowsTimesThatNeverCameOrCameTwice) {
    const Place newYork = At("New York City", "United States", "America/New_York");
    const LocalMoment skipped{2000, 4, 2, 2, 30};
    const LocalClock never = ReadClock(newYork.timeZone, skipped);
    EXPECT_EQ(never.kind, LocalClock::Kind::kNever);
    const ZoneSetting none = SettleZone(newYork, skipped, never);
    EXPECT_FALSE(none.choice);
    EXPECT_EQ(none.problem,
              "The time 2:30 never occurred in New York City, United States on 2 Apr 2000: the "
              "clocks were turned forward that night. Please check the time of birth.");
    EXPECT_EQ(none.line, "America/New_York on 2 Apr 2000: 2:30 never occurred");
    EXPECT_EQ(PlaceClockLine(
                  {PlaceClock::Kind::kCameTwice, "America/New_York", {2000, 10, 29, 1, 30}, 0}),
              "America/New_York on 29 Oct 2000: the time came twice; choose the zone by hand");

    const LocalMoment repeated{2000, 10, 29, 1, 30};
    const LocalClock twice = ReadClock(newYork.timeZone, repeated);
    ASSERT_EQ(twice.kind, LocalClock::Kind::kTwice);
    EXPECT_EQ(twice.offsets, (std::vector<ClockOffset>{{-14400, -18000}, {-18000, -18000}}));
    const auto earlier = SettleZone(newYork, repeated, twice, 0).choice;
    const auto later = SettleZone(newYork, repeated, twice, 1).choice;
    ASSERT_TRUE(earlier && later);
    EXPECT_EQ(earlier->row, later->row);
    EXPECT_TRUE(earlier->daylightSaving);
    EXPECT_FALSE(later->daylightSaving);
    EXPECT_EQ(OccurrenceAnswer(repeated, twice.offsets[0]), "1:30 with daylight saving (-4:00)");
    EXPECT_EQ(OccurrenceAnswer(repeated, twice.offsets[1]), "1:30 (-5:00)");

    EXPECT_EQ(ReadClock("Nowhere/Atlantis", repeated).kind, LocalClock::Kind::kUnknownZone);
}

TEST(PlaceText, CutsCoordinatesAndWritesOffsets) {
    EXPECT_EQ(ToDegreesMinutes(2256263), (DegreesMinutes{22, 33, false}));  // 33.76' cut
    EXPECT_EQ(ToDegreesMinutes(-12574), (DegreesMinutes{0, 7, true}));      // 7.54' cut
    EXPECT_EQ(ToDegreesMinutes(-3386785), (DegreesMinutes{33, 52, true}));
    EXPECT_EQ(ToDegreesMinutes(1999999), (DegreesMinutes{19, 59, false}));
    EXPECT_EQ(ToDegreesMinutes(50000), (DegreesMinutes{0, 30, false}));
    EXPECT_EQ(DecimalDegreesText(-12574), "-0.12574");
    EXPECT_EQ(DecimalDegreesText(8836304), "88.36304");
    EXPECT_EQ(OffsetText(19270), "+5:21:10");
    EXPECT_EQ(IsoOffsetText(19270), "+05:21:10");
    EXPECT_EQ(IsoOffsetText(-12600), "-03:30");
    EXPECT_EQ(OffsetText(0), "+0:00");
}

}  // namespace
}  // namespace places
