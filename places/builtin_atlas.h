#pragma once

#include <string>

#include "places/atlas.h"

namespace places {

// The atlas built into the program. It is read on first use only, so a start that never looks
// a place up does not pay for it; later calls share it, from any thread.
const Atlas* BuiltInAtlas();

// Reads the built-in atlas afresh: what the first use costs.
Atlas::Loaded ReadBuiltInAtlas();

// Why BuiltInAtlas() gave nothing; empty when it gave the atlas.
const std::string& BuiltInAtlasProblem();

}  // namespace places
