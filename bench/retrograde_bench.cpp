#include <benchmark/benchmark.h>

#include "engine/retrograde.h"

namespace {

// The five look-ups of one calculation: Mercury to Saturn for one birth.
void BM_RetrogradeFlagsForOneBirth(benchmark::State& state) {
    engine::CivilDateTime birth{1976, 7, 14, 6, 30};
    for (auto _ : state) {
        benchmark::DoNotOptimize(birth);
        benchmark::DoNotOptimize(engine::RetrogradeFlags(birth));
    }
}
BENCHMARK(BM_RetrogradeFlagsForOneBirth);

// Births spread over the form's years, so the searches do not always take the same path.
void BM_RetrogradeFlagsAcrossYears(benchmark::State& state) {
    int year = 1901;
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::RetrogradeFlags({year, 5, 17, 12, 0}));
        year = year == 2050 ? 1901 : year + 1;
    }
}
BENCHMARK(BM_RetrogradeFlagsAcrossYears);

}  // namespace
