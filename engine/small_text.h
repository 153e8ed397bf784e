#pragma once

#include <algorithm>
#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

namespace engine {

// A text of at most kCapacity bytes held in place: the position texts and labels a chart writes
// before its record takes them. A long position text is 16 bytes, one more than a std::string
// holds without the heap, and a batch writes millions of them. A longer text is cut at
// kCapacity bytes.
class SmallText {
  public:
    static constexpr std::size_t kCapacity = 23;

    constexpr SmallText() = default;
    constexpr SmallText(std::string_view text) { Append(text); }
    constexpr SmallText(const char* text) { Append(std::string_view(text)); }
    SmallText(const std::string& text) { Append(std::string_view(text)); }

    constexpr void Append(char c) {
        if (size_ < kCapacity) {
            bytes_[size_++] = c;
        }
    }
    constexpr void Append(std::string_view piece) {
        const std::size_t count = std::min(piece.size(), kCapacity - size_);
        for (std::size_t i = 0; i < count; ++i) {
            bytes_[size_ + i] = piece[i];
        }
        size_ = static_cast<unsigned char>(size_ + count);
    }

    // A text that fill writes straight into the buffer of the text returned: fill takes the buffer
    // and returns the size. A text written byte by byte into a buffer of its own and then copied
    // would be read back wide while its bytes are still on their way to the cache, and the copy
    // would wait for them.
    template <typename Fill>
    static constexpr SmallText Filled(Fill fill) {
        SmallText text;
        text.size_ =
            static_cast<unsigned char>(std::min<std::size_t>(fill(text.bytes_), kCapacity));
        return text;
    }

    constexpr std::string_view view() const { return {bytes_, size_}; }
    constexpr std::size_t size() const { return size_; }
    constexpr bool empty() const { return size_ == 0; }
    std::string str() const { return std::string(view()); }

    // Read wherever a std::string_view is taken.
    constexpr operator std::string_view() const { return view(); }

    friend constexpr bool operator==(const SmallText& a, std::string_view b) {
        return a.view() == b;
    }

  private:
    char bytes_[kCapacity] = {};
    unsigned char size_ = 0;
};

std::ostream& operator<<(std::ostream& out, const SmallText& text);

}  // namespace engine
