#include "tools/ephemeris/span_fit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>

namespace ephemeris {

namespace {

// The number with the fewest significant digits within a tolerance of a value, so that the
// generated source is no longer than the precision it needs.
constexpr double kLeadingTolerance = 1e-10;

template <typename Number>
Number Shortened(double value, double tolerance) {
    for (int digits = 1; digits <= 17; ++digits) {
        char text[40];
        std::snprintf(text, sizeof text, "%.*g", digits, value);
        const Number shortened = static_cast<Number>(std::strtod(text, nullptr));
        if (std::fabs(shortened - value) <= tolerance || shortened == static_cast<Number>(value)) {
            return shortened;
        }
    }
    return static_cast<Number>(value);
}

double NearestTurn(double degrees, double reference) {
    return degrees + 360 * std::round((reference - degrees) / 360);
}

}  // namespace

SpanGrid GridFrom(double firstDay, double lastDay, double spanDays) {
    return {firstDay, spanDays, static_cast<int>(std::ceil((lastDay - firstDay) / spanDays))};
}

SpanGrid GridThrough(double anchorDay, double firstDay, double lastDay, double spanDays) {
    const double start = anchorDay - spanDays * std::ceil((anchorDay - firstDay) / spanDays);
    return GridFrom(start, lastDay, spanDays);
}

engine::SpanSeries FittedSeries::View() const {
    return {grid.firstDay,    grid.spanDays,  grid.spanCount,
            coefficientCount, leading.data(), rest.data()};
}

FittedSeries FitSeries(const SpanGrid& grid, int coefficientCount,
                       const std::function<double(double)>& quantity, bool isAngle,
                       double tolerance) {
    const int n = coefficientCount;
    FittedSeries series{grid, n, {}, {}};
    std::vector<double> values(n);
    for (int span = 0; span < grid.spanCount; ++span) {
        const double start = grid.firstDay + span * grid.spanDays;
        // Node j sits at x = cos(π (j + ½) / n); the last node is the earliest.
        for (int j = n - 1; j >= 0; --j) {
            const double x = std::cos(std::numbers::pi * (j + 0.5) / n);
            values[j] = quantity(start + (x + 1) / 2 * grid.spanDays);
            if (isAngle && j < n - 1) {
                values[j] = NearestTurn(values[j], values[j + 1]);
            }
        }
        for (int k = 0; k < n; ++k) {
            double sum = 0;
            for (int j = 0; j < n; ++j) {
                sum += values[j] * std::cos(std::numbers::pi * k * (j + 0.5) / n);
            }
            const double coefficient = sum * (k == 0 ? 1.0 : 2.0) / n;
            if (k == 0) {
                series.leading.push_back(Shortened<double>(coefficient, kLeadingTolerance));
            } else {
                series.rest.push_back(Shortened<float>(coefficient, tolerance));
            }
        }
    }
    return series;
}

Difference LargestDifference(const SpanGrid& grid, double firstDay, double lastDay,
                             int pointsPerSpan, const std::function<double(double)>& computed,
                             const std::function<double(double)>& truth, bool isAngle) {
    Difference largest;
    for (int span = 0; span < grid.spanCount; ++span) {
        const double start = grid.firstDay + span * grid.spanDays;
        for (int i = 0; i <= pointsPerSpan; ++i) {
            // Points crowd towards the ends as the nodes do, and include both ends.
            const double x = -std::cos(std::numbers::pi * i / pointsPerSpan);
            const double day =
                std::min(start + (x + 1) / 2 * grid.spanDays, start + grid.spanDays * (1 - 1e-9));
            if (day < firstDay || day > lastDay) {
                continue;
            }
            double difference = computed(day) - truth(day);
            if (isAngle) {
                difference = NearestTurn(difference, 0);
            }
            if (std::fabs(difference) > largest.largest) {
                largest = {std::fabs(difference), day};
            }
        }
    }
    return largest;
}

}  // namespace ephemeris
