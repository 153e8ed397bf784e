#include "files/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace files {

namespace {

// Why a file of this kind is no ordinary file, worded as the system words its own errors
// ("Is a directory").
std::optional<std::string> NotRegularReason(mode_t mode) {
    if (S_ISREG(mode)) {
        return std::nullopt;
    }
    if (S_ISDIR(mode)) {
        return std::strerror(EISDIR);
    }
    if (S_ISFIFO(mode)) {
        return "Is a named pipe, not a regular file";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "Is a device, not a regular file";
    }
    if (S_ISSOCK(mode)) {
        return "Is a socket, not a regular file";
    }
    return "Is not a regular file";
}

// Closes a file descriptor when it goes out of scope.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

std::optional<std::string> NotRegularFileReason(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return std::nullopt;  // nothing there yet, or a reason the open itself will give
    }
    return NotRegularReason(status.st_mode);
}

FileBytes ReadRegularFile(const std::string& path, std::size_t maxBytes) {
    // Look before opening: opening some devices already does something.
    if (auto reason = NotRegularFileReason(path)) {
        return {{}, std::move(*reason)};
    }
    // Without blocking, in case the name was swapped for a pipe since the look.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) {
        return {{}, std::strerror(errno)};
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        return {{}, std::strerror(errno)};
    }
    if (auto reason = NotRegularReason(status.st_mode)) {
        return {{}, std::move(*reason)};
    }
    std::string bytes(maxBytes + 1, '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return {{}, std::strerror(errno)};
        }
        if (got == 0) {
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return {std::move(bytes), {}};
}

}  // namespace files
