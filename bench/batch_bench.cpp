// The command line's batch, row by row: reading CSV, calculating, and writing JSON lines.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

#include "bench/sample_births.h"
#include "cli/batch.h"
#include "cli/csv_reader.h"
#include "cli/reading_json.h"
#include "reading/driver.h"
#include "reading/random_births.h"

namespace {

// Output that goes nowhere, as to /dev/null: the benchmark times the batch, not a growing string.
class DiscardingBuffer : public std::streambuf {
  protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

constexpr int kBatchInputRows = 1000;

// A header and rows of births over a range of dates and zones.
std::string BatchInput() {
    std::string input(cli::kBatchHeader);
    input += '\n';
    for (int i = 0; i < kBatchInputRows; ++i) {
        input += "\"Person " + std::to_string(i) + ", Test\"," + std::to_string(1 + i % 28) + "," +
                 std::to_string(1 + i % 12) + "," + std::to_string(1901 + i % 150) + "," +
                 std::to_string(i % 25) + ",30," + std::to_string(i % 71) +
                 ",28,37,false,77,13,true,false,Delhi,Delhi,India\n";
    }
    return input;
}

void BM_ReadingJson_OneLine(benchmark::State& state) {
    const reading::BirthData birth = reading::SampleBirth();
    const reading::ChartReading chart = reading::CalculateReading(birth);
    std::string out;
    for (auto _ : state) {
        out.clear();
        cli::AppendReadingJson(out, birth, chart);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * out.size()));
}
BENCHMARK(BM_ReadingJson_OneLine);

// JSON lines of distinct charts in turn, into a line buffer used again, as a batch writes them:
// the digits and the lengths of the texts change from line to line as they do in a real file.
void BM_ReadingJson_DistinctCharts(benchmark::State& state) {
    constexpr std::size_t kCharts = 4096;
    const std::vector<reading::BirthData> births = reading::RandomBirths(kCharts, 11);
    std::vector<reading::ChartReading> charts;
    charts.reserve(kCharts);
    for (const reading::BirthData& birth : births) {
        charts.push_back(reading::CalculateReading(birth));
    }
    std::string out;
    std::size_t next = 0;
    for (auto _ : state) {
        out.clear();
        cli::AppendReadingJson(out, births[next], charts[next]);
        benchmark::DoNotOptimize(out.data());
        next = (next + 1) % kCharts;
    }
}
BENCHMARK(BM_ReadingJson_DistinctCharts);

// Reading the CSV alone: the part of the batch that runs on one core.
void BM_CsvRows(benchmark::State& state) {
    const std::string input = BatchInput();
    for (auto _ : state) {
        std::istringstream in(input);
        cli::CsvReader reader(in);
        cli::CsvRecord record;
        while (reader.Next(record)) {
            benchmark::DoNotOptimize(record.text.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * kBatchInputRows);
}
BENCHMARK(BM_CsvRows)->Unit(benchmark::kMicrosecond);

// Whole batch rows from text to text, without the files: per row, CSV fields into the form,
// validation and copy, the calculation, and the JSON line.
void BM_BatchRows(benchmark::State& state) {
    const std::string input = BatchInput();
    for (auto _ : state) {
        std::istringstream in(input);
        DiscardingBuffer discard;
        std::ostream out(&discard);
        benchmark::DoNotOptimize(cli::RunBatch(in, out));
    }
    state.SetItemsProcessed(state.iterations() * kBatchInputRows);
}
BENCHMARK(BM_BatchRows)->Unit(benchmark::kMillisecond);

}  // namespace
