#include "engine/moon.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/birth_moment.h"
#include "engine/calendar.h"

namespace engine {
namespace {

struct MoonCase {
    const char* name;
    CivilDateTime local;
    double zoneCorrection;  // hours to universal time
    double tropical;        // NaN when not given
    double correction;
    double sidereal;
};

TEST(MoonSiderealLongitude, MatchesTheWorkedExamples) {
    const double unknown = std::nan("");
    const MoonCase cases[] = {
        {"2000 Greenwich", {2000, 1, 1, 12, 0}, 0, 223.316103, -23.853505, 199.462598},
        {"1947 Delhi", {1947, 8, 15, 0, 0}, -5.5, 117.109656, -23.122389, 93.987266},
        {"1980 Delhi", {1980, 6, 15, 10, 30}, -5.5, 113.802087, -23.581489, 90.220598},
        {"1976 New York, daylight saving", {1976, 7, 4, 14, 30}, 4, unknown, unknown, 169.901963},
    };
    for (const MoonCase& c : cases) {
        const double ut = UniversalHours(c.local, c.zoneCorrection);
        const double t =
            CenturiesFromJ2000(JulianDayNumber(c.local.day, c.local.month, c.local.year), ut);
        if (!std::isnan(c.tropical)) {
            EXPECT_NEAR(MoonTropicalLongitude(t), c.tropical, 5e-7) << c.name;
            EXPECT_NEAR(MoonAyanamsaCorrection(t), c.correction, 5e-7) << c.name;
        }
        EXPECT_NEAR(MoonSiderealLongitude(t), c.sidereal, 5e-7) << c.name;
    }
}

TEST(MoonTropicalLongitude, IsBroughtIntoOneTurnByWholeTurns) {
    for (double t = -1.0; t <= 0.51; t += 0.00731) {
        const double longitude = MoonTropicalLongitude(t);
        ASSERT_GE(longitude, 0) << t;
        ASSERT_LE(longitude, 360) << t;
    }
    // Far from the epoch the mean longitude runs to many turns; the result still lies in range.
    EXPECT_GE(MoonTropicalLongitude(-30), 0);
    EXPECT_LE(MoonTropicalLongitude(30), 360);
}

TEST(MoonSiderealLongitude, StaysBelowAFullTurn) {
    for (double t = -1.0; t <= 0.51; t += 0.00917) {
        const double longitude = MoonSiderealLongitude(t);
        ASSERT_GE(longitude, 0) << t;
        ASSERT_LT(longitude, 360) << t;
    }
}

}  // namespace
}  // namespace engine
