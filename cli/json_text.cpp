#include "cli/json_text.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>

#include "cli/shortest_decimal.h"

namespace cli {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// The bytes that go into a JSON string as they are, in a table: a batch runs every byte of a
// hundred strings a chart through it.
constexpr std::array<bool, 256> kPlainAscii = [] {
    std::array<bool, 256> plain{};
    for (int c = 0; c < 256; ++c) {
        const char byte = static_cast<char>(c);
        plain[c] = IsPlainJsonText({&byte, 1});
    }
    return plain;
}();

// The bytes of word that must not go into a JSON string as they are (0x80 or more, below 0x20,
// a quote or a backslash), each marked by its high bit. A plain byte never makes the result
// non-zero, and the lowest mark is always a byte that needs a look of its own: the borrows that
// may mark plain bytes as well run only upwards from such a byte.
std::uint64_t SpecialBytes(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    const auto anyZeroByte = [](std::uint64_t bytes) {
        return (bytes - kOnes) & ~bytes & kHighBits;
    };
    return (word & kHighBits) | ((word - 0x20 * kOnes) & ~word & kHighBits) |
           anyZeroByte(word ^ ('"' * kOnes)) | anyZeroByte(word ^ ('\\' * kOnes));
}

bool HasSpecialByte(std::uint64_t word) {
    return SpecialBytes(word) != 0;
}

std::uint64_t WordAt(const char* bytes) {
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

// The bytes of a text shorter than eight in one word, some of them twice; blanks fill the rest.
std::uint64_t ShortTextWord(std::string_view text) {
    const auto byte = [&](std::size_t i) {
        return std::uint64_t{static_cast<unsigned char>(text[i])};
    };
    const std::size_t size = text.size();
    if (size >= 4) {
        std::uint32_t first;
        std::uint32_t last;
        std::memcpy(&first, text.data(), 4);
        std::memcpy(&last, text.data() + size - 4, 4);
        return first | std::uint64_t{last} << 32;
    }
    constexpr std::uint64_t kBlanks = 0x2020202020202020u;
    if (size == 0) {
        return kBlanks;
    }
    return (kBlanks << 24) | byte(0) | byte(size / 2) << 8 | byte(size - 1) << 16;
}

// Whether every byte of text goes into a JSON string as it is; eight at a time, since nearly
// every string a reading holds is plain ASCII.
bool IsPlainAscii(std::string_view text) {
    if (text.size() < 8) {
        return !HasSpecialByte(ShortTextWord(text));
    }
    for (std::size_t i = 0; i + 8 < text.size(); i += 8) {
        if (HasSpecialByte(WordAt(text.data() + i))) {
            return false;
        }
    }
    return !HasSpecialByte(WordAt(text.data() + text.size() - 8));
}

// Where the run of plain bytes that starts at from ends: at the first byte that needs a look of
// its own, or at the end. Eight bytes at a time while a word fits.
std::size_t PlainRunEnd(std::string_view text, std::size_t from) {
    std::size_t end = from;
    for (; text.size() - end >= 8; end += 8) {
        if (const std::uint64_t special = SpecialBytes(WordAt(text.data() + end)); special != 0) {
            return end + static_cast<std::size_t>(std::countr_zero(special)) / 8;
        }
    }
    while (end < text.size() && kPlainAscii[static_cast<unsigned char>(text[end])]) {
        ++end;
    }
    return end;
}

// Length of the valid UTF-8 sequence at the start of text, or 0 when it is not one
// (overlong forms, surrogates and code points past U+10FFFF count as invalid).
std::size_t ValidSequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const auto continuation = [&](std::size_t i) {
        return i < text.size() && (byte(i) & 0xC0) == 0x80;
    };
    const unsigned char lead = byte(0);
    if (lead >= 0xC2 && lead <= 0xDF) {
        return continuation(1) ? 2 : 0;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (!continuation(1) || !continuation(2)) {
            return 0;
        }
        const unsigned char second = byte(1);
        if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0)) {
            return 0;
        }
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (!continuation(1) || !continuation(2) || !continuation(3)) {
            return 0;
        }
        const unsigned char second = byte(1);
        if ((lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90)) {
            return 0;
        }
        return 4;
    }
    return 0;
}

void AppendEscape(JsonWriter& out, unsigned char c) {
    switch (c) {
        case '"':
            out.Append("\\\"");
            return;
        case '\\':
            out.Append("\\\\");
            return;
        case '\b':
            out.Append("\\b");
            return;
        case '\f':
            out.Append("\\f");
            return;
        case '\n':
            out.Append("\\n");
            return;
        case '\r':
            out.Append("\\r");
            return;
        case '\t':
            out.Append("\\t");
            return;
        default:
            break;
    }
    constexpr std::string_view kHex = "0123456789abcdef";
    out.Append("\\u00");
    out.Append(kHex[c >> 4]);
    out.Append(kHex[c & 0x0F]);
}

void AppendNewLine(std::string& out, int depth) {
    out += '\n';
    out.append(4 * static_cast<std::size_t>(depth), ' ');
}

// A string with bytes to escape or check, kept apart from the plain strings' short path.
[[gnu::noinline]] void AppendEscapedJsonString(JsonWriter& out, std::string_view utf8) {
    out.Append('"');
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t plain = PlainRunEnd(utf8, i);
        out.Append(utf8.substr(i, plain - i));
        i = plain;
        if (i == utf8.size()) {
            break;
        }
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            AppendEscape(out, c);
            ++i;
        } else if (const std::size_t length = ValidSequenceLength(utf8.substr(i)); length > 0) {
            out.Append(utf8.substr(i, length));
            i += length;
        } else {
            out.Append(kReplacementCharacter);
            ++i;
        }
    }
    out.Append('"');
}

}  // namespace

void AppendJsonString(JsonWriter& out, std::string_view utf8) {
    if (!IsPlainAscii(utf8)) {
        AppendEscapedJsonString(out, utf8);
        return;
    }
    AppendPlainJsonString(out, utf8);
}

void AppendJsonShortText(JsonWriter& out, const engine::SmallText& text) {
    constexpr std::size_t kChunk = 16;
    static_assert(engine::SmallText::kCapacity >= kChunk);
    const std::string_view view = text.view();
    if (view.size() > kChunk) {
        AppendJsonString(out, view);
        return;
    }
    // The bytes past the text are still the text's own buffer. As signed bytes, 0x80 and above
    // lie below the blank with the control characters.
    using Chunk = signed char __attribute__((vector_size(kChunk)));
    Chunk bytes;
    std::memcpy(&bytes, view.data(), kChunk);
    constexpr Chunk kPositions{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    const Chunk inText = kPositions < static_cast<signed char>(view.size());
    const Chunk special = ((bytes < ' ') | (bytes == '"') | (bytes == '\\')) & inText;
    std::array<std::uint64_t, 2> halves{};
    std::memcpy(halves.data(), &special, kChunk);
    if ((halves[0] | halves[1]) != 0) {
        AppendEscapedJsonString(out, view);
        return;
    }
    char* room = out.Room(kChunk + 2);
    room[0] = '"';
    std::memcpy(room + 1, &bytes, kChunk);
    room[view.size() + 1] = '"';
    out.Advance(view.size() + 2);
}

void AppendJsonNumber(JsonWriter& out, long long value) {
    constexpr std::size_t kMostDigits = 20;  // the sign and nineteen digits
    char* room = out.Room(kMostDigits);
    out.Advance(
        static_cast<std::size_t>(std::to_chars(room, room + kMostDigits, value).ptr - room));
}

void AppendJsonDecimal(JsonWriter& out, double value) {
    // Fixed notation: the shortest form alone would write 0.0004 as 4e-04.
    char* room = out.Room(kMostFixedDecimalBytes);
    out.Advance(static_cast<std::size_t>(WriteShortestFixed(room, value) - room));
}

void AppendJsonString(std::string& out, std::string_view utf8) {
    JsonWriter writer(out);
    AppendJsonString(writer, utf8);
}

void AppendJsonNumber(std::string& out, long long value) {
    JsonWriter writer(out);
    AppendJsonNumber(writer, value);
}

void AppendJsonDecimal(std::string& out, double value) {
    JsonWriter writer(out);
    AppendJsonDecimal(writer, value);
}

std::string IndentJson(std::string_view compact) {
    std::string out;
    out.reserve(compact.size() * 2);
    int depth = 0;
    bool inString = false;
    for (std::size_t i = 0; i < compact.size(); ++i) {
        const char c = compact[i];
        if (inString) {
            out += c;
            if (c == '\\' && i + 1 < compact.size()) {
                out += compact[++i];
            } else if (c == '"') {
                inString = false;
            }
            continue;
        }
        switch (c) {
            case '"':
                inString = true;
                out += c;
                break;
            case '{':
            case '[':
                out += c;
                // An empty object or array stays on its line.
                if (i + 1 < compact.size() && (compact[i + 1] == '}' || compact[i + 1] == ']')) {
                    out += compact[++i];
                } else {
                    AppendNewLine(out, ++depth);
                }
                break;
            case '}':
            case ']':
                depth = depth > 0 ? depth - 1 : 0;
                AppendNewLine(out, depth);
                out += c;
                break;
            case ',':
                out += c;
                AppendNewLine(out, depth);
                break;
            case ':':
                out += ": ";
                break;
            default:
                out += c;
                break;
        }
    }
    return out;
}

}  // namespace cli
