#include "reading/vargas.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>
#include <vector>

#include "engine/zodiac.h"
#include "reading/driver.h"
#include "reading/navamsa.h"
#include "reading/sample_birth.h"

namespace reading {
namespace {

constexpr int kSecondsPerSign = 30 * 3600;

int SignNamed(std::string_view abbreviation) {
    for (int k = 0; k < 12; ++k) {
        if (engine::kSignAbbreviations[k] == abbreviation) {
            return k;
        }
    }
    ADD_FAILURE() << "no sign " << abbreviation;
    return 0;
}

int ChartNamed(std::string_view key) {
    for (int varga = 0; varga < kVargaCount; ++varga) {
        if (kVargaCharts[varga].key == key) {
            return varga;
        }
    }
    ADD_FAILURE() << "no chart " << key;
    return 0;
}

struct Boundary {
    const char* chart;
    int degrees, minutes, seconds;
    const char* sign;
    const char* expected;
};

// Counted by hand at the first and last second of parts, in odd and even, movable, fixed and
// dual signs, and in each of the four elements.
TEST(VargaSignOfArcSeconds, Boundaries) {
    const Boundary cases[] = {
        {"D1", 29, 59, 59, "Ari", "Ari"},  {"D1", 0, 0, 0, "Tau", "Tau"},
        {"D2", 14, 59, 59, "Ari", "Leo"},  {"D2", 15, 0, 0, "Ari", "Can"},
        {"D2", 0, 0, 0, "Tau", "Can"},     {"D2", 29, 59, 59, "Tau", "Leo"},
        {"D3", 9, 59, 59, "Tau", "Tau"},   {"D3", 10, 0, 0, "Tau", "Vir"},
        {"D3", 29, 59, 59, "Tau", "Cap"},  {"D4", 7, 29, 59, "Gem", "Gem"},
        {"D4", 7, 30, 0, "Gem", "Vir"},    {"D4", 29, 59, 59, "Can", "Ari"},
        {"D7", 0, 0, 0, "Tau", "Sco"},     {"D7", 4, 17, 8, "Tau", "Sco"},
        {"D7", 4, 17, 9, "Tau", "Sag"},    {"D7", 29, 59, 59, "Ari", "Lib"},
        {"D9", 3, 19, 59, "Tau", "Cap"},   {"D9", 3, 20, 0, "Tau", "Aqu"},
        {"D10", 2, 59, 59, "Can", "Pis"},  {"D10", 3, 0, 0, "Can", "Ari"},
        {"D10", 29, 59, 59, "Pis", "Leo"}, {"D10", 0, 0, 0, "Gem", "Gem"},
        {"D12", 2, 29, 59, "Ari", "Ari"},  {"D12", 2, 30, 0, "Ari", "Tau"},
        {"D12", 29, 59, 59, "Pis", "Aqu"}, {"D16", 1, 52, 29, "Ari", "Ari"},
        {"D16", 1, 52, 30, "Ari", "Tau"},  {"D16", 0, 0, 0, "Tau", "Leo"},
        {"D16", 29, 59, 59, "Gem", "Pis"}, {"D20", 0, 0, 0, "Tau", "Sag"},
        {"D20", 0, 0, 0, "Gem", "Leo"},    {"D20", 1, 29, 59, "Leo", "Sag"},
        {"D20", 1, 30, 0, "Leo", "Cap"},   {"D24", 0, 0, 0, "Ari", "Leo"},
        {"D24", 1, 15, 0, "Ari", "Vir"},   {"D24", 0, 0, 0, "Tau", "Can"},
        {"D24", 29, 59, 59, "Tau", "Gem"}, {"D27", 0, 0, 0, "Tau", "Can"},
        {"D27", 0, 0, 0, "Can", "Cap"},    {"D27", 1, 6, 39, "Gem", "Lib"},
        {"D27", 1, 6, 40, "Gem", "Sco"},   {"D27", 29, 59, 59, "Pis", "Pis"},
        {"D30", 4, 59, 59, "Ari", "Ari"},  {"D30", 5, 0, 0, "Ari", "Aqu"},
        {"D30", 9, 59, 59, "Ari", "Aqu"},  {"D30", 10, 0, 0, "Ari", "Sag"},
        {"D30", 17, 59, 59, "Ari", "Sag"}, {"D30", 18, 0, 0, "Ari", "Gem"},
        {"D30", 24, 59, 59, "Ari", "Gem"}, {"D30", 25, 0, 0, "Ari", "Lib"},
        {"D30", 29, 59, 59, "Ari", "Lib"}, {"D30", 4, 59, 59, "Tau", "Tau"},
        {"D30", 5, 0, 0, "Tau", "Vir"},    {"D30", 11, 59, 59, "Tau", "Vir"},
        {"D30", 12, 0, 0, "Tau", "Pis"},   {"D30", 19, 59, 59, "Tau", "Pis"},
        {"D30", 20, 0, 0, "Tau", "Cap"},   {"D30", 24, 59, 59, "Tau", "Cap"},
        {"D30", 25, 0, 0, "Tau", "Sco"},   {"D30", 29, 59, 59, "Tau", "Sco"},
        {"D40", 0, 44, 59, "Ari", "Ari"},  {"D40", 0, 45, 0, "Ari", "Tau"},
        {"D40", 0, 0, 0, "Tau", "Lib"},    {"D40", 29, 59, 59, "Tau", "Cap"},
        {"D45", 0, 39, 59, "Leo", "Leo"},  {"D45", 0, 40, 0, "Leo", "Vir"},
        {"D45", 29, 59, 59, "Vir", "Leo"}, {"D60", 0, 29, 59, "Ari", "Ari"},
        {"D60", 0, 30, 0, "Ari", "Tau"},   {"D60", 29, 59, 59, "Pis", "Aqu"},
    };
    for (const Boundary& c : cases) {
        const int arcSeconds =
            SignNamed(c.sign) * kSecondsPerSign + c.degrees * 3600 + c.minutes * 60 + c.seconds;
        EXPECT_EQ(
            engine::kSignAbbreviations[VargaSignOfArcSeconds(ChartNamed(c.chart), arcSeconds)],
            c.expected)
            << c.chart << ' ' << c.degrees << ':' << c.minutes << ':' << c.seconds << ' ' << c.sign;
    }
}

// The equal-part charts once more, as the sign each of the twelve signs starts counting from and
// the step from one part to the next.
struct EqualParts {
    const char* chart;
    int step;
    const char* starts;  // Aries to Pisces
};
constexpr EqualParts kEqualParts[] = {
    {"D1", 1, "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis"},
    {"D3", 4, "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis"},
    {"D4", 3, "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis"},
    {"D7", 1, "Ari Sco Gem Cap Leo Pis Lib Tau Sag Can Aqu Vir"},
    {"D9", 1, "Ari Cap Lib Can Ari Cap Lib Can Ari Cap Lib Can"},
    {"D10", 1, "Ari Cap Gem Pis Leo Tau Lib Can Sag Vir Aqu Sco"},
    {"D12", 1, "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis"},
    {"D16", 1, "Ari Leo Sag Ari Leo Sag Ari Leo Sag Ari Leo Sag"},
    {"D20", 1, "Ari Sag Leo Ari Sag Leo Ari Sag Leo Ari Sag Leo"},
    {"D24", 1, "Leo Can Leo Can Leo Can Leo Can Leo Can Leo Can"},
    {"D27", 1, "Ari Can Lib Cap Ari Can Lib Cap Ari Can Lib Cap"},
    {"D40", 1, "Ari Lib Ari Lib Ari Lib Ari Lib Ari Lib Ari Lib"},
    {"D45", 1, "Ari Leo Sag Ari Leo Sag Ari Leo Sag Ari Leo Sag"},
    {"D60", 1, "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis"},
};

// The Trimsamsa's five parts: their ends in degrees and their signs.
struct TrimsamsaPart {
    int endDegrees;
    const char* odd;
    const char* even;
};
constexpr TrimsamsaPart kTrimsamsa[] = {
    {5, "Ari", "Tau"},  {10, "Aqu", "Vir"}, {12, "Sag", "Vir"}, {18, "Sag", "Pis"},
    {20, "Gem", "Pis"}, {25, "Gem", "Cap"}, {30, "Lib", "Sco"},
};

// The signs a chart gives the seconds of one sign, 0 to 107 999, from the tables above.
std::vector<int> ExpectedSigns(std::string_view chart, int sign) {
    std::vector<int> signs(kSecondsPerSign, -1);
    const bool odd = sign % 2 == 0;
    if (chart == "D2") {
        const int leo = SignNamed("Leo");
        const int cancer = SignNamed("Can");
        for (int second = 0; second < kSecondsPerSign; ++second) {
            const bool firstHalf = second < kSecondsPerSign / 2;
            signs[second] = odd == firstHalf ? leo : cancer;
        }
        return signs;
    }
    if (chart == "D30") {
        int second = 0;
        for (const TrimsamsaPart& part : kTrimsamsa) {
            const int partSign = SignNamed(odd ? part.odd : part.even);
            for (; second < part.endDegrees * 3600; ++second) {
                signs[second] = partSign;
            }
        }
        return signs;
    }
    for (const EqualParts& row : kEqualParts) {
        if (row.chart == chart) {
            const int start = SignNamed(std::string_view(row.starts).substr(4 * sign, 3));
            const int divisions = kVargaCharts[ChartNamed(chart)].divisions;
            for (int second = 0; second < kSecondsPerSign; ++second) {
                signs[second] = (start + row.step * (second * divisions / kSecondsPerSign)) % 12;
            }
            return signs;
        }
    }
    ADD_FAILURE() << "no rule for " << chart;
    return signs;
}

TEST(VargaSignOfArcSeconds, EverySecondOfEverySignFollowsTheRules) {
    int mismatches = 0;
    for (int varga = 0; varga < kVargaCount; ++varga) {
        const std::string_view chart = kVargaCharts[varga].key;
        for (int sign = 0; sign < 12; ++sign) {
            const std::vector<int> expected = ExpectedSigns(chart, sign);
            for (int second = 0; second < kSecondsPerSign; ++second) {
                const int got = VargaSignOfArcSeconds(varga, sign * kSecondsPerSign + second);
                if (got != expected[second] && ++mismatches <= 10) {
                    ADD_FAILURE() << chart << " sign " << sign << " second " << second
                                  << ": expected " << expected[second] << ", got " << got;
                }
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

// A reading's charts come from a table of segments made when the program is compiled; every
// second of the circle, for every body's place in the list, must give the rules' signs.
TEST(VargasOf, EverySecondOfTheCircleGivesTheRulesSigns) {
    int mismatches = 0;
    for (int first = 0; first < 12 * kSecondsPerSign; first += kNavamsaBodyCount) {
        BodyArcSeconds arcSeconds{};
        for (int body = 0; body < kNavamsaBodyCount; ++body) {
            arcSeconds[body] = (first + body) % (12 * kSecondsPerSign);
        }
        const VargaSigns signs = VargasOf(arcSeconds);
        for (int varga = 0; varga < kVargaCount; ++varga) {
            for (int body = 0; body < kNavamsaBodyCount; ++body) {
                if (signs[varga][body] != VargaSignOfArcSeconds(varga, arcSeconds[body]) &&
                    ++mismatches <= 10) {
                    ADD_FAILURE() << kVargaCharts[varga].key << " at " << arcSeconds[body];
                }
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(VargaSignOfArcSeconds, NavamsaIsTheExistingNavamsaEverywhere) {
    ASSERT_EQ(kVargaCharts[kNavamsaVarga].key, "D9");
    ASSERT_EQ(kVargaCharts[kRashiVarga].key, "D1");
    for (int second = 0; second < 12 * kSecondsPerSign; ++second) {
        ASSERT_EQ(VargaSignOfArcSeconds(kNavamsaVarga, second), NavamsaSignOfArcSeconds(second))
            << second;
    }
}

TEST(VargasOf, TheReadingsChartsAgreeWithItsSignsAndNavamsa) {
    BirthData birth;
    ChartReading reading;
    ASSERT_FALSE(RunCalculation(SampleBirthForm(), birth, reading));
    for (int body = 0; body < kNavamsaBodyCount; ++body) {
        EXPECT_EQ(engine::kSignAbbreviations[reading.vargas[kNavamsaVarga][body]],
                  reading.navamsa[body]);
        EXPECT_TRUE(reading.planetLongPositions[body].view().ends_with(
            engine::kSignAbbreviations[reading.vargas[kRashiVarga][body]]))
            << body;
    }
}

}  // namespace
}  // namespace reading
