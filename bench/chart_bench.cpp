// Whole calculations: from the birth details to the complete reading, texts included.
#include <benchmark/benchmark.h>

#include "bench/distinct_births.h"
#include "bench/sample_births.h"
#include "reading/driver.h"
#include "reading/random_births.h"

namespace {

void BM_WholeChart_Delhi(benchmark::State& state) {
    const reading::BirthData birth = reading::SampleBirth();
    for (auto _ : state) {
        benchmark::DoNotOptimize(reading::CalculateReading(birth));
    }
}
BENCHMARK(BM_WholeChart_Delhi);

void BM_WholeChart_VariedBirths(benchmark::State& state) {
    const auto births = bench::VariedBirths();
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(reading::CalculateReading(births[next]));
        next = (next + 1) % births.size();
    }
}
BENCHMARK(BM_WholeChart_VariedBirths);

// 100 000 distinct random births in turn: too many for the branch predictor and the caches to
// learn, so this is what a batch of real births costs.
void BM_WholeChart_DistinctBirths(benchmark::State& state) {
    const std::vector<reading::BirthData>& births = bench::DistinctBirths();
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(reading::CalculateReading(births[next]));
        next = next + 1 == births.size() ? 0 : next + 1;
    }
}
BENCHMARK(BM_WholeChart_DistinctBirths);

// What the window and the command line run per chart: validation, copy into the birth record,
// the calculation, and the records replaced.
void BM_RunCalculation_FromForm(benchmark::State& state) {
    const reading::FormValues form{
        .name = "Asha Rao",
        .dayIndex = 14,
        .monthIndex = 5,
        .yearIndex = 1980 - reading::kFirstYear,
        .hourIndex = 10,
        .minuteIndex = 30,
        .zoneIndex = 34,
        .latitudeDegrees = "28",
        .latitudeMinutes = "37",
        .longitudeDegrees = "77",
        .longitudeMinutes = "13",
        .north = true,
        .east = true,
        .city = "Delhi",
        .state = "Delhi",
        .country = "India",
        .clockOffsetMinutes = std::nullopt,
    };
    reading::BirthData birth;
    reading::ChartReading chart;
    for (auto _ : state) {
        benchmark::DoNotOptimize(reading::RunCalculation(form, birth, chart));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RunCalculation_FromForm);

void BM_UniversalInstant(benchmark::State& state) {
    const reading::BirthData birth = reading::SampleBirth();
    for (auto _ : state) {
        benchmark::DoNotOptimize(reading::UniversalInstant(birth));
    }
}
BENCHMARK(BM_UniversalInstant);

}  // namespace
