#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/chebyshev_series.h"

namespace ephemeris {

// Equal spans of time covering a range of Julian days.
struct SpanGrid {
    double firstDay;
    double spanDays;
    int spanCount;
};

// Spans from the first day on, enough to reach the last.
SpanGrid GridFrom(double firstDay, double lastDay, double spanDays);

// Spans one of whose boundaries falls on an anchor day, covering the first to the last day.
SpanGrid GridThrough(double anchorDay, double firstDay, double lastDay, double spanDays);

// A quantity's Chebyshev series on a grid, as the engine reads them.
struct FittedSeries {
    SpanGrid grid;
    int coefficientCount = 0;
    std::vector<double> leading;
    std::vector<float> rest;

    engine::SpanSeries View() const;
};

// Interpolates the quantity at the Chebyshev nodes of every span (which is within a hair of
// the best fit of that degree). An angle is unwrapped within each span, so a series may run
// past 360°; the reader brings it back into the circle. The coefficients after the first are
// written with as few digits as keep them within the tolerance (in the quantity's unit), or
// exact where single precision is coarser.
FittedSeries FitSeries(const SpanGrid& grid, int coefficientCount,
                       const std::function<double(double)>& quantity, bool isAngle,
                       double tolerance);

// The largest difference, in the quantity's unit, between a computed and a true value over
// points spread through every span (the midpoints between nodes and the span ends), with angles
// compared across 0°, from the first day to the last.
struct Difference {
    double largest = 0;
    double atDay = 0;
};
Difference LargestDifference(const SpanGrid& grid, double firstDay, double lastDay,
                             int pointsPerSpan, const std::function<double(double)>& computed,
                             const std::function<double(double)>& truth, bool isAngle);

}  // namespace ephemeris
