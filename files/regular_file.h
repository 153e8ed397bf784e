#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace files {

// Why a path cannot be read or written as a file: it names a folder, a pipe, a device or a
// socket. Nothing for an ordinary file, or for a name where nothing exists yet. Links are
// followed, so a link to a device counts as the device.
std::optional<std::string> NotRegularFileReason(const std::string& path);

// The bytes of an ordinary file, or the system's reason why it cannot be read.
struct FileBytes {
    std::string bytes;
    std::string problem;  // empty when the bytes were read
};

// Reads at most maxBytes + 1 bytes of an ordinary file: one byte past the limit tells a file
// that is too large. Anything else is refused without waiting for it: opening a pipe for reading
// would wait for a writer, and a device may never end.
FileBytes ReadRegularFile(const std::string& path, std::size_t maxBytes);

}  // namespace files
