#pragma once

#include <string_view>

namespace places {

// The built-in atlas file's text, which lasts as long as the program.
std::string_view BuiltInAtlasText();

}  // namespace places
