#pragma once

#include <string_view>

namespace places {

// The built-in atlas file as gzip data.
std::string_view CompressedAtlas();

}  // namespace places
