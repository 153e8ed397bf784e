#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace cli {

// Appends text to a string through a plain pointer. A batch writes some two hundred small pieces
// a line, and std::string's own append costs more than copying them. While the writer lives the
// string holds spare bytes behind the text written so far; it is cut back to the text when the
// writer is destroyed, even by an exception.
class JsonWriter {
  public:
    explicit JsonWriter(std::string& out) : out_(out), used_(out.size()) {}
    ~JsonWriter() { out_.resize(used_); }
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    void Append(std::string_view text) {
        std::memcpy(Room(text.size()), text.data(), text.size());
        used_ += text.size();
    }
    void Append(char c) {
        *Room(1) = c;
        ++used_;
    }
    // Where the next count bytes go; Advance then counts those written.
    char* Room(std::size_t count) {
        if (out_.size() - used_ < count) {
            // Grows by half at least, so the zero bytes resize writes stay in proportion.
            out_.resize(used_ + std::max(count, used_ / 2 + 4096));
        }
        return out_.data() + used_;
    }
    void Advance(std::size_t count) { used_ += count; }

  private:
    std::string& out_;
    std::size_t used_;
};

}  // namespace cli
