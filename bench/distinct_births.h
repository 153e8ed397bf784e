#pragma once

#include <vector>

#include "engine/calendar.h"
#include "engine/constants.h"
#include "reading/birth_data.h"
#include "reading/driver.h"
#include "reading/random_births.h"
#include "reading/stages.h"

namespace bench {

// 100 000 distinct random births, too many for the branch predictor and the caches to learn:
// what a batch of real births costs.
inline const std::vector<reading::BirthData>& DistinctBirths() {
    static const std::vector<reading::BirthData> births = reading::RandomBirths(100000, 7);
    return births;
}

// The same births as the universal instant and place a chart is cast for.
struct BirthInstant {
    double julianDayUt;
    double latitude;       // degrees, north positive
    double eastLongitude;  // degrees, east positive
};

inline const std::vector<BirthInstant>& DistinctBirthInstants() {
    static const std::vector<BirthInstant> instants = [] {
        std::vector<BirthInstant> all;
        for (const reading::BirthData& birth : DistinctBirths()) {
            all.push_back(
                {engine::kJulianDayJ2000 + engine::DaysFromJ2000(reading::UniversalInstant(birth)),
                 reading::NorthLatitude(birth), -reading::WestLongitude(birth)});
        }
        return all;
    }();
    return instants;
}

}  // namespace bench
