#pragma once

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

// The sum of c[k] T_k(x) for x in [-1, 1] by Clenshaw's recurrence.
double ChebyshevSum(double leading, const float* rest, int restCount, double x);

// The sum and its derivative with respect to x.
SeriesValue ChebyshevSumAndSlope(double leading, const float* rest, int restCount, double x);

// The quantity at a Julian day; days before the first span or after the last are read from the
// nearest span's series.
double SeriesAt(const SpanSeries& series, double julianDay);

// The quantity and its rate a day.
SeriesValue SeriesAndRateAt(const SpanSeries& series, double julianDay);

}  // namespace engine
