#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "reading/birth_data.h"
#include "tools/accuracy/reference_sky.h"

namespace accuracy {

// Births spread over the program's whole range: 1901 to 2050, every zone of the list, both
// hemispheres, daylight saving on and off, latitudes up to 66° (above the polar circles the
// ascendant is not well defined). The same seed gives the same births on every machine.
std::vector<reading::BirthData> RandomBirths(std::size_t count, std::uint64_t seed);

struct BodyAccuracy {
    double medianMinutes = 0;  // of the absolute error, in minutes of arc
    double percentile95Minutes = 0;
    double largestMinutes = 0;
    int chartsInAnotherSign = 0;
};

using AccuracySurvey = std::array<BodyAccuracy, kComparedBodyCount>;

// The program's longitudes against the reference for every birth.
AccuracySurvey SurveyAccuracy(const std::vector<reading::BirthData>& births);

// A Markdown table of the survey, one row a body.
std::string AccuracyTable(const AccuracySurvey& survey);

}  // namespace accuracy
