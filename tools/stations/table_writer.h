#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/stations/station_search.h"

namespace stations {

struct PlanetTable {
    std::string_view arrayName;   // e.g. "kMercury"
    std::string_view enumerator;  // the RetrogradePlanet value, e.g. "kMercury"
    std::vector<Period> periods;
};

// The whole source file of the station tables: a constexpr array per planet, one period a line,
// and the accessor that hands them out.
std::string StationTableSource(const std::vector<PlanetTable>& tables);

}  // namespace stations
