#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace cli {

// Writes text to out and flushes it, so that a full disk or a closed pipe shows at once. Returns
// nothing when everything written so far reached its destination, else why not: the system's
// words (e.g. "No space left on device") when it gave any, or "it is closed" for a stream
// without a buffer (the standard output was closed when the program started).
std::optional<std::string> WriteAndFlush(std::ostream& out, std::string_view text);

}  // namespace cli
