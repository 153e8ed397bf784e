#pragma once

#include <string>

namespace test_support {

// The long position text of whole degrees, minutes and seconds within a sign.
inline std::string LongText(int degrees, int minutes, int seconds, const char* sign) {
    return std::to_string(degrees) + "\u00B0 " + std::to_string(minutes) + "' " +
           std::to_string(seconds) + "\" " + sign;
}

}  // namespace test_support
