#include "engine/retrograde.h"

namespace engine {

// Placeholder until the station tables exist: nothing is retrograde.
bool IsRetrograde(const CivilDate&, RetrogradePlanet) { return false; }

std::array<bool, kRetrogradePlanets> RetrogradeFlags(const CivilDateTime&) { return {}; }

}  // namespace engine
