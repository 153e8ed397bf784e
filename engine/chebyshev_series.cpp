#include "engine/chebyshev_series.h"

#include <algorithm>
#include <cmath>

namespace engine {

// In the recurrences, c_k − b_{k+2} is formed first: it does not wait for b_{k+1}, so each step
// waits for one multiplication and one addition instead of three operations in a row.

double ChebyshevSum(double leading, const float* rest, int restCount, double x) {
    // b_k = c_k + 2x b_{k+1} − b_{k+2}, down to k = 1; the sum is c_0 + x b_1 − b_2.
    const double twoX = 2 * x;
    double next = 0;
    double afterNext = 0;
    for (int k = restCount; k >= 1; --k) {
        const double current = (rest[k - 1] - afterNext) + twoX * next;
        afterNext = next;
        next = current;
    }
    return leading + x * next - afterNext;
}

SeriesValue ChebyshevSumAndSlope(double leading, const float* rest, int restCount, double x) {
    // The recurrence above and its derivative with respect to x, side by side.
    const double twoX = 2 * x;
    double next = 0;
    double afterNext = 0;
    double nextSlope = 0;
    double afterNextSlope = 0;
    for (int k = restCount; k >= 1; --k) {
        const double current = (rest[k - 1] - afterNext) + twoX * next;
        const double currentSlope = (2 * next - afterNextSlope) + twoX * nextSlope;
        afterNext = next;
        next = current;
        afterNextSlope = nextSlope;
        nextSlope = currentSlope;
    }
    return {leading + x * next - afterNext, next + x * nextSlope - afterNextSlope};
}

double SeriesAt(const SpanSeries& series, double julianDay) {
    const SeriesPoint point = PointOf(series, julianDay);
    return ChebyshevSum(point.leading, point.rest, point.restCount, point.x);
}

SeriesValue SeriesAndRateAt(const SpanSeries& series, double julianDay) {
    const SeriesPoint point = PointOf(series, julianDay);
    const SeriesValue sum =
        ChebyshevSumAndSlope(point.leading, point.rest, point.restCount, point.x);
    return {sum.value, sum.ratePerDay * 2 / series.spanDays};
}

}  // namespace engine
