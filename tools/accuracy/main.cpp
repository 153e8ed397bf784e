// Prints how far the program's sidereal positions lie from the Swiss Ephemeris over seeded
// random births, as the Markdown tables the README shows: the mean elements (against Lahiri's
// ayanamsa and the mean node), the precise ephemeris with the default choices, and the largest
// errors of the precise ephemeris with every ayanamsa and node. Usage:
//   accuracy-table [BIRTHS [SEED]]
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "reading/random_births.h"
#include "tools/accuracy/survey.h"

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 2000;
    const unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    if (count <= 0) {
        std::fprintf(stderr, "usage: accuracy-table [BIRTHS [SEED]]\n");
        return 2;
    }
    const auto births = reading::RandomBirths(static_cast<std::size_t>(count), seed);
    std::printf("%ld births, 1901 to 2050, seed %llu\n\n", count, seed);
    std::printf(
        "Mean elements, against Lahiri's ayanamsa and the mean node; minutes of arc\n\n%s\n",
        accuracy::AccuracyTable(accuracy::SurveyAccuracy(births, {}), accuracy::ErrorUnit::kMinutes)
            .c_str());
    std::vector<accuracy::NamedSurvey> surveys;
    for (const engine::AyanamsaMode ayanamsa :
         {engine::AyanamsaMode::kLahiri, engine::AyanamsaMode::kRaman,
          engine::AyanamsaMode::kKrishnamurti, engine::AyanamsaMode::kTrueChitrapaksha}) {
        for (const engine::NodeKind node : {engine::NodeKind::kMean, engine::NodeKind::kTrue}) {
            const reading::ChartSettings settings{reading::PositionsKind::kPreciseEphemeris,
                                                  ayanamsa, node};
            surveys.push_back({std::string(reading::WordOf(ayanamsa)) + ", " +
                                   std::string(reading::WordOf(node)) + " node",
                               accuracy::SurveyAccuracy(births, settings)});
        }
    }
    std::printf(
        "Precise ephemeris, Lahiri's ayanamsa and the mean node; seconds of arc\n\n%s\n",
        accuracy::AccuracyTable(surveys.front().survey, accuracy::ErrorUnit::kSeconds).c_str());
    std::printf("Precise ephemeris, every ayanamsa and node\n\n%s",
                accuracy::LargestErrorsTable(surveys).c_str());
    return 0;
}
