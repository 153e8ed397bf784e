#pragma once

#include <array>
#include <string>
#include <vector>

#include "reading/birth_data.h"
#include "tools/accuracy/reference_sky.h"

namespace accuracy {

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
