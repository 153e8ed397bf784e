#include "engine/planets.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/angles.h"
#include "engine/constants.h"
#include "engine/lunar_node.h"
#include "engine/precession.h"

namespace engine {
namespace {

struct LongitudeRow {
    Planet planet;
    const char* name;
    double longitude;  // degrees, four places
};

void ExpectLongitudes(double days, const LongitudeRow (&rows)[6]) {
    const auto all = PlanetLongitudes(days);
    for (const LongitudeRow& row : rows) {
        EXPECT_NEAR(PlanetLongitude(row.planet, days), row.longitude, 5e-5) << row.name;
        EXPECT_EQ(all[static_cast<int>(row.planet)], PlanetLongitude(row.planet, days)) << row.name;
    }
}

TEST(PlanetLongitude, AtJ2000) {
    ExpectLongitudes(0, {{Planet::kSun, "Sun", 280.3796},
                         {Planet::kMercury, "Mercury", 271.9060},
                         {Planet::kVenus, "Venus", 241.5781},
                         {Planet::kMars, "Mars", 327.9828},
                         {Planet::kJupiter, "Jupiter", 25.3611},
                         {Planet::kSaturn, "Saturn", 40.2147}});
}

TEST(PlanetLongitude, OnTheFifteenthOfJune1980At5hUT) {
    ExpectLongitudes(-7139.291666666667, {{Planet::kSun, "Sun", 84.5241},
                                          {Planet::kMercury, "Mercury", 108.9785},
                                          {Planet::kVenus, "Venus", 84.6837},
                                          {Planet::kMars, "Mars", 166.9080},
                                          {Planet::kJupiter, "Jupiter", 154.0121},
                                          {Planet::kSaturn, "Saturn", 170.9693}});
}

TEST(PlanetLongitude, StaysInsideTheCircleForEveryDayOfTheSupportedYears) {
    for (double days = -36525; days <= 18628; days += 0.75 * 31) {
        for (const double longitude : PlanetLongitudes(days)) {
            ASSERT_GE(longitude, 0);
            ASSERT_LE(longitude, 360);
        }
    }
}

TEST(TrueAnomaly, SolvesKeplersEquation) {
    EXPECT_EQ(TrueAnomaly(0, 0.2), 0);
    EXPECT_NEAR(TrueAnomaly(kPi, 0.2), kPi, 1e-12);
    EXPECT_NEAR(TrueAnomaly(1.0, 0), 1.0, 1e-12);
    for (double mean = 0.01; mean < kTwoPi; mean += 0.1) {
        const double nu = TrueAnomaly(mean, 0.2056);
        ASSERT_GE(nu, 0);
        ASSERT_LT(nu, kTwoPi);
        // Back from the true anomaly to the mean anomaly.
        const double e = 0.2056;
        const double eccentric = 2 * std::atan(std::sqrt((1 - e) / (1 + e)) * std::tan(nu / 2));
        EXPECT_NEAR(ReduceToTwoPi(eccentric - e * std::sin(eccentric)), mean, 1e-9);
    }
}

TEST(OrbitalElements, AddTheCenturyRates) {
    const Elements earth = OrbitalElements(OrbitBody::kEarth, kDaysPerCentury);
    EXPECT_NEAR(earth.eccentricity, 0.01671022 - 0.00003804, 1e-15);
    EXPECT_NEAR(earth.perihelionLongitude, (102.94719 + 1198.28 / 3600) * kDegreesToRadians, 1e-14);
    EXPECT_GE(earth.meanLongitude, 0);
    EXPECT_LT(earth.meanLongitude, kTwoPi);
}

// 5029.0966″ a century and 1.11113″ a century squared, from J2000 either way.
TEST(Precession, GrowsFromJ2000) {
    EXPECT_EQ(PrecessionSinceJ2000(0), 0);
    EXPECT_NEAR(PrecessionSinceJ2000(kDaysPerCentury), 5030.20773 / 3600, 1e-12);
    EXPECT_NEAR(PrecessionSinceJ2000(-kDaysPerCentury), -5027.98547 / 3600, 1e-12);
    EXPECT_NEAR(PrecessionSinceJ2000(-7139.291666666667), -0.273045, 1e-6);
}

TEST(LunarNodes, RahuAndKetuIn1980) {
    const double rahu = RahuLongitude(-7139.291666666667, -23.581854);
    EXPECT_EQ(ShortPositionText(LongPositionText(rahu)), "29 Can 35");
    EXPECT_EQ(ShortPositionText(LongPositionText(KetuLongitude(rahu))), "29 Cap 35");
}

TEST(LunarNodes, KetuIsSixSignsFromRahu) {
    for (double days = -36000; days < 18000; days += 97.3) {
        const double rahu = RahuLongitude(days, -23.5);
        const std::string rahuText = ShortPositionText(LongPositionText(rahu));
        const std::string ketuText = ShortPositionText(LongPositionText(KetuLongitude(rahu)));
        EXPECT_EQ(rahuText.substr(0, 2), ketuText.substr(0, 2));
        EXPECT_EQ(rahuText.substr(7), ketuText.substr(7));
    }
    EXPECT_EQ(KetuLongitude(180), 360);  // kept, and written as 0° Aries
    EXPECT_EQ(LongPositionText(KetuLongitude(180)), LongPositionText(0));
}

}  // namespace
}  // namespace engine
