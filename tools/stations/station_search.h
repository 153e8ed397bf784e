#pragma once

#include <cstdint>
#include <vector>

// Retrograde periods found in the Swiss Ephemeris: geocentric apparent ecliptic longitude, whose
// daily speed turns negative at the retrograde station and positive again at the direct station.

namespace stations {

// Minutes since 1970-01-01 00:00 UT.
using UtMinute = std::int64_t;

struct Period {
    UtMinute retrograde;
    UtMinute direct;
};

// Every period of the body (a Swiss Ephemeris planet number) whose retrograde station, rounded to
// the minute, falls on a day from firstDay to lastDay (days since 1970-01-01, both included).
// Each station is bisected to the second before rounding. Throws std::runtime_error when the
// ephemeris fails or its data files are missing (the library would fall back to a lesser theory).
std::vector<Period> FindRetrogradePeriods(int body, int firstDay, int lastDay);

}  // namespace stations
