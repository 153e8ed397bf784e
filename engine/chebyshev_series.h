#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

namespace engine {

// A quantity given piecewise over equal spans of time by Chebyshev series. Each span keeps its
// first coefficient in double precision (it carries the size of the value) and the others in
// single precision, which holds them to well under a thousandth of a second of arc.
struct SpanSeries {
    double firstDay;  // Julian day (UT) where the first span begins
    double spanDays;  // length of every span, days
    int spanCount;
    int coefficientCount;   // per span, the first included
    const double* leading;  // spanCount first coefficients
    const float* rest;      // spanCount × (coefficientCount − 1) further coefficients
};

struct SeriesValue {
    double value;       // in the quantity's unit
    double ratePerDay;  // its derivative, unit a day
};

// Where a day falls in a series: its span's coefficients and the day's place x in [-1, 1].
struct SeriesPoint {
    double leading;
    const float* rest;
    int restCount;
    double x;
    double spanDays;
};

// The sum of c[k] T_k(x) for x in [-1, 1] by Clenshaw's recurrence.
double ChebyshevSum(double leading, const float* rest, int restCount, double x);

// The sum and its derivative with respect to x.
SeriesValue ChebyshevSumAndSlope(double leading, const float* rest, int restCount, double x);

// The span a day falls in; days before the first span or after the last are read from the
// nearest span's series. In the header, so that a chart's two dozen look-ups, each waiting for a
// division, are worked out side by side.
inline SeriesPoint PointOf(const SpanSeries& series, double julianDay) {
    const double spans = (julianDay - series.firstDay) / series.spanDays;
    // Truncation is the floor wherever the span is not clamped to the first.
    const int span = std::clamp(static_cast<int>(spans), 0, series.spanCount - 1);
    const int restCount = series.coefficientCount - 1;
    return {series.leading[span], series.rest + span * restCount, restCount, 2 * (spans - span) - 1,
            series.spanDays};
}

// The quantity at a Julian day; days before the first span or after the last are read from the
// nearest span's series.
double SeriesAt(const SpanSeries& series, double julianDay);

// The quantity and its rate a day.
SeriesValue SeriesAndRateAt(const SpanSeries& series, double julianDay);

// Several series, each at its own point, with the very operations of ChebyshevSum and
// SeriesAndRateAt, so each result is the same to the last bit. Each step of a recurrence waits
// for the step before; written out here in one piece, one series' steps are worked on while
// another's wait, where calls one by one left the processor idle.
template <std::size_t N>
std::array<double, N> SeriesSideBySide(const std::array<SeriesPoint, N>& points) {
    std::array<double, N> sums;
    for (std::size_t i = 0; i < N; ++i) {
        const SeriesPoint& p = points[i];
        const double twoX = 2 * p.x;
        double next = 0;
        double afterNext = 0;
        for (int k = p.restCount; k >= 1; --k) {
            const double current = (p.rest[k - 1] - afterNext) + twoX * next;
            afterNext = next;
            next = current;
        }
        sums[i] = p.leading + p.x * next - afterNext;
    }
    return sums;
}

template <std::size_t N>
std::array<SeriesValue, N> SeriesAndRatesSideBySide(const std::array<SeriesPoint, N>& points) {
    std::array<SeriesValue, N> values;
    for (std::size_t i = 0; i < N; ++i) {
        const SeriesPoint& p = points[i];
        const double twoX = 2 * p.x;
        double next = 0;
        double afterNext = 0;
        double nextSlope = 0;
        double afterNextSlope = 0;
        for (int k = p.restCount; k >= 1; --k) {
            const double current = (p.rest[k - 1] - afterNext) + twoX * next;
            const double currentSlope = (2 * next - afterNextSlope) + twoX * nextSlope;
            afterNext = next;
            next = current;
            afterNextSlope = nextSlope;
            nextSlope = currentSlope;
        }
        const double slope = next + p.x * nextSlope - afterNextSlope;
        values[i] = {p.leading + p.x * next - afterNext, slope * 2 / p.spanDays};
    }
    return values;
}

}  // namespace engine
