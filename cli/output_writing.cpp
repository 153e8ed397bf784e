#include "cli/output_writing.h"

#include <cerrno>
#include <cstring>

namespace cli {

std::optional<std::string> WriteAndFlush(std::ostream& out, std::string_view text) {
    if (out.rdbuf() == nullptr) {
        return std::string("it is closed");
    }
    // The stream keeps no reason of its own; the failing write leaves it in errno.
    errno = 0;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (out) {
        return std::nullopt;
    }
    const int error = errno;
    return error != 0 ? std::string(std::strerror(error)) : std::string("the output failed");
}

}  // namespace cli
