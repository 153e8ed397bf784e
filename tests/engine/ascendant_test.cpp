#include "engine/ascendant.h"

#include <gtest/gtest.h>

#include "tests/support/position_texts.h"

#include "engine/angles.h"
#include "engine/ayanamsa.h"
#include "engine/birth_moment.h"
#include "engine/constants.h"

namespace engine {
namespace {

using test_support::LongText;

TEST(AyanamsaCorrection, AtTheEpochsOf1900And2000) {
    EXPECT_EQ(SignedAngleText(AyanamsaCorrection(0)), "-22\u00B0 27' 58\"");
    EXPECT_NEAR(AyanamsaCorrection(1), -23.85399, 5e-6);
    EXPECT_EQ(SignedAngleText(AyanamsaCorrection(1)), "-23\u00B0 51' 14\"");
}

TEST(AyanamsaCorrection, IsNegativeThroughoutTheSupportedYears) {
    for (double t = 0.9; t <= 1.52; t += 0.001) {
        ASSERT_LT(AyanamsaCorrection(t), -22.0) << t;
    }
}

// Noon of 2000-01-01 at Greenwich on the equator: T = 1 exactly.
TEST(ComputeAscendant, GreenwichAtTheStartOf2000) {
    const double ut = UniversalHours({2000, 1, 1, 12, 0}, 0);
    const AscendantResult result = ComputeAscendant({CenturiesFrom1900(2451545, ut), ut, 0, 0});
    EXPECT_NEAR(result.siderealTime, 280.460871, 5e-7);
    EXPECT_NEAR(result.obliquity / kDegreesToRadians, 23.4392815, 5e-8);
    EXPECT_NEAR(result.tropicalMidheaven, 279.614477, 5e-7);
    EXPECT_NEAR(result.tropicalAscendant, 11.378149, 5e-7);
    EXPECT_EQ(result.signedAyanamsaText, "-23\u00B0 51' 14\"");
    EXPECT_EQ(result.ascendantText, LongText(17, 31, 26, "Pis"));
    EXPECT_EQ(result.midheavenText, LongText(15, 45, 37, "Sag"));
}

// 1980-06-15 10:30 in Delhi (77° 13' E, 28° 37' N), zone 5 h 30 min: UT 5.
TEST(ComputeAscendant, DelhiIn1980) {
    const double ut = UniversalHours({1980, 6, 15, 10, 30}, ZoneCorrectionHours(-5, -30, false));
    EXPECT_EQ(ut, 5);
    const AscendantResult result =
        ComputeAscendant({CenturiesFrom1900(2444406, ut), ut, -(77 + 13 / 60.0), 28 + 37 / 60.0});
    EXPECT_NEAR(result.ayanamsaCorrection, -23.581854, 5e-7);
    EXPECT_EQ(result.signedAyanamsaText, "-23\u00B0 34' 54\"");
    EXPECT_EQ(result.ascendantText, LongText(6, 31, 23, "Leo"));
    EXPECT_EQ(result.midheavenText, LongText(4, 31, 33, "Tau"));
}

TEST(ComputeAscendant, OnTheEquatorAtZeroSiderealTimeTheAscendantIsAQuarterTurn) {
    // A west longitude equal to the sidereal time at Greenwich makes θ exactly 0: the second
    // argument of the arctangent is zero, so the ascendant is half the π literal in degrees.
    const double t = 1.0;
    const double ut = 0.0;
    const double westLongitude = 15 * (6.6460656 + 2400.0513 * t + 0.0000258 * t * t + ut);
    const AscendantResult result = ComputeAscendant({t, ut, westLongitude, 0});
    EXPECT_EQ(result.siderealTime, 0);
    EXPECT_DOUBLE_EQ(result.tropicalAscendant, 89.99999999999987);
}

TEST(ComputeAscendant, SiderealSignAroundTheStartOfAries) {
    // Just above the ayanamsa the sidereal ascendant is early Aries; just below it wraps to Pisces.
    EXPECT_EQ(
        LongPositionText(Normalize360Once(23.95 - 23.9)).substr(LongPositionText(0.05).size() - 3),
        "Ari");
    const std::string wrapped = LongPositionText(Normalize360Once(23.84 - 23.85));
    EXPECT_EQ(wrapped.substr(wrapped.size() - 3), "Pis");
    EXPECT_EQ(wrapped.substr(0, 4), "29\u00B0");
}

TEST(ComputeAscendant, SiderealValuesStayInsideTheCircle) {
    for (double ut = -12; ut <= 36; ut += 0.37) {
        for (double latitude : {-66.0, -28.6, 0.0, 51.5, 66.0}) {
            const AscendantResult result =
                ComputeAscendant({CenturiesFrom1900(2444406, ut), ut, -77.2, latitude});
            ASSERT_GE(result.siderealAscendant, 0);
            ASSERT_LT(result.siderealAscendant, 360);
            ASSERT_GE(result.siderealMidheaven, 0);
            ASSERT_LT(result.siderealMidheaven, 360);
        }
    }
}

}  // namespace
}  // namespace engine
