#pragma once

#include <array>

#include "engine/calendar.h"

namespace engine {

enum class RetrogradePlanet { kMercury, kVenus, kMars, kJupiter, kSaturn };
inline constexpr int kRetrogradePlanets = 5;

// True when the local calendar date lies strictly after the date of a retrograde station and
// strictly before the date of the direct station that ends it. Only dates count: a birth on a
// station's own day is not retrograde. Time zone and daylight saving are not applied.
bool IsRetrograde(const CivilDate& localDate, RetrogradePlanet planet);

// The five flags, Mercury to Saturn, for a local clock reading; hour 24 counts as the next day.
std::array<bool, kRetrogradePlanets> RetrogradeFlags(const CivilDateTime& local);

}  // namespace engine
