#include "tools/stations/station_search.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include <swephexp.h>

namespace stations {
namespace {

constexpr double kUnixEpochJulianDay = 2440587.5;  // 1970-01-01 00:00 UT
constexpr double kSecondInDays = 1.0 / 86400.0;
// Mercury's shortest retrograde period lasts about 19 days, so a one-day step cannot jump over a
// pair of stations.
constexpr double kStepDays = 1.0;
// Scan this far past the last day so the last period's direct station is found.
constexpr double kTrailingDays = 200.0;

double LongitudeSpeed(int body, double julianDayUt) {
    double result[6] = {};
    char error[AS_MAXCH] = {};
    const int32 flags = SEFLG_SWIEPH | SEFLG_SPEED;
    const int32 used = swe_calc_ut(julianDayUt, body, flags, result, error);
    if (used < 0) {
        throw std::runtime_error(std::string("Swiss Ephemeris: ") + error);
    }
    if ((used & SEFLG_SWIEPH) == 0) {
        throw std::runtime_error("Swiss Ephemeris data files not found (" + std::string(error) +
                                 "); pass their folder with --ephemeris");
    }
    return result[3];  // degrees per day
}

// The instant within [before, after] where the speed changes sign, to within a second.
double BisectStation(int body, double before, double after) {
    const bool signBefore = LongitudeSpeed(body, before) < 0.0;
    while (after - before > kSecondInDays) {
        const double middle = 0.5 * (before + after);
        if ((LongitudeSpeed(body, middle) < 0.0) == signBefore) {
            before = middle;
        } else {
            after = middle;
        }
    }
    return 0.5 * (before + after);
}

UtMinute NearestMinute(double julianDayUt) {
    const auto seconds = std::llround((julianDayUt - kUnixEpochJulianDay) * 86400.0);
    return static_cast<UtMinute>(std::floor((static_cast<double>(seconds) + 30.0) / 60.0));
}

}  // namespace

std::vector<Period> FindRetrogradePeriods(int body, int firstDay, int lastDay) {
    const double start = kUnixEpochJulianDay + firstDay;
    const double end = kUnixEpochJulianDay + lastDay + 1 + kTrailingDays;
    const UtMinute firstMinute = UtMinute{firstDay} * 1440;
    const UtMinute endMinute = (UtMinute{lastDay} + 1) * 1440;

    std::vector<Period> periods;
    bool haveRetrograde = false;
    UtMinute retrograde = 0;
    double previous = start;
    bool wasRetrograde = LongitudeSpeed(body, previous) < 0.0;
    while (previous < end) {
        const double next = previous + kStepDays;
        const bool isRetrograde = LongitudeSpeed(body, next) < 0.0;
        if (isRetrograde != wasRetrograde) {
            const UtMinute station = NearestMinute(BisectStation(body, previous, next));
            if (isRetrograde) {
                if (station >= endMinute) {
                    break;
                }
                haveRetrograde = station >= firstMinute;
                retrograde = station;
            } else if (haveRetrograde) {
                periods.push_back({retrograde, station});
                haveRetrograde = false;
            }
        }
        wasRetrograde = isRetrograde;
        previous = next;
    }
    if (haveRetrograde) {
        throw std::runtime_error("a retrograde period has no direct station within the scan");
    }
    return periods;
}

}  // namespace stations
