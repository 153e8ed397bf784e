#include <gtest/gtest.h>

#include "reading/time_zones.h"
#include "reading/zone_choice.h"

namespace reading {
namespace {

constexpr int kHour = 3600;
constexpr int kMinute = 60;

int RowNamed(std::string_view listText) {
    for (int row = 0; row < kTimeZoneCount; ++row) {
        if (TimeZoneTable[row].listText == listText) {
            return row;
        }
    }
    ADD_FAILURE() << "no row " << listText;
    return -1;
}

struct ChoiceCase {
    const char* zone;
    int offset;    // seconds east of Greenwich
    int standard;  // of which standard time
    const char* row;
    bool daylightSaving;
};

// Offsets as the time-zone database gives them for these zones, and the row each must select.
TEST(ChooseZoneRow, SelectsTheRowThatFitsThePlace) {
    const ChoiceCase cases[] = {
        {"Asia/Kolkata", 5 * kHour + 30 * kMinute, 5 * kHour + 30 * kMinute,
         "Indian Time, IST, +5.3", false},
        {"Asia/Kolkata", 6 * kHour + 30 * kMinute, 5 * kHour + 30 * kMinute,
         "Indian Time, IST, +5.3", true},  // war time, 1942-45
        {"Asia/Dhaka", 7 * kHour, 6 * kHour, "USSR Zone 5,USZ5,+6.0", true},
        {"Europe/London", 0, 0, "Greenwich Mean Time,GMT,0.0", false},
        {"Europe/London", kHour, 0, "Greenwich Mean Time,GMT,0.0", true},
        {"Europe/London", 2 * kHour, 0, "British Double Summer Time,BDST,+2.0", false},
        {"Europe/London", kHour, kHour, "British Summer Time,BST,+1.0", false},  // 1968-71
        {"America/New_York", -5 * kHour, -5 * kHour, "Eastern Standard Time,EST,-5.0", false},
        {"America/New_York", -4 * kHour, -5 * kHour, "Eastern Standard Time,EST,-5.0", true},
        {"America/Chicago", -6 * kHour, -6 * kHour, "Central Standard Time,CST,-6.0", false},
        {"America/Anchorage", -9 * kHour, -9 * kHour, "Yukon Standard Time,YST,-9.0", false},
        {"America/Sao_Paulo", -3 * kHour, -3 * kHour, "Brazil Zone 2,BZT2,-3.0", false},
        {"Europe/Madrid", 2 * kHour, kHour, "Central European Time,CET,+1.0", true},
        {"Europe/Athens", 2 * kHour, 2 * kHour, "Eastern European Time,EET,+2.0", false},
        {"Africa/Cairo", 2 * kHour, 2 * kHour, "Eastern European Time,EET,+2.0", false},
        {"Australia/Sydney", 11 * kHour, 10 * kHour, "Australian Eastern Standard Time,AEST,+10.0",
         true},
        {"Australia/Adelaide", 9 * kHour + 30 * kMinute, 9 * kHour + 30 * kMinute,
         "Australian Central Standard Time,ACST,+9.5", false},
        {"Asia/Tokyo", 9 * kHour, 9 * kHour, "Japan Standard Time,JST,+9.0", false},
        {"Asia/Shanghai", 8 * kHour, 8 * kHour, "China Coast Time,CCT,+8.0", false},
        {"Pacific/Auckland", 13 * kHour, 12 * kHour, "New Zealand Std Time,NZT,+12.0", true},
        // No region preference: the first row with the offset.
        {"Asia/Dubai", 4 * kHour, 4 * kHour, "USSR Zone 3,USZ3,+4.0", false},
        {"Etc/UTC", 0, 0, "Greenwich Mean Time,GMT,0.0", false},
        // Half an hour of daylight saving has no row of its own here: the whole offset counts.
        {"Australia/Lord_Howe", 11 * kHour, 10 * kHour + 30 * kMinute,
         "Australian Eastern Daylight Time,AEDT,+11.0", false},
    };
    for (const ChoiceCase& c : cases) {
        const auto choice = ChooseZoneRow(c.offset, c.standard, c.zone);
        ASSERT_TRUE(choice) << c.zone << " " << c.offset;
        EXPECT_EQ(*choice, (ZoneChoice{RowNamed(c.row), c.daylightSaving}))
            << c.zone << " " << c.offset << " got " << TimeZoneTable[choice->row].listText;
    }
}

TEST(ChooseZoneRow, GivesNothingWhenNoRowHasTheOffset) {
    EXPECT_FALSE(
        ChooseZoneRow(5 * kHour + 45 * kMinute, 5 * kHour + 45 * kMinute, "Asia/Kathmandu"));
    // Local mean time of Kolkata before standard time, with its seconds.
    EXPECT_FALSE(ChooseZoneRow(5 * kHour + 53 * kMinute + 28, 5 * kHour + 53 * kMinute + 28,
                               "Asia/Kolkata"));
    EXPECT_FALSE(ChooseZoneRow(14 * kHour, 14 * kHour, "Pacific/Kiritimati"));
}

TEST(RowOffsetSeconds, IsTheNegatedCorrection) {
    EXPECT_EQ(RowOffsetSeconds(RowNamed("Indian Time, IST, +5.3")), 19800);
    EXPECT_EQ(RowOffsetSeconds(RowNamed("Newfoundland Standard Time,NST,-3.5")), -12600);
}

}  // namespace
}  // namespace reading
