// The place atlas: reading it on first use, and searching it as the user types.
#include <benchmark/benchmark.h>

#include <string>

#include "places/atlas.h"
#include "places/builtin_atlas.h"

namespace {

// The whole first use: the built-in file unpacked and read.
void BM_AtlasLoad(benchmark::State& state) {
    for (auto _ : state) {
        places::Atlas::Loaded loaded = places::ReadBuiltInAtlas();
        benchmark::DoNotOptimize(loaded);
        state.counters["MiB held"] = loaded.atlas ? loaded.atlas->memoryBytes() / 1048576.0 : 0;
    }
}
BENCHMARK(BM_AtlasLoad)->Unit(benchmark::kMillisecond);

// Ten answers, each with the other name that found it, as the completions of the City field ask
// for.
void Search(benchmark::State& state, const char* text) {
    const places::Atlas& atlas = *places::BuiltInAtlas();
    const places::PlaceQuery query = places::ParsePlaceText(text);
    for (auto _ : state) {
        benchmark::DoNotOptimize(atlas.match(query, 10));
    }
}
BENCHMARK_CAPTURE(Search, OneLetter_s, "s")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, OneLetter_k, "k")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, ThreeLetters, "kol")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, OldName, "Calcutta")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, Accented, "São Paulo")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, OneLetterInACountry, "s, India")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, OneLetterInAStateAndCountry, "s, West Bengal, India")
    ->Unit(benchmark::kMicrosecond);

// A whole name, as --place and the batch's place column take it: "k" finds no place called so,
// and its refusal then offers the beginnings.
void WholeName(benchmark::State& state, const char* text) {
    const places::Atlas& atlas = *places::BuiltInAtlas();
    places::PlaceQuery query = places::ParsePlaceText(text);
    query.wholeName = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(atlas.search(query, 6));
    }
}
BENCHMARK_CAPTURE(WholeName, Kolkata, "Kolkata, India")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WholeName, OneLetter_k, "k")->Unit(benchmark::kMicrosecond);

// The slowest prefix there is: every one-letter prefix in turn, narrowed to a small country.
void BM_SearchEveryLetterNarrowed(benchmark::State& state) {
    const places::Atlas& atlas = *places::BuiltInAtlas();
    for (auto _ : state) {
        for (char letter = 'a'; letter <= 'z'; ++letter) {
            places::PlaceQuery query;
            query.city = std::string(1, letter);
            query.country = "Nepal";
            benchmark::DoNotOptimize(atlas.search(query, 10));
        }
    }
}
BENCHMARK(BM_SearchEveryLetterNarrowed)->Unit(benchmark::kMicrosecond);

}  // namespace
