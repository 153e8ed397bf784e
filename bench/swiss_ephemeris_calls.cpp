// The Swiss Ephemeris's own calls for a precise chart, for the same births as
// BM_PreciseSky_DistinctBirths: the Sun to Saturn and the node, sidereal with their speeds, and
// the sidereal ascendant and midheaven of the houses. Built where the library is installed; the
// programs never link it.
#include <benchmark/benchmark.h>

#include <swephexp.h>

#include <array>
#include <vector>

#include "bench/distinct_births.h"

namespace {

void BM_SwissEphemerisCalls_DistinctBirths(benchmark::State& state) {
    static char folder[] = SWISS_EPHEMERIS_FOLDER;
    swe_set_ephe_path(folder);
    swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
    constexpr std::array<int, 8> kBodies{SE_SUN,  SE_MOON,    SE_MERCURY, SE_VENUS,
                                         SE_MARS, SE_JUPITER, SE_SATURN,  SE_MEAN_NODE};
    const std::vector<bench::BirthInstant>& instants = bench::DistinctBirthInstants();
    std::size_t next = 0;
    for (auto _ : state) {
        const bench::BirthInstant& birth = instants[next];
        double result[6];
        char error[AS_MAXCH];
        for (const int body : kBodies) {
            swe_calc_ut(birth.julianDayUt, body, SEFLG_SWIEPH | SEFLG_SIDEREAL | SEFLG_SPEED,
                        result, error);
            benchmark::DoNotOptimize(result);
        }
        double cusps[13];
        double angles[10];
        swe_houses_ex(birth.julianDayUt, SEFLG_SIDEREAL, birth.latitude, birth.eastLongitude, 'P',
                      cusps, angles);
        benchmark::DoNotOptimize(angles);
        next = next + 1 == instants.size() ? 0 : next + 1;
    }
    swe_close();
}
BENCHMARK(BM_SwissEphemerisCalls_DistinctBirths);

}  // namespace
