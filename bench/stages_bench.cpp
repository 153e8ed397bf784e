// Each stage of a calculation on its own, for the Delhi birth of 15 June 1980.
#include <benchmark/benchmark.h>

#include "bench/sample_births.h"
#include "engine/angles.h"
#include "engine/ascendant.h"
#include "engine/ayanamsa.h"
#include "engine/birth_moment.h"
#include "engine/calendar.h"
#include "engine/lunar_node.h"
#include "engine/moon.h"
#include "engine/planets.h"
#include "reading/nakshatra_lookup.h"
#include "reading/stages.h"

namespace {

// 1980-06-15 05:00 UT.
constexpr double kDaysFromJ2000 = -7139.2916666667;
constexpr double kCenturiesFromJ2000 = kDaysFromJ2000 / 36525.0;
constexpr double kCenturiesFrom1900 = 0.8045367556;
constexpr double kSunLongitude = 84.5241;

// Angles and position texts.

void BM_ArcTan2(benchmark::State& state) {
    double y = 0.3;
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::ArcTan2(y, -0.7));
        benchmark::DoNotOptimize(y);
    }
}
BENCHMARK(BM_ArcTan2);

void BM_LongPositionText(benchmark::State& state) {
    double longitude = kSunLongitude;
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::LongPositionText(longitude));
        benchmark::DoNotOptimize(longitude);
    }
}
BENCHMARK(BM_LongPositionText);

void BM_ShortPositionText(benchmark::State& state) {
    const std::string longText = engine::LongPositionText(kSunLongitude);
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::ShortPositionText(longText));
    }
}
BENCHMARK(BM_ShortPositionText);

void BM_SignedAngleText(benchmark::State& state) {
    double angle = -23.581854;
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::SignedAngleText(angle));
        benchmark::DoNotOptimize(angle);
    }
}
BENCHMARK(BM_SignedAngleText);

// Time, Julian day and ayanamsa.

void BM_UniversalDateTimeAndDays(benchmark::State& state) {
    const engine::CivilDateTime local{1980, 6, 15, 10, 30};
    for (auto _ : state) {
        const engine::CivilDateTime universal = engine::UniversalDateTime(local, -5, -30, false);
        benchmark::DoNotOptimize(engine::DaysFromJ2000(universal));
    }
}
BENCHMARK(BM_UniversalDateTimeAndDays);

void BM_JulianDayAndCenturies(benchmark::State& state) {
    int day = 15;
    for (auto _ : state) {
        const double julianDay = engine::JulianDayNumber(day, 6, 1980);
        benchmark::DoNotOptimize(engine::CenturiesFrom1900(julianDay, 5.0));
        benchmark::DoNotOptimize(day);
    }
}
BENCHMARK(BM_JulianDayAndCenturies);

void BM_AyanamsaCorrection(benchmark::State& state) {
    double centuries = kCenturiesFrom1900;
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::AyanamsaCorrection(centuries));
        benchmark::DoNotOptimize(centuries);
    }
}
BENCHMARK(BM_AyanamsaCorrection);

// Ascendant and midheaven, with their texts and the ayanamsa text.

void BM_ComputeAscendant_Engine(benchmark::State& state) {
    const engine::AscendantInput input{kCenturiesFrom1900, 5.0, -(77 + 13 / 60.0), 28 + 37 / 60.0};
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::ComputeAscendant(input));
    }
}
BENCHMARK(BM_ComputeAscendant_Engine);

void BM_ComputeAscendant_FromBirth(benchmark::State& state) {
    const reading::BirthData birth = reading::SampleBirth();
    for (auto _ : state) {
        benchmark::DoNotOptimize(reading::ComputeAscendant(birth));
    }
}
BENCHMARK(BM_ComputeAscendant_FromBirth);

// Planets from orbital elements.

void BM_OrbitalElements(benchmark::State& state) {
    double days = kDaysFromJ2000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::OrbitalElements(engine::OrbitBody::kMars, days));
        benchmark::DoNotOptimize(days);
    }
}
BENCHMARK(BM_OrbitalElements);

void BM_TrueAnomaly(benchmark::State& state) {
    double meanAnomaly = 2.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::TrueAnomaly(meanAnomaly, 0.20563069));
        benchmark::DoNotOptimize(meanAnomaly);
    }
}
BENCHMARK(BM_TrueAnomaly);

void BM_PlanetLongitude_Mars(benchmark::State& state) {
    double days = kDaysFromJ2000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::PlanetLongitude(engine::Planet::kMars, days));
        benchmark::DoNotOptimize(days);
    }
}
BENCHMARK(BM_PlanetLongitude_Mars);

void BM_PlanetLongitudes_AllSix(benchmark::State& state) {
    double days = kDaysFromJ2000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::PlanetLongitudes(days));
        benchmark::DoNotOptimize(days);
    }
}
BENCHMARK(BM_PlanetLongitudes_AllSix);

void BM_RahuAndKetu(benchmark::State& state) {
    double days = kDaysFromJ2000;
    for (auto _ : state) {
        const double rahu = engine::RahuLongitude(days, -23.581854);
        benchmark::DoNotOptimize(engine::KetuLongitude(rahu));
        benchmark::DoNotOptimize(days);
    }
}
BENCHMARK(BM_RahuAndKetu);

// The Moon.

void BM_MoonSiderealLongitude(benchmark::State& state) {
    double centuries = kCenturiesFromJ2000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::MoonSiderealLongitude(centuries));
        benchmark::DoNotOptimize(centuries);
    }
}
BENCHMARK(BM_MoonSiderealLongitude);

void BM_DeriveMoonReading(benchmark::State& state) {
    const reading::BirthData birth = reading::SampleBirth();
    for (auto _ : state) {
        benchmark::DoNotOptimize(reading::DeriveMoonReading(birth));
    }
}
BENCHMARK(BM_DeriveMoonReading);

// The reading-level stages.

void BM_ComputePlanetPositions(benchmark::State& state) {
    const reading::BirthData birth = reading::SampleBirth();
    const engine::AscendantResult ascendant = reading::ComputeAscendant(birth);
    const reading::MoonReading moon = reading::DeriveMoonReading(birth);
    for (auto _ : state) {
        benchmark::DoNotOptimize(reading::ComputePlanetPositions(birth, ascendant, moon));
    }
}
BENCHMARK(BM_ComputePlanetPositions);

void BM_LookUpLordAndPada(benchmark::State& state) {
    const reading::MoonReading moon = reading::DeriveMoonReading(reading::SampleBirth());
    for (auto _ : state) {
        benchmark::DoNotOptimize(reading::LookUpLordAndPada(moon.nakshatra, moon.positionText));
    }
}
BENCHMARK(BM_LookUpLordAndPada);

}  // namespace
