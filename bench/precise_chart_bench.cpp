// Charts from the precise ephemeris: the whole reading, and the sky alone. The Swiss
// Ephemeris's own calls for the same births are timed beside them (swiss_ephemeris_calls.cpp)
// where the library is installed.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/distinct_births.h"
#include "engine/precise_sky.h"
#include "reading/driver.h"

namespace {

void BM_PreciseChart_DistinctBirths(benchmark::State& state) {
    const std::vector<reading::BirthData>& births = bench::DistinctBirths();
    const reading::ChartSettings settings{reading::PositionsKind::kPreciseEphemeris,
                                          engine::AyanamsaMode::kLahiri, engine::NodeKind::kMean};
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(reading::CalculateReading(births[next], settings));
        next = next + 1 == births.size() ? 0 : next + 1;
    }
}
BENCHMARK(BM_PreciseChart_DistinctBirths);

void BM_PreciseSky_DistinctBirths(benchmark::State& state) {
    const std::vector<bench::BirthInstant>& instants = bench::DistinctBirthInstants();
    std::size_t next = 0;
    for (auto _ : state) {
        const bench::BirthInstant& birth = instants[next];
        benchmark::DoNotOptimize(
            engine::ComputePreciseSky(birth.julianDayUt, birth.latitude, birth.eastLongitude,
                                      engine::AyanamsaMode::kLahiri, engine::NodeKind::kMean));
        next = next + 1 == instants.size() ? 0 : next + 1;
    }
}
BENCHMARK(BM_PreciseSky_DistinctBirths);

}  // namespace
