#include "tools/accuracy/survey.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace accuracy {

namespace {

// Minutes of arc between two longitudes, the short way round.
double SeparationMinutes(double a, double b) {
    const double difference = std::remainder(a - b, 360.0);
    return std::fabs(difference) * 60;
}

int SignOf(double longitude) {
    return static_cast<int>(std::floor(longitude / 30)) % 12;
}

// Quantile of sorted values, by the nearest rank.
double Quantile(const std::vector<double>& sorted, double fraction) {
    const auto rank = static_cast<std::size_t>(std::ceil(fraction * sorted.size()));
    return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

}  // namespace

AccuracySurvey SurveyAccuracy(const std::vector<reading::BirthData>& births) {
    std::array<std::vector<double>, kComparedBodyCount> errors;
    AccuracySurvey survey{};
    for (const reading::BirthData& birth : births) {
        const SkyLongitudes program = ProgramLongitudes(birth);
        const SkyLongitudes reference = ReferenceLongitudes(birth);
        for (int body = 0; body < kComparedBodyCount; ++body) {
            errors[body].push_back(SeparationMinutes(program[body], reference[body]));
            if (SignOf(program[body]) != SignOf(reference[body])) {
                ++survey[body].chartsInAnotherSign;
            }
        }
    }
    for (int body = 0; body < kComparedBodyCount && !births.empty(); ++body) {
        std::vector<double>& sorted = errors[body];
        std::sort(sorted.begin(), sorted.end());
        survey[body].medianMinutes = Quantile(sorted, 0.5);
        survey[body].percentile95Minutes = Quantile(sorted, 0.95);
        survey[body].largestMinutes = sorted.back();
    }
    return survey;
}

std::string AccuracyTable(const AccuracySurvey& survey) {
    std::string table =
        "| body | median | 95th percentile | largest | charts in another sign |\n"
        "|---|---:|---:|---:|---:|\n";
    for (int body = 0; body < kComparedBodyCount; ++body) {
        const BodyAccuracy& row = survey[body];
        char line[160];
        std::snprintf(line, sizeof line, "| %s | %.2f′ | %.2f′ | %.2f′ | %d |\n",
                      std::string(ComparedBodyName(body)).c_str(), row.medianMinutes,
                      row.percentile95Minutes, row.largestMinutes, row.chartsInAnotherSign);
        table += line;
    }
    return table;
}

}  // namespace accuracy
