#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/quick_arc_tangent.h"
#include "engine/quick_sine.h"

namespace engine {
namespace {

TEST(QuickTrigonometry, SinesAndCosinesMatchLibmInEveryQuarterAndBeyondATurn) {
    double largest = 0;
    for (double degrees = -725; degrees <= 1085; degrees += 0.0113) {
        const SineCosine quick = QuickSineAndCosine(degrees);
        const double radians = degrees * std::numbers::pi / 180;
        largest = std::max({largest, std::fabs(quick.sine - std::sin(radians)),
                            std::fabs(quick.cosine - std::cos(radians))});
    }
    EXPECT_LT(largest, 3e-14);
    // The quarter turns themselves, where the choice of the quarter changes.
    for (int quarter = -8; quarter <= 8; ++quarter) {
        const SineCosine quick = QuickSineAndCosine(quarter * 90.0);
        EXPECT_EQ(std::fabs(quick.sine) + std::fabs(quick.cosine), 1) << quarter;
        EXPECT_EQ(quick.cosine, quarter % 4 == 0 ? 1 : std::abs(quarter % 4) == 2 ? -1 : 0);
    }
}

TEST(QuickTrigonometry, ArcTangentsMatchLibmAllRoundTheCircle) {
    double largest = 0;
    for (double degrees = -180; degrees <= 180; degrees += 0.00731) {
        const double radians = degrees * std::numbers::pi / 180;
        for (const double radius : {1e-300, 0.37, 1.0, 2.9e5}) {
            const double y = radius * std::sin(radians);
            const double x = radius * std::cos(radians);
            largest = std::max(largest, std::fabs(QuickArcTangent2(y, x) - std::atan2(y, x)));
        }
    }
    EXPECT_LT(largest, 1e-15);
    // The axes, the diagonals, zeros of both signs and an eighth's boundary.
    const double cases[][2] = {{0.0, 1.0},  {0.0, -1.0}, {-0.0, -1.0}, {1.0, 0.0},   {-1.0, 0.0},
                               {1.0, 1.0},  {-1.0, 1.0}, {1.0, -1.0},  {-1.0, -1.0}, {0.0, 0.0},
                               {-0.0, 0.0}, {1.0, 16.0}, {3.0, -48.0}, {5e-324, 1.0}};
    for (const auto& [y, x] : cases) {
        EXPECT_NEAR(QuickArcTangent2(y, x), std::atan2(y, x), 1e-15) << y << ", " << x;
        EXPECT_EQ(std::signbit(QuickArcTangent2(y, x)), std::signbit(std::atan2(y, x)));
    }
}

}  // namespace
}  // namespace engine
