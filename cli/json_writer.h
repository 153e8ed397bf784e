#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace cli {

// Copies a few bytes without a call into the C library: the pieces of a JSON line are mostly
// shorter than seventeen bytes, and for those the call costs more than the copy. Two overlapping
// loads and stores cover every length in a range.
[[gnu::always_inline]] inline void CopyBytes(char* to, const char* from, std::size_t count) {
    const auto copyPair = [&]<typename Word>(Word) {
        Word head;
        Word tail;
        std::memcpy(&head, from, sizeof head);
        std::memcpy(&tail, from + count - sizeof tail, sizeof tail);
        std::memcpy(to, &head, sizeof head);
        std::memcpy(to + count - sizeof tail, &tail, sizeof tail);
    };
    if (count > 16) {
        std::memcpy(to, from, count);
    } else if (count >= 8) {
        copyPair(std::uint64_t{});
    } else if (count >= 4) {
        copyPair(std::uint32_t{});
    } else if (count > 0) {
        to[0] = from[0];
        to[count / 2] = from[count / 2];
        to[count - 1] = from[count - 1];
    }
}

// A text made again and again in the same storage, as a batch makes its lines block after
// block. The bytes of storage past size are room already written once, so a writer that takes
// them up again does not clear them first.
struct ReusedText {
    std::string storage;
    std::size_t size = 0;

    std::string_view View() const { return {storage.data(), size}; }
};

// Appends text to a string through a plain pointer. A batch writes some two hundred small pieces
// a line, and std::string's own append costs more than copying them. While the writer lives the
// string holds spare bytes behind the text written so far; when the writer is destroyed, even by
// an exception, a string is cut back to the text and a ReusedText keeps them for the next time.
class JsonWriter {
  public:
    explicit JsonWriter(std::string& out) : out_(out), used_(out.size()), limit_(out.size()) {}
    explicit JsonWriter(ReusedText& out)
        : out_(out.storage), used_(out.size), limit_(out.storage.size()), keptSize_(&out.size) {}
    ~JsonWriter() {
        if (keptSize_ != nullptr) {
            *keptSize_ = used_;
        } else {
            out_.resize(used_);
        }
    }
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    [[gnu::always_inline]] void Append(std::string_view text) {
        CopyBytes(Room(text.size()), text.data(), text.size());
        used_ += text.size();
    }
    void Append(char c) {
        *Room(1) = c;
        ++used_;
    }
    // Where the next count bytes go; Advance then counts those written.
    [[gnu::always_inline]] char* Room(std::size_t count) {
        if (limit_ - used_ < count) [[unlikely]] {
            Grow(count);
        }
        return out_.data() + used_;
    }
    void Advance(std::size_t count) { used_ += count; }
    // The byte written count bytes before the end, to be written again.
    char& Back(std::size_t count) { return out_[used_ - count]; }

    // Keeps room for count more bytes that a destructor will write, so that writing them never
    // has to allocate: a destructor must not throw, even when memory runs out. The room is made
    // now, where running out of memory is an exception like any other; Release gives it up just
    // before its bytes are written.
    void Reserve(std::size_t count) {
        Room(count);
        limit_ -= count;
    }
    void Release(std::size_t count) { limit_ += count; }

  private:
    [[gnu::noinline]] void Grow(std::size_t count) {
        // By half at least, so the zero bytes resize writes stay in proportion.
        const std::size_t reserved = out_.size() - limit_;
        out_.resize(used_ + std::max(count + reserved, used_ / 2 + 4096));
        limit_ = out_.size() - reserved;
    }

    std::string& out_;
    std::size_t used_;
    std::size_t limit_;  // the end of the room, less the bytes reserved for destructors
    std::size_t* keptSize_ = nullptr;  // where a ReusedText's size goes back
};

}  // namespace cli
