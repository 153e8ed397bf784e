#include "files/latin1_text.h"

namespace files {

namespace {

constexpr char kReplacement = '?';
constexpr char32_t kLastLatin1 = 0xFF;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

struct Decoded {
    char32_t codePoint;
    std::size_t length;  // bytes used
};

constexpr char32_t kBroken = 0xFFFFFFFF;

// The UTF-8 sequence at text[at], or kBroken and one byte when the sequence is cut short,
// overlong, a surrogate or beyond Unicode.

Decoded DecodeAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07;
        smallest = 0x10000;
    } else {
        return {kBroken, 1};
    }
    if (at + length > text.size()) {
        return {kBroken, 1};
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[at + i]);
        if (!IsContinuation(byte)) {
            return {kBroken, 1};
        }
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < smallest || codePoint > 0x10FFFF || surrogate) {
        return {kBroken, 1};
    }
    return {codePoint, length};
}

}  // namespace

std::string Utf8ToLatin1(std::string_view utf8) {
    std::string latin1;
    latin1.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const Decoded decoded = DecodeAt(utf8, at);
        latin1 +=
            decoded.codePoint <= kLastLatin1 ? static_cast<char>(decoded.codePoint) : kReplacement;
        at += decoded.length;
    }
    return latin1;
}

std::vector<std::string_view> Utf8Characters(std::string_view utf8) {
    std::vector<std::string_view> characters;
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t length = DecodeAt(utf8, at).length;
        characters.push_back(utf8.substr(at, length));
        at += length;
    }
    return characters;
}

std::string Latin1ToUtf8(std::string_view latin1) {
    std::string utf8;
    utf8.reserve(latin1.size());
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

std::string Latin1TextFile(std::span<const std::string> utf8Lines) {
    std::string bytes;
    for (const std::string& line : utf8Lines) {
        bytes += Utf8ToLatin1(line);
        bytes += kLineEnd;
    }
    return bytes;
}

}  // namespace files
