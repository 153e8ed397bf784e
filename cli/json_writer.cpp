#include "cli/json_writer.h"

#include <array>
#include <charconv>

namespace cli {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// Length of the valid UTF-8 sequence at the start of text, or 0 when it is not one
// (overlong forms, surrogates and code points past U+10FFFF count as invalid).
std::size_t ValidSequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const auto continuation = [&](std::size_t i) {
        return i < text.size() && (byte(i) & 0xC0) == 0x80;
    };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
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

void AppendControlEscape(std::string& out, unsigned char c) {
    switch (c) {
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

}  // namespace

void AppendJsonString(std::string& out, std::string_view utf8) {
    out += '"';
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
            ++i;
        } else if (c < 0x20) {
            AppendControlEscape(out, c);
            ++i;
        } else if (c < 0x80) {
            out += static_cast<char>(c);
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

JsonWriter::JsonWriter(std::string& out, Layout layout) : out_(out), layout_(layout) {}

void JsonWriter::NewLine() {
    if (layout_ == Layout::kIndented) {
        out_ += '\n';
        out_.append(4 * firstInLevel_.size(), ' ');
    }
}

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (firstInLevel_.empty()) {
        return;
    }
    if (!firstInLevel_.back()) {
        out_ += ',';
    }
    firstInLevel_.back() = false;
    NewLine();
}

void JsonWriter::Begin(char bracket) {
    BeforeValue();
    out_ += bracket;
    firstInLevel_.push_back(true);
}

void JsonWriter::End(char bracket) {
    const bool empty = firstInLevel_.back();
    firstInLevel_.pop_back();
    if (!empty) {
        NewLine();
    }
    out_ += bracket;
}

void JsonWriter::BeginObject() {
    Begin('{');
}
void JsonWriter::EndObject() {
    End('}');
}
void JsonWriter::BeginArray() {
    Begin('[');
}
void JsonWriter::EndArray() {
    End(']');
}

void JsonWriter::Key(std::string_view name) {
    BeforeValue();
    AppendJsonString(out_, name);
    out_ += layout_ == Layout::kIndented ? ": " : ":";
    afterKey_ = true;
}

void JsonWriter::String(std::string_view value) {
    BeforeValue();
    AppendJsonString(out_, value);
}

void JsonWriter::Number(long long value) {
    BeforeValue();
    std::array<char, 24> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    out_.append(digits.data(), result.ptr);
}

void JsonWriter::Bool(bool value) {
    BeforeValue();
    out_ += value ? "true" : "false";
}

}  // namespace cli
