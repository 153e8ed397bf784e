#include "engine/retrograde.h"

#include <cstddef>
#include <span>

#include "engine/station_tables.h"

namespace engine {
namespace {

// Dates far outside the tables still answer "not retrograde", but day numbers are only formed
// where the calendar arithmetic cannot overflow.
constexpr int kLargestYear = 1'000'000;

bool IsConvertibleDate(const CivilDate& date) {
    return date.year >= -kLargestYear && date.year <= kLargestYear && date.month >= 1 &&
           date.month <= 12 && date.day >= 1 && date.day <= 31;
}

bool IsClockTime(const CivilDateTime& moment) {
    return moment.hour >= 0 && moment.hour <= 24 && moment.minute >= 0 && moment.minute <= 59;
}

// Only the last period that began before the day can still be running on it, since the periods
// are sorted and do not overlap. The search halves the span without branching on the dates:
// births in bulk follow no pattern a branch predictor could learn.
bool FallsInsideAPeriod(std::span<const StationPeriod> periods, int day) {
    if (periods.empty() || periods.front().retrograde.day >= day) {
        return false;
    }
    // The last period that began before the day lies in [first, first + count).
    const StationPeriod* first = periods.data();
    std::size_t count = periods.size();
    while (count > 1) {
        const std::size_t half = count / 2;
        first = first[half].retrograde.day < day ? first + half : first;
        count -= half;
    }
    return day < first->direct.day;
}

}  // namespace

bool IsRetrograde(const CivilDate& localDate, RetrogradePlanet planet) {
    if (!IsConvertibleDate(localDate)) {
        return false;
    }
    return FallsInsideAPeriod(StationPeriods(planet),
                              DaysFromCivil(localDate.year, localDate.month, localDate.day));
}

std::array<bool, kRetrogradePlanets> RetrogradeFlags(const CivilDateTime& local) {
    std::array<bool, kRetrogradePlanets> flags{};
    if (!IsConvertibleDate({local.year, local.month, local.day}) || !IsClockTime(local)) {
        return flags;
    }
    // Hour 24 is 0 h of the next day.
    const int day = DaysFromCivil(local.year, local.month, local.day) + (local.hour == 24 ? 1 : 0);
    for (int k = 0; k < kRetrogradePlanets; ++k) {
        flags[k] = FallsInsideAPeriod(StationPeriods(static_cast<RetrogradePlanet>(k)), day);
    }
    return flags;
}

}  // namespace engine
