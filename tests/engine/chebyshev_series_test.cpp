#include "engine/chebyshev_series.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "engine/ephemeris_tables.h"

namespace engine {
namespace {

// Σ c_k T_k(x) from the definition T_k(cos θ) = cos kθ, and its slope from
// T_k′(cos θ) = k sin kθ / sin θ.
double DirectSum(const std::vector<double>& c, double x) {
    double sum = 0;
    for (std::size_t k = 0; k < c.size(); ++k) {
        sum += c[k] * std::cos(k * std::acos(x));
    }
    return sum;
}

double DirectSlope(const std::vector<double>& c, double x) {
    const double theta = std::acos(x);
    double slope = 0;
    for (std::size_t k = 1; k < c.size(); ++k) {
        slope += c[k] * k * std::sin(k * theta) / std::sin(theta);
    }
    return slope;
}

TEST(ChebyshevSeries, SumAndSlopeMatchTheDefinition) {
    const std::vector<double> cases[] = {
        {2.5},
        {1, 2, 3},
        {280.25, 16.5, -0.003, 0.0021, -4e-4, 1.5e-5, -2e-6, 3e-7, -1e-8, 2e-9},
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1},
    };
    for (const std::vector<double>& c : cases) {
        const std::vector<float> rest(c.begin() + 1, c.end());
        // Coefficients held as floats are compared with the same floats.
        std::vector<double> asStored{c[0]};
        asStored.insert(asStored.end(), rest.begin(), rest.end());
        for (const double x : {-0.999, -0.5, -0.1, 0.0, 0.3, 0.77, 0.999}) {
            SCOPED_TRACE(testing::Message() << c.size() << " coefficients at x = " << x);
            const int restCount = static_cast<int>(rest.size());
            EXPECT_NEAR(ChebyshevSum(c[0], rest.data(), restCount, x), DirectSum(asStored, x),
                        1e-12);
            const SeriesValue both = ChebyshevSumAndSlope(c[0], rest.data(), restCount, x);
            EXPECT_NEAR(both.value, DirectSum(asStored, x), 1e-12);
            EXPECT_NEAR(both.ratePerDay, DirectSlope(asStored, x), 1e-9);
        }
    }
}

TEST(ChebyshevSeries, SpansMapDaysOntoTheirOwnSeries) {
    // Two spans of 10 days from day 100: f = 5 + x in the first, 7 − 2x in the second.
    const std::array<double, 2> leading{5, 7};
    const std::array<float, 2> rest{1, -2};
    const SpanSeries series{100, 10, 2, 2, leading.data(), rest.data()};
    EXPECT_DOUBLE_EQ(SeriesAt(series, 100), 4);
    EXPECT_DOUBLE_EQ(SeriesAt(series, 105), 5);
    EXPECT_DOUBLE_EQ(SeriesAt(series, 107.5), 5.5);
    EXPECT_DOUBLE_EQ(SeriesAt(series, 110), 9);  // a boundary belongs to the later span
    EXPECT_DOUBLE_EQ(SeriesAt(series, 120), 5);  // the end of the last span
    // Rates are per day: x runs over 2 in 10 days.
    EXPECT_DOUBLE_EQ(SeriesAndRateAt(series, 103).ratePerDay, 0.2);
    EXPECT_DOUBLE_EQ(SeriesAndRateAt(series, 113).ratePerDay, -0.4);
    EXPECT_DOUBLE_EQ(SeriesAndRateAt(series, 113).value, SeriesAt(series, 113));
}

// A chart sums its series side by side; each sum must be the one-at-a-time sum to the last bit,
// for series of every length, at days across the tables and at their spans' ends.
TEST(ChebyshevSeries, SideBySideSumsAreTheSameBits) {
    namespace table = ephemeris;
    const auto& l = table::kLongitudes;
    const std::array<SpanSeries, 9> withRates{l[0],
                                              l[1],
                                              l[2],
                                              l[3],
                                              l[4],
                                              l[5],
                                              l[6],
                                              table::kTrueNodeWithoutNutation,
                                              table::kAyanamsasLessNutation[3]};
    const std::array<SpanSeries, 6> values{
        table::kNutationInLongitude, table::kSunDistance,
        table::kLatitudes[2],        table::kMeanObliquity,
        table::kNutationInObliquity, table::kMeanSiderealTimeLessRotation};
    for (double day = 2415384.5; day <= 2470173.5; day += 3.217) {
        for (const double julianDay : {day, std::floor(day / 32) * 32 + 0.5}) {
            std::array<SeriesPoint, withRates.size()> ratePoints;
            for (std::size_t i = 0; i < withRates.size(); ++i) {
                ratePoints[i] = PointOf(withRates[i], julianDay);
            }
            const auto rates = SeriesAndRatesSideBySide(ratePoints);
            for (std::size_t i = 0; i < withRates.size(); ++i) {
                const SeriesValue alone = SeriesAndRateAt(withRates[i], julianDay);
                ASSERT_EQ(rates[i].value, alone.value) << i << " at " << julianDay;
                ASSERT_EQ(rates[i].ratePerDay, alone.ratePerDay) << i << " at " << julianDay;
            }
            std::array<SeriesPoint, values.size()> valuePoints;
            for (std::size_t i = 0; i < values.size(); ++i) {
                valuePoints[i] = PointOf(values[i], julianDay);
            }
            const auto sums = SeriesSideBySide(valuePoints);
            for (std::size_t i = 0; i < values.size(); ++i) {
                ASSERT_EQ(sums[i], SeriesAt(values[i], julianDay)) << i << " at " << julianDay;
            }
        }
    }
}

}  // namespace
}  // namespace engine
