#include "tools/accuracy/survey.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace accuracy {

namespace {

// Seconds of arc between two longitudes, the short way round.
double SeparationArcSeconds(double a, double b) {
    const double difference = std::remainder(a - b, 360.0);
    return std::fabs(difference) * 3600;
}

// The index of the twelfth (a sign) or the hundred-and-eighth (a navamsa) of the circle.
int PartOf(double longitude, int parts) {
    return static_cast<int>(std::floor(longitude / (360.0 / parts))) % parts;
}

// Quantile of sorted values, by the nearest rank.
double Quantile(const std::vector<double>& sorted, double fraction) {
    const auto rank = static_cast<std::size_t>(std::ceil(fraction * sorted.size()));
    return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

}  // namespace

AccuracySurvey SurveyAccuracy(const std::vector<reading::BirthData>& births,
                              const reading::ChartSettings& settings) {
    std::array<std::vector<double>, kComparedBodyCount> errors;
    AccuracySurvey survey;
    for (const reading::BirthData& birth : births) {
        const ComparedSky program = ProgramSky(birth, settings);
        const ComparedSky reference = ReferenceSky(birth, settings);
        for (int body = 0; body < kComparedBodyCount; ++body) {
            const double ours = program.longitudes[body];
            const double theirs = reference.longitudes[body];
            errors[body].push_back(SeparationArcSeconds(ours, theirs));
            survey.bodies[body].chartsInAnotherSign += PartOf(ours, 12) != PartOf(theirs, 12);
            survey.bodies[body].chartsInAnotherNavamsa += PartOf(ours, 108) != PartOf(theirs, 108);
        }
        survey.chartsWithAnotherRetrograde += program.retrograde != reference.retrograde;
    }
    for (int body = 0; body < kComparedBodyCount && !births.empty(); ++body) {
        std::vector<double>& sorted = errors[body];
        std::sort(sorted.begin(), sorted.end());
        survey.bodies[body].medianArcSeconds = Quantile(sorted, 0.5);
        survey.bodies[body].percentile95ArcSeconds = Quantile(sorted, 0.95);
        survey.bodies[body].largestArcSeconds = sorted.back();
    }
    return survey;
}

std::string AccuracyTable(const AccuracySurvey& survey, ErrorUnit unit) {
    const bool minutes = unit == ErrorUnit::kMinutes;
    const double scale = minutes ? 1 / 60.0 : 1;
    const char* mark = minutes ? "′" : "″";
    std::string table =
        "| body | median | 95th percentile | largest | charts in another sign | in another "
        "navamsa |\n"
        "|---|---:|---:|---:|---:|---:|\n";
    for (int body = 0; body < kComparedBodyCount; ++body) {
        const BodyAccuracy& row = survey.bodies[body];
        char line[200];
        std::snprintf(line, sizeof line, "| %s | %.*f%s | %.*f%s | %.*f%s | %d | %d |\n",
                      std::string(ComparedBodyName(body)).c_str(), minutes ? 2 : 3,
                      row.medianArcSeconds * scale, mark, minutes ? 2 : 3,
                      row.percentile95ArcSeconds * scale, mark, minutes ? 2 : 3,
                      row.largestArcSeconds * scale, mark, row.chartsInAnotherSign,
                      row.chartsInAnotherNavamsa);
        table += line;
    }
    char line[120];
    std::snprintf(line, sizeof line,
                  "\nCharts with some retrograde mark unlike the reference: %d\n",
                  survey.chartsWithAnotherRetrograde);
    return table + line;
}

std::string LargestErrorsTable(const std::vector<NamedSurvey>& surveys) {
    std::string table = "| largest error |";
    std::string rule = "|---|";
    for (const NamedSurvey& named : surveys) {
        table.append(" ").append(named.heading).append(" |");
        rule += "---:|";
    }
    table.append("\n").append(rule).append("\n");
    char cell[40];
    for (int body = 0; body < kComparedBodyCount; ++body) {
        table.append("| ").append(ComparedBodyName(body)).append(" |");
        for (const NamedSurvey& named : surveys) {
            std::snprintf(cell, sizeof cell, " %.3f″ |",
                          named.survey.bodies[body].largestArcSeconds);
            table += cell;
        }
        table += "\n";
    }
    table += "| retrograde marks unlike the reference |";
    for (const NamedSurvey& named : surveys) {
        // Appended piece by piece: GCC's -O3 misreads a chain of additions as overlapping copies.
        table.append(" ")
            .append(std::to_string(named.survey.chartsWithAnotherRetrograde))
            .append(" |");
    }
    return table + "\n";
}

}  // namespace accuracy
