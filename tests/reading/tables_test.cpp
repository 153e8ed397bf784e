#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "reading/nakshatra_lookup.h"
#include "reading/sign_tables.h"
#include "reading/time_zones.h"

namespace reading {
namespace {

TEST(TimeZoneTable, HoldsTheSeventyOneZonesInListOrder) {
    ASSERT_EQ(TimeZoneTable.size(), 71u);
    EXPECT_EQ(TimeZoneTable[0].listText, "Alaska/Hawaii Daylight Time,AHDT,-9.0");
    EXPECT_EQ(TimeZoneTable[70].listText, "Yukon War Time,YWT,-8.0");
    EXPECT_EQ(TimeZoneTable[70].hourEntry, 8);
    EXPECT_EQ(TimeZoneTable[70].minuteEntry, 0);
}

struct ZoneCase {
    const char* text;
    int hourEntry;
    int minuteEntry;
};

TEST(TimeZoneTable, EntriesAreTheNegatedOffsets) {
    const ZoneCase cases[] = {
        {"Newfoundland Standard Time,NST,-3.5", 3, 30},
        {"Iran Time, IT, +3.5", -3, -30},
        {"Greenwich Mean Time,GMT,0.0", 0, 0},
        {"Universal Time, UT, 0.0", 0, 0},
        {"New Zealand Std Summer Time,NZST,+13.0", -13, 0},
        {"Int'l Date Line West,IDLW,-12.0", 12, 0},
        {"Indian Time, IST, +5.3", -5, -30},
    };
    for (const ZoneCase& c : cases) {
        const auto row = std::find_if(TimeZoneTable.begin(), TimeZoneTable.end(),
                                      [&](const TimeZoneRow& r) { return r.listText == c.text; });
        ASSERT_NE(row, TimeZoneTable.end()) << c.text;
        EXPECT_EQ(row->hourEntry, c.hourEntry) << c.text;
        EXPECT_EQ(row->minuteEntry, c.minuteEntry) << c.text;
    }
    EXPECT_EQ(TimeZoneTable[34].listText, "Indian Time, IST, +5.3");
}

// Every row but India's writes its offset as decimal hours; the entries must agree with it.
TEST(TimeZoneTable, EntriesAgreeWithTheOffsetInTheText) {
    for (int row = 0; row < kTimeZoneCount; ++row) {
        if (row == 34) {
            continue;
        }
        const std::string_view text = TimeZoneTable[row].listText;
        const double offset = std::stod(std::string(text.substr(text.rfind(',') + 1)));
        const int minutes = TimeZoneTable[row].hourEntry * 60 + TimeZoneTable[row].minuteEntry;
        EXPECT_EQ(minutes, -static_cast<int>(offset * 60)) << text;
        EXPECT_TRUE(TimeZoneTable[row].minuteEntry == 0 ||
                    (TimeZoneTable[row].minuteEntry > 0) == (TimeZoneTable[row].hourEntry > 0))
            << text;
    }
}

TEST(SignTables, AbbreviationsAndNames) {
    EXPECT_EQ(SignAbbreviationTable[0], "Ari");
    EXPECT_EQ(SignAbbreviationTable[11], "Pis");
    EXPECT_EQ(RashiNames[7], "Vrishcika");
    EXPECT_EQ(NakshatraNames[22], "Dhanishtha");
}

// Every nakshatra name the Moon can get has a row, and rows of a straddling nakshatra agree.
TEST(NakshatraLordTable, CoversEveryNakshatraWithOneLordEach) {
    for (const std::string_view name : NakshatraNames) {
        int rows = 0;
        int quarters = 0;
        std::string_view lord;
        for (const NakshatraLordRow& row : NakshatraLordTable) {
            if (row.nakshatra == name) {
                ++rows;
                quarters += row.quartersInSign[0] - '0';
                if (!lord.empty()) {
                    EXPECT_EQ(row.lord, lord) << name;
                }
                lord = row.lord;
            }
        }
        EXPECT_GE(rows, 1) << name;
        EXPECT_EQ(quarters, name == "Dhanishtha" ? 2 : 4) << name;  // row 29 is spelt differently
    }
}

struct LordCase {
    const char* nakshatra;
    const char* lord;
};

TEST(LookUpLordAndPada, TakesTheLordFromTheFirstRowOfTheNakshatra) {
    const LordCase cases[] = {
        {"Krittika", "Sun"},    {"Revati", "Mercury"},    {"Magha", "Ketu"},
        {"Dhanishtha", "Mars"}, {"Punarvasu", "Jupiter"}, {"Uttara Phalguni", "Sun"},
    };
    for (const LordCase& c : cases) {
        const auto found = LookUpLordAndPada(c.nakshatra, "10\u00B0 0' 0\" Tau");
        ASSERT_TRUE(found) << c.nakshatra;
        EXPECT_EQ(found->lord, c.lord) << c.nakshatra;
    }
    EXPECT_FALSE(LookUpLordAndPada("Dhanistha ", "10\u00B0 0' 0\" Tau"));
    EXPECT_FALSE(LookUpLordAndPada("Nowhere", "10\u00B0 0' 0\" Tau"));
}

// A reading finds the lord by the nakshatra's place in the names table; it must be the lord that
// the name finds, with the same pada.
TEST(LookUpLordAndPada, ByPlaceAsByName) {
    for (int index = 0; index < kNakshatraCount; ++index) {
        for (const int arcSeconds :
             {index * kArcSecondsPerNakshatra, index * kArcSecondsPerNakshatra + 25000,
              (index + 1) * kArcSecondsPerNakshatra - 1}) {
            const auto byPlace = LookUpLordAndPada(index, arcSeconds);
            const auto byName = LookUpLordAndPada(NakshatraNames[index], arcSeconds);
            ASSERT_EQ(byPlace.has_value(), byName.has_value()) << index;
            if (byPlace) {
                EXPECT_EQ(byPlace->lord, byName->lord) << index;
                EXPECT_EQ(byPlace->pada, byName->pada) << index << " " << arcSeconds;
            }
        }
    }
}

struct PadaCase {
    const char* moonText;
    int pada;
};

// The pada is the quarter of the nakshatra in which the Moon stands.
TEST(PadaOfPositionText, CountsQuartersOfThreeDegreesTwentyMinutes) {
    const PadaCase cases[] = {
        {"0\u00B0 0' 0\" Ari", 1},   {"3\u00B0 19' 59\" Ari", 1}, {"3\u00B0 20' 0\" Ari", 2},
        {"13\u00B0 19' 0\" Ari", 4}, {"13\u00B0 20' 0\" Ari", 1}, {"26\u00B0 40' 0\" Ari", 1},
        {"0\u00B0 0' 0\" Tau", 2},   {"0\u00B0 13' 14\" Can", 4}, {"29\u00B0 59' 59\" Pis", 4},
        {"19\u00B0 54' 7\" Vir", 3},
    };
    for (const PadaCase& c : cases) {
        EXPECT_EQ(PadaOfPositionText(c.moonText), c.pada) << c.moonText;
    }
    EXPECT_FALSE(PadaOfPositionText("Ari"));
    EXPECT_FALSE(PadaOfPositionText("x\u00B0 0' 0\" Ari"));
    EXPECT_FALSE(PadaOfPositionText("1\u00B0 0' 0\" Xyz"));
}

TEST(LookUpLordAndPada, PadaDoesNotDependOnTheLagna) {
    // Krittika in Taurus: the lord is still the Sun and the pada the Moon's own quarter.
    const auto found = LookUpLordAndPada("Krittika", "5\u00B0 0' 0\" Tau");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->lord, "Sun");
    EXPECT_EQ(found->pada, "3");
}

}  // namespace
}  // namespace reading
