// Prints how far the program's sidereal positions lie from the Swiss Ephemeris (Lahiri ayanamsa,
// mean node) over seeded random births, as the Markdown table the README shows. Usage:
//   accuracy-table [BIRTHS [SEED]]
#include <cstdio>
#include <cstdlib>

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
    std::printf("%ld births, 1901 to 2050, seed %llu; errors in minutes of arc\n\n%s", count, seed,
                accuracy::AccuracyTable(accuracy::SurveyAccuracy(births)).c_str());
    return 0;
}
