#include "cli/shortest_decimal.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace cli {
namespace {

std::string Written(double value) {
    std::array<char, kMostFixedDecimalBytes> text{};
    return {text.data(), WriteShortestFixed(text.data(), value)};
}

std::string Reference(double value) {
    std::array<char, kMostFixedDecimalBytes> text{};
    const auto result =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    EXPECT_EQ(result.ec, std::errc{}) << value;
    return {text.data(), result.ptr};
}

// The standard library's shortest fixed form is the reference, over the values where the fast
// work turns over to it or its cases meet: every power of two and of ten with its neighbours,
// values from every binary exponent, and random longitudes.
TEST(ShortestDecimalTest, WritesWhatTheStandardLibraryWrites) {
    std::vector<double> values = {0.0,
                                  -0.0,
                                  0.1,
                                  0.2,
                                  0.3,
                                  1.0 / 3,
                                  2.0 / 3,
                                  365.25,
                                  359.99999999999994,
                                  23.00184223276789,
                                  9007199254740991.0,
                                  9007199254740993.0,
                                  4503599627370495.5,
                                  std::numeric_limits<double>::denorm_min(),
                                  std::numeric_limits<double>::min(),
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::infinity()};
    const auto withNeighbours = [&values](double value) {
        double below = value;
        double above = value;
        for (int step = 0; step < 3; ++step) {
            below = std::nextafter(below, 0.0);
            above = std::nextafter(above, std::numeric_limits<double>::infinity());
            values.insert(values.end(), {below, above});
        }
        values.push_back(value);
    };
    for (int exponent = -80; exponent <= 60; ++exponent) {
        withNeighbours(std::ldexp(1.0, exponent));
        withNeighbours(std::ldexp(1.5, exponent));
    }
    for (int exponent = -25; exponent <= 25; ++exponent) {
        withNeighbours(std::pow(10.0, exponent));
    }
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> longitude(0.0, 360.0);
    for (int i = 0; i < 200'000; ++i) {
        // Any significand, with an exponent from 2^-90 to 2^70.
        const std::uint64_t biased = 985 + random() % 160;
        values.push_back(std::bit_cast<double>(biased << 52 | (random() >> 12)));
        values.push_back(longitude(random));
    }
    for (const double value : values) {
        for (const double signed_value : {value, -value}) {
            ASSERT_EQ(Written(signed_value), Reference(signed_value))
                << std::bit_cast<std::uint64_t>(signed_value);
        }
    }
}

}  // namespace
}  // namespace cli
