#include "cli/json_text.h"

#include <array>
#include <charconv>

namespace cli {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// The bytes that go into a JSON string as they are: printable ASCII but the quote and the
// backslash. A table, because a batch runs every byte of a hundred strings a chart through it.
constexpr std::array<bool, 256> kPlainAscii = [] {
    std::array<bool, 256> plain{};
    for (int c = 0x20; c < 0x80; ++c) {
        plain[c] = c != '"' && c != '\\';
    }
    return plain;
}();

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

void AppendEscape(std::string& out, unsigned char c) {
    switch (c) {
        case '"':
            out += "\\\"";
            return;
        case '\\':
            out += "\\\\";
            return;
        case '\b':
            out += "\\b";
            return;
        case '\f':
            out += "\\f";
            return;
        case '\n':
            out += "\\n";
            return;
        case '\r':
            out += "\\r";
            return;
        case '\t':
            out += "\\t";
            return;
        default:
            break;
    }
    constexpr std::string_view kHex = "0123456789abcdef";
    out += "\\u00";
    out += kHex[c >> 4];
    out += kHex[c & 0x0F];
}

void AppendNewLine(std::string& out, int depth) {
    out += '\n';
    out.append(4 * static_cast<std::size_t>(depth), ' ');
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view utf8) {
    out += '"';
    std::size_t i = 0;
    while (i < utf8.size()) {
        std::size_t plain = i;
        while (plain < utf8.size() && kPlainAscii[static_cast<unsigned char>(utf8[plain])]) {
            ++plain;
        }
        out.append(utf8.substr(i, plain - i));
        i = plain;
        if (i == utf8.size()) {
            break;
        }
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            AppendEscape(out, c);
            ++i;
        } else if (const std::size_t length = ValidSequenceLength(utf8.substr(i)); length > 0) {
            out.append(utf8.substr(i, length));
            i += length;
        } else {
            out += kReplacementCharacter;
            ++i;
        }
    }
    out += '"';
}

void AppendJsonNumber(std::string& out, long long value) {
    std::array<char, 24> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    out.append(digits.data(), result.ptr);
}

void AppendJsonDecimal(std::string& out, double value) {
    // Fixed notation: the shortest form alone would write 0.0004 as 4e-04.
    std::array<char, 32> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                      std::chars_format::fixed);
    out.append(digits.data(), result.ptr);
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
