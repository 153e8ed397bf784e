#include "reading/navamsa.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/position_texts.h"

#include "engine/angles.h"
#include "engine/zodiac.h"
#include "reading/long_position_text.h"

namespace reading {
namespace {

using test_support::LongText;

// Long texts are read back to the second as they were written, and anything else is refused.
TEST(ArcSecondsOfLongText, ReadsWhatLongPositionTextWrites) {
    // Longitudes off the whole seconds, so the text's cut is floor(longitude × 3600).
    for (double longitude = 0.000123; longitude < 360; longitude += 0.7311) {
        const std::string text = engine::LongPositionText(longitude);
        EXPECT_EQ(ArcSecondsOfLongText(text), static_cast<int>(std::floor(longitude * 3600)))
            << text;
    }
    EXPECT_EQ(ArcSecondsOfLongText(LongText(29, 59, 59, "Pis")), 360 * 3600 - 1);
    for (const char* notLong :
         {"", "Ari", "05 Sag 15", "30\u00B0 0' 0\" Ari", "5\u00B0 60' 0\" Ari",
          "5\u00B0 1' 60\" Ari", "-1\u00B0 0' 0\" Ari", "5\u00B0 1' 2\" Xyz", "5\u00B0 1' Ari",
          "5\u00B0 1' 2\" x Ari", "5 1' 2\" Ari"}) {
        EXPECT_FALSE(ArcSecondsOfLongText(notLong)) << notLong;
    }
}

struct Boundary {
    int degrees, minutes, seconds;
    const char* sign;
    const char* navamsa;
};

TEST(NavamsaSignOf, BoundariesOfTheFirstNavamsas) {
    const Boundary cases[] = {
        {0, 0, 0, "Ari", "Ari"},    {3, 19, 59, "Ari", "Ari"},  {3, 20, 0, "Ari", "Tau"},
        {29, 59, 59, "Ari", "Sag"}, {0, 0, 0, "Tau", "Cap"},    {0, 0, 0, "Gem", "Lib"},
        {0, 0, 0, "Can", "Can"},    {29, 59, 59, "Pis", "Pis"},
    };
    for (const Boundary& c : cases) {
        const std::string text = LongText(c.degrees, c.minutes, c.seconds, c.sign);
        const auto sign = NavamsaSignOf(text);
        ASSERT_TRUE(sign) << text;
        EXPECT_EQ(engine::kSignAbbreviations[*sign], c.navamsa) << text;
    }
    EXPECT_FALSE(NavamsaSignOf("05 Sag 15"));
}

// The classical count, written independently of the program's: a movable sign's navamsas start
// from the sign itself, a fixed sign's from its ninth, a dual sign's from its fifth. Checked at
// the first and the last second of every navamsa of the zodiac.
TEST(NavamsaSignOf, AgreesWithTheClassicalCountEverywhere) {
    for (int sign = 0; sign < 12; ++sign) {
        // From Aries the signs run movable, fixed, dual, movable, fixed, dual, …
        const bool movable = sign % 3 == 0;
        const bool fixed = sign % 3 == 1;
        const int firstNavamsa = movable ? sign : (fixed ? sign + 8 : sign + 4);
        for (int part = 0; part < 9; ++part) {
            const int expected = (firstNavamsa + part) % 12;
            const int firstSecond = part * 12000;  // 3° 20′ apart
            const int lastSecond = firstSecond + 11999;
            for (const int second : {firstSecond, lastSecond}) {
                const std::string text =
                    LongText(second / 3600, second / 60 % 60, second % 60,
                             std::string(engine::kSignAbbreviations[sign]).c_str());
                EXPECT_EQ(NavamsaSignOf(text), expected) << text;
            }
        }
    }
}

TEST(NavamsaOf, TakesTheTenBodiesAndLeavesUnreadableTextsEmpty) {
    BodyTexts longPositions;
    longPositions.fill(LongText(0, 0, 0, "Tau"));
    longPositions[kMoon] = LongText(3, 20, 0, "Ari");
    longPositions[kKetu] = "unreadable";
    longPositions[kAscendant] = LongText(0, 0, 0, "Gem");
    longPositions[kMidheaven] = LongText(0, 0, 0, "Can");  // not a body of the navamsa
    const NavamsaSigns signs = NavamsaOf(longPositions);
    EXPECT_EQ(signs,
              (NavamsaSigns{"Cap", "Tau", "Cap", "Cap", "Cap", "Cap", "Cap", "Cap", "", "Lib"}));
}

}  // namespace
}  // namespace reading
