#pragma once

#include <cstdint>
#include <vector>

#include "reading/birth_data.h"

namespace reading {

// Births spread over the program's whole range for tests, benchmarks and the accuracy table:
// 1901 to 2050, every hour, every zone of the list, both hemispheres, daylight saving on and off,
// latitudes up to 66° (above the polar circles the ascendant is not well defined). Each goes
// through the form's copy, as a typed birth would. The same seed gives the same births on every
// machine.
std::vector<BirthData> RandomBirths(std::size_t count, std::uint64_t seed);

}  // namespace reading
