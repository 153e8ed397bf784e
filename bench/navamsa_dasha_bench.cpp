// The navamsa and the Vimshottari dasha: what they add to a chart.
#include <benchmark/benchmark.h>

#include "bench/sample_births.h"
#include "reading/driver.h"
#include "reading/navamsa.h"
#include "reading/vimshottari_dasha.h"

namespace {

// The ten navamsa signs from the reading's long texts.
void BM_NavamsaOf(benchmark::State& state) {
    const reading::ChartReading chart = reading::CalculateReading(reading::SampleBirth());
    for (auto _ : state) {
        benchmark::DoNotOptimize(reading::NavamsaOf(chart.planetLongPositions));
    }
}
BENCHMARK(BM_NavamsaOf);

// The nine mahadashas and 81 antardashas of the Delhi birth.
void BM_VimshottariDasha(benchmark::State& state) {
    const reading::BirthData birth = reading::SampleBirth();
    const reading::ChartReading chart = reading::CalculateReading(birth);
    for (auto _ : state) {
        benchmark::DoNotOptimize(reading::ComputeVimshottariDasha(birth, chart));
    }
}
BENCHMARK(BM_VimshottariDasha);

// A whole chart, navamsa included, with its dasha: set beside BM_WholeChart_VariedBirths.
void BM_WholeChartWithDasha_VariedBirths(benchmark::State& state) {
    const auto births = bench::VariedBirths();
    std::size_t next = 0;
    for (auto _ : state) {
        const reading::ChartReading chart = reading::CalculateReading(births[next]);
        benchmark::DoNotOptimize(chart);
        benchmark::DoNotOptimize(reading::ComputeVimshottariDasha(births[next], chart));
        next = (next + 1) % births.size();
    }
}
BENCHMARK(BM_WholeChartWithDasha_VariedBirths);

}  // namespace
