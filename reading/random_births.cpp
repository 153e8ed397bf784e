#include "reading/random_births.h"

#include <random>
#include <string>

#include "reading/form_values.h"
#include "reading/time_zones.h"
#include "reading/validation.h"

namespace reading {

std::vector<BirthData> RandomBirths(std::size_t count, std::uint64_t seed) {
    // The engine's output is fixed by the standard; the distributions are not, so draw by modulo.
    std::mt19937_64 random(seed);
    const auto below = [&random](int limit) { return static_cast<int>(random() % limit); };
    std::vector<BirthData> births;
    births.reserve(count);
    while (births.size() < count) {
        FormValues form;
        form.name = "Random";
        form.dayIndex = below(28);
        form.monthIndex = below(kMonthCount);
        form.yearIndex = below(kYearCount);
        form.hourIndex = below(kHourCount);
        form.minuteIndex = below(kMinuteCount);
        form.zoneIndex = below(kTimeZoneCount);
        form.daylightSaving = below(2) == 1;
        form.latitudeDegrees = std::to_string(below(66));
        form.latitudeMinutes = std::to_string(below(60));
        form.south = below(2) == 1;
        form.north = !form.south;
        form.longitudeDegrees = std::to_string(below(180));
        form.longitudeMinutes = std::to_string(below(60));
        form.east = below(2) == 1;
        form.west = !form.east;
        if (auto copy = CopyFormToBirthData(form); copy.birth) {
            births.push_back(std::move(*copy.birth));
        }
    }
    return births;
}

}  // namespace reading
