#include "reading/vimshottari_dasha.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/position_texts.h"

#include "reading/nakshatra_lookup.h"
#include "reading/stages.h"

namespace reading {
namespace {

using test_support::LongText;

constexpr engine::CivilDateTime kNewYear2000{2000, 1, 1, 0, 0};

VimshottariDasha DashaOf(const std::string& moonText,
                         const engine::CivilDateTime& birth = kNewYear2000) {
    const auto dasha = ComputeVimshottariDasha(moonText, birth);
    EXPECT_TRUE(dasha) << moonText;
    return dasha.value_or(VimshottariDasha{});
}

struct BalanceCase {
    std::string moonText;
    const char* lord;
    double years;
};

TEST(VimshottariDasha, FirstLordAndBalanceFromTheMoon) {
    const BalanceCase cases[] = {
        {LongText(0, 0, 0, "Ari"), "Ketu", 7},
        {LongText(6, 40, 0, "Ari"), "Ketu", 3.5},      // half of Aswini passed
        {LongText(13, 20, 0, "Ari"), "Venus", 20},     // Bharani begins
        {LongText(23, 20, 0, "Can"), "Mercury", 8.5},  // half of Aslesha
        {LongText(0, 0, 0, "Leo"), "Ketu", 7},         // Magha begins the second round
    };
    for (const BalanceCase& c : cases) {
        const VimshottariDasha dasha = DashaOf(c.moonText);
        EXPECT_EQ(dasha.balanceLord(), c.lord) << c.moonText;
        EXPECT_DOUBLE_EQ(dasha.balanceYears, c.years) << c.moonText;
    }
    // One second before the end of Revati: Mercury's 17 years less 47 999/48 000 of them.
    const VimshottariDasha last = DashaOf(LongText(29, 59, 59, "Pis"));
    EXPECT_EQ(last.balanceLord(), "Mercury");
    const double hours = last.balanceYears * kDaysPerDashaYear * 24;
    EXPECT_NEAR(hours, 17.0 / 48000 * 365.25 * 24, 1e-9);
    EXPECT_GT(hours, 3);
    EXPECT_LT(hours, 3.2);
    EXPECT_FALSE(ComputeVimshottariDasha("05 Sag 15", kNewYear2000));
}

// The periods of several births: in the cycle's order, touching, of the right lengths, and
// making 120 years; the antardashas fill their mahadasha exactly.
TEST(VimshottariDasha, PeriodsFollowOnAndFillTheCycle) {
    const std::pair<std::string, engine::CivilDateTime> births[] = {
        {LongText(0, 0, 0, "Ari"), kNewYear2000},
        {LongText(23, 2, 45, "Gem"), {1980, 6, 15, 10, 30}},
        {LongText(29, 59, 59, "Pis"), {1901, 1, 1, 0, 0}},
        {LongText(17, 11, 3, "Sco"), {2050, 12, 31, 23, 59}},
    };
    const double day = 1e-6;  // tolerance in days for lengths built by addition
    for (const auto& [moon, birth] : births) {
        SCOPED_TRACE(moon);
        const VimshottariDasha dasha = DashaOf(moon, birth);
        const auto& mahadashas = dasha.mahadashas;
        EXPECT_NEAR(mahadashas[8].period.end - mahadashas[0].period.start, 120 * 365.25, day);
        EXPECT_LE(mahadashas[0].period.start, dasha.birth);
        EXPECT_NEAR(mahadashas[0].period.end - dasha.birth, dasha.balanceYears * 365.25, day);

        int firstLord = 0;
        while (kDashaLords[firstLord].name != dasha.balanceLord()) {
            ++firstLord;
        }
        for (int m = 0; m < 9; ++m) {
            const DashaLord& lord = kDashaLords[(firstLord + m) % 9];
            const Mahadasha& mahadasha = mahadashas[m];
            EXPECT_EQ(mahadasha.period.lord, lord.name);
            EXPECT_NEAR(mahadasha.period.end - mahadasha.period.start, lord.years * 365.25, day);
            if (m < 8) {
                EXPECT_EQ(mahadasha.period.end, mahadashas[m + 1].period.start) << m;
            }
            EXPECT_EQ(mahadasha.antardashas[0].start, mahadasha.period.start) << m;
            EXPECT_EQ(mahadasha.antardashas[8].end, mahadasha.period.end) << m;
            for (int a = 0; a < 9; ++a) {
                const DashaLord& subLord = kDashaLords[(firstLord + m + a) % 9];
                const DashaPeriod& antardasha = mahadasha.antardashas[a];
                EXPECT_EQ(antardasha.lord, subLord.name);
                EXPECT_NEAR(antardasha.end - antardasha.start,
                            lord.years * subLord.years / 120.0 * 365.25, day);
                if (a < 8) {
                    EXPECT_EQ(antardasha.end, mahadasha.antardashas[a + 1].start) << m << a;
                }
            }
        }
    }
}

engine::CivilDate Date(int year, int month, int day) {
    return {year, month, day};
}

// Expected dates counted by hand with exact fractions of days and a proleptic Gregorian
// calendar, independently of the program.
TEST(VimshottariDasha, DatesOnTheBirthsLocalClock) {
    const VimshottariDasha ketu = DashaOf(LongText(6, 40, 0, "Ari"));  // born 2000-01-01 0 h
    EXPECT_EQ(DateOfMoment(ketu.mahadashas[0].period.start), Date(1996, 7, 1));
    EXPECT_EQ(DateOfMoment(ketu.mahadashas[0].period.end), Date(2003, 7, 2));
    EXPECT_EQ(DateOfMoment(ketu.mahadashas[1].period.end), Date(2023, 7, 2));
    EXPECT_EQ(DateOfMoment(ketu.mahadashas[1].antardashas[1].start), Date(2006, 10, 31));
    EXPECT_EQ(DateOfMoment(ketu.mahadashas[1].antardashas[2].start), Date(2007, 11, 1));

    // Born 15 June 1980 at 10:30 with the Moon at 23° 2′ 45″ Gemini, in Punarvasu.
    const VimshottariDasha jupiter = DashaOf(LongText(23, 2, 45, "Gem"), {1980, 6, 15, 10, 30});
    EXPECT_DOUBLE_EQ(jupiter.balanceYears, 12.345);
    EXPECT_EQ(BalanceLine(jupiter), "Balance of Jupiter dasha at birth: 12 years 4 months 4 days");
    const Mahadasha& first = jupiter.mahadashas[0];
    EXPECT_EQ(DateOfMoment(first.period.start), Date(1976, 10, 19));
    EXPECT_EQ(DateOfMoment(first.period.end), Date(1992, 10, 19));
    EXPECT_EQ(DateOfMoment(first.antardashas[1].start), Date(1978, 12, 7));
    EXPECT_EQ(DateOfMoment(first.antardashas[4].start), Date(1984, 8, 31));
    EXPECT_EQ(DateOfMoment(first.antardashas[8].start), Date(1990, 5, 26));
    EXPECT_EQ(DateOfMoment(jupiter.mahadashas[8].period.end), Date(2096, 10, 19));
}

TEST(VimshottariDasha, BalanceInYearsMonthsAndDays) {
    EXPECT_EQ(SplitYears(7), (YearsMonthsDays{7, 0, 0}));
    EXPECT_EQ(SplitYears(3.5), (YearsMonthsDays{3, 6, 0}));
    EXPECT_EQ(SplitYears(0.000354), (YearsMonthsDays{0, 0, 0}));
    // A month is a twelfth of 365.25 days: 1 + 1/12 + 1.5/365.25 years is 1 y 1 m 1 d.
    EXPECT_EQ(SplitYears(1 + 1.0 / 12 + 1.5 / 365.25), (YearsMonthsDays{1, 1, 1}));
    EXPECT_EQ(BalanceLine(DashaOf(LongText(0, 0, 0, "Ari"))),
              "Balance of Ketu dasha at birth: 7 years 0 months 0 days");
    VimshottariDasha one = DashaOf(LongText(0, 0, 0, "Ari"));
    one.balanceYears = 1 + 1.0 / 12 + 1.5 / 365.25;
    EXPECT_EQ(BalanceLine(one), "Balance of Ketu dasha at birth: 1 year 1 month 1 day");
}

TEST(VimshottariDasha, ThePeriodRunningOnADate) {
    const VimshottariDasha ketu = DashaOf(LongText(6, 40, 0, "Ari"));  // born 2000-01-01
    const struct {
        engine::CivilDate date;
        std::optional<RunningPeriod> running;
    } cases[] = {
        {Date(1999, 12, 31), std::nullopt},       // before the birth
        {Date(2000, 1, 1), RunningPeriod{0, 5}},  // 3.5 of Ketu's 7 years: Ketu–Rahu
        {Date(2003, 7, 1), RunningPeriod{0, 8}},
        {Date(2003, 7, 2), RunningPeriod{1, 0}},  // the day Venus begins
        {Date(2006, 10, 30), RunningPeriod{1, 0}},
        {Date(2006, 10, 31), RunningPeriod{1, 1}},
        {Date(2116, 7, 1), RunningPeriod{8, 8}},
        {Date(2116, 7, 2), std::nullopt},  // the cycle has ended
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RunningOn(ketu, c.date), c.running) << c.date.year << '-' << c.date.month;
    }
}

// The lord the details show (looked up by the nakshatra's name) and the dasha's first lord
// (counted from the Moon's text) agree all round the zodiac, at the nakshatras' edges too.
TEST(VimshottariDasha, FirstLordIsTheLordTheDetailsShow) {
    std::vector<double> longitudes;
    for (int n = 0; n < 27; ++n) {
        const double edge = n * 40.0 / 3;
        for (const double offset : {-1e-9, 0.0, 1e-9, 1 / 7200.0, 6.5}) {
            longitudes.push_back(std::fmod(edge + offset + 360, 360));
        }
    }
    for (const double longitude : longitudes) {
        const MoonReading moon = MoonReadingAt(longitude);
        const auto details = LookUpLordAndPada(moon.nakshatra, moon.positionText);
        ASSERT_TRUE(details) << longitude;
        EXPECT_EQ(DashaOf(moon.positionText.str()).balanceLord(), details->lord)
            << longitude << " " << moon.positionText << " " << moon.nakshatra;
    }
}

}  // namespace
}  // namespace reading
