#pragma once

#include <array>
#include <string>
#include <vector>

#include "reading/birth_data.h"
#include "reading/chart_settings.h"
#include "tools/accuracy/reference_sky.h"

namespace accuracy {

struct BodyAccuracy {
    double medianArcSeconds = 0;  // of the absolute error
    double percentile95ArcSeconds = 0;
    double largestArcSeconds = 0;
    int chartsInAnotherSign = 0;
    int chartsInAnotherNavamsa = 0;
};

struct AccuracySurvey {
    std::array<BodyAccuracy, kComparedBodyCount> bodies{};
    // Charts where some planet's retrograde mark disagrees with the sign of the library's speed.
    int chartsWithAnotherRetrograde = 0;
};

// The program's sky against the reference for every birth, calculated with the settings.
AccuracySurvey SurveyAccuracy(const std::vector<reading::BirthData>& births,
                              const reading::ChartSettings& settings);

// A Markdown table of the survey, one row a body, errors in minutes of arc or in seconds.
enum class ErrorUnit { kMinutes, kSeconds };
std::string AccuracyTable(const AccuracySurvey& survey, ErrorUnit unit);

// A Markdown table of the largest errors of several surveys side by side, in seconds of arc, one
// column a survey under its heading, and the charts with another retrograde mark below.
struct NamedSurvey {
    std::string heading;
    AccuracySurvey survey;
};
std::string LargestErrorsTable(const std::vector<NamedSurvey>& surveys);

}  // namespace accuracy
