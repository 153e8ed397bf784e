#pragma once

#include <cstddef>

namespace cli {

// Room WriteShortestFixed may need: the longest fixed form of a double, the negative smallest
// subnormal, is "-0." and 323 zeros and a 5.
inline constexpr std::size_t kMostFixedDecimalBytes = 330;

// Writes value in fixed notation with the fewest significant digits that read back as exactly
// value, byte for byte as std::to_chars(out, out + kMostFixedDecimalBytes, value,
// std::chars_format::fixed) writes it, and returns the end of the text. out must have room for
// kMostFixedDecimalBytes, whatever the value: bytes past the end may be written as well. A batch
// writes a dozen longitudes a row; the numbers of everyday size (2^-20 up to 2^53) are worked
// out here in a fraction of the time, the others are left to std::to_chars.
char* WriteShortestFixed(char* out, double value);

}  // namespace cli
