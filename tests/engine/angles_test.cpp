#include "engine/angles.h"

#include <gtest/gtest.h>

#include "tests/support/position_texts.h"

#include <cmath>
#include <vector>

#include "engine/constants.h"

namespace engine {
namespace {

using test_support::LongText;

TEST(ArcTan2, FollowsTheEnginesQuadrantRules) {
    EXPECT_EQ(ArcTan2(0, -1), 0.0);  // not π: callers correct the quadrant themselves
    EXPECT_EQ(ArcTan2(0, 0), 0.0);
    EXPECT_DOUBLE_EQ(ArcTan2(1, 0), 1.570796326794895);
    EXPECT_DOUBLE_EQ(ArcTan2(-1, 0), -1.570796326794895);
    EXPECT_DOUBLE_EQ(ArcTan2(-1, -1), -(kPi - std::atan(1.0)));
    EXPECT_DOUBLE_EQ(ArcTan2(1, -1), kPi - std::atan(1.0));
    EXPECT_DOUBLE_EQ(ArcTan2(1, 1), std::atan(1.0));
}

TEST(Normalize360Once, CorrectsAtMostOnce) {
    EXPECT_EQ(Normalize360Once(-10), 350);
    EXPECT_EQ(Normalize360Once(360), 360);
    EXPECT_EQ(Normalize360Once(725), 365);
    EXPECT_EQ(Normalize360Once(0), 0);
    EXPECT_EQ(Normalize360Once(359.5), 359.5);
}

// The turns taken off at once leave exactly what a loop of subtractions leaves, also where the
// quotient rounds up: just below a whole number of turns, and across the sidereal times of
// every supported birth (up to about 55 000 degrees).
TEST(SubtractWholeTurns, LeavesWhatRepeatedSubtractionLeaves) {
    const auto byLoop = [](double degrees) {
        while (degrees >= kFullCircle) {
            degrees -= kFullCircle;
        }
        return degrees;
    };
    std::vector<double> cases = {-10, 0, 359.5, 360, 720, 725, 54000.25};
    for (int turns = 1; turns < 200; ++turns) {
        const double whole = turns * kFullCircle;
        cases.push_back(std::nextafter(whole, 0.0));
        cases.push_back(std::nextafter(whole, 1e9));
    }
    for (double degrees = 359; degrees < 60000; degrees = degrees * 1.0007 + 0.1234567) {
        cases.push_back(degrees);
    }
    for (const double degrees : cases) {
        EXPECT_EQ(SubtractWholeTurns(degrees), byLoop(degrees)) << std::hexfloat << degrees;
    }
}

TEST(ReduceToTwoPi, BringsRadiansIntoOneTurn) {
    EXPECT_NEAR(ReduceToTwoPi(-0.5), 6.28318530717958 - 0.5, 1e-14);
    EXPECT_EQ(ReduceToTwoPi(kTwoPi), 0.0);
    EXPECT_EQ(ReduceToTwoPi(0), 0.0);
    EXPECT_NEAR(ReduceToTwoPi(3 * kTwoPi + 1), 1.0, 1e-12);
    EXPECT_NEAR(ReduceToTwoPi(-3 * kTwoPi - 1), kTwoPi - 1, 1e-12);
}

struct LongTextCase {
    double longitude;
    int degrees, minutes, seconds;
    const char* sign;
};

TEST(LongPositionText, CutsDegreesMinutesAndSecondsWithinTheSign) {
    const LongTextCase cases[] = {
        {0, 0, 0, 0, "Ari"},
        {30, 0, 0, 0, "Tau"},
        {29.999999, 29, 59, 59, "Ari"},
        {245.265625, 5, 15, 56, "Sag"},
        {359.5, 29, 30, 0, "Pis"},
        {10.999999, 10, 59, 59, "Ari"},  // cut, never rounded
        {359.9999, 29, 59, 59, "Pis"},
        {-15.5, 15, 30, 0, "Ari"},  // the magnitude is written
        // A full turn or more is brought into the circle before the sign is taken.
        {360, 0, 0, 0, "Ari"},
        {390.5, 0, 30, 0, "Tau"},
    };
    for (const LongTextCase& c : cases) {
        EXPECT_EQ(LongPositionText(c.longitude), LongText(c.degrees, c.minutes, c.seconds, c.sign))
            << "longitude " << c.longitude;
    }
}

TEST(SignedAngleText, WritesTheSignAndNoZodiacSign) {
    EXPECT_EQ(SignedAngleText(-23.75), "-23\u00B0 45' 0\"");
    EXPECT_EQ(SignedAngleText(5.5), "5\u00B0 30' 0\"");
    EXPECT_EQ(SignedAngleText(0), "0\u00B0 0' 0\"");
    EXPECT_EQ(SignedAngleText(-123.5), "-123\u00B0 30' 0\"");  // three digits, past the short path
    EXPECT_EQ(SignedAngleText(-0.5).front(), '-');
}

TEST(ShortPositionText, TakesTwoDigitDegreesSignAndMinutes) {
    EXPECT_EQ(ShortPositionText(LongPositionText(245.265625)), "05 Sag 15");
    EXPECT_EQ(ShortPositionText(LongPositionText(15.125)), "15 Ari 07");
    EXPECT_EQ(ShortPositionText(LongPositionText(0)), "00 Ari 00");
    EXPECT_EQ(ShortPositionText(LongPositionText(359.9999)), "29 Pis 59");
    EXPECT_EQ(ShortPositionText("  7\u00B0 5' 3\" Leo  ").substr(0, 2), "07");
}

// The short text straight from a longitude is the short text of its long text.
TEST(ShortPositionTextOf, AgreesWithTheTextOfTheLongText) {
    for (double longitude = 0; longitude < 360; longitude += 0.000731) {
        ASSERT_EQ(ShortPositionTextOf(longitude), ShortPositionText(LongPositionText(longitude)))
            << longitude;
    }
    for (const double edge : {0.0, 29.999999, 30.0, 359.9999, 360.0, 375.5, -15.5}) {
        EXPECT_EQ(ShortPositionTextOf(edge), ShortPositionText(LongPositionText(edge))) << edge;
    }
}

TEST(ShortPositionText, PutsTheSignAtCharactersFourToSix) {
    for (double longitude = 0; longitude < 360; longitude += 7.37) {
        const std::string text = ShortPositionText(LongPositionText(longitude));
        ASSERT_EQ(text.size(), 9u) << text;
        EXPECT_EQ(text.substr(3, 3),
                  LongPositionText(longitude).substr(LongPositionText(longitude).size() - 3));
    }
}

}  // namespace
}  // namespace engine
