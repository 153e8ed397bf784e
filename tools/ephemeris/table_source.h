#pragma once

#include <string>
#include <vector>

#include "tools/ephemeris/span_fit.h"

namespace ephemeris {

// A fitted quantity under the name its arrays take in the source, e.g. "SunLongitude".
struct NamedSeries {
    std::string name;
    std::string description;
    FittedSeries series;
};

// The engine's names that gather several quantities, e.g. "kLongitudes" over seven of them.
struct SeriesGroup {
    std::string name;
    std::vector<std::string> members;
};

// A short list of numbers under its engine name, e.g. "kDeflectionFactorInsideSun".
struct NamedNumbers {
    std::string name;
    std::vector<double> numbers;
};

// The generated engine/ephemeris_tables.cpp: a heading naming the source, every series' arrays,
// then the SpanSeries of each group and of each quantity outside a group, then the numbers.
std::string EphemerisTableSource(const std::string& sourceLine, const std::vector<NamedSeries>& all,
                                 const std::vector<SeriesGroup>& groups,
                                 const std::vector<NamedNumbers>& numbers);

}  // namespace ephemeris
