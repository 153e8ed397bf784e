#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "cli/json_writer.h"
#include "engine/small_text.h"

namespace cli {

// A member's key as written after another member, ,"name": made when the program is compiled,
// so that writing a key is one append. The first member of an object leaves out the comma.
template <std::size_t N>
struct JsonKey {
    std::array<char, N + 3> text{};  // N counts the literal's closing NUL

    consteval JsonKey(const char (&name)[N]) {
        text[0] = ',';
        text[1] = '"';
        for (std::size_t i = 0; i + 1 < N; ++i) {
            text[i + 2] = name[i];
        }
        text[N + 1] = '"';
        text[N + 2] = ':';
    }
};

template <JsonKey key>
constexpr std::string_view operator""_key() {
    return {key.text.data(), key.text.size()};
}

// Appends text as a JSON string literal, quotes included. Control characters, quotes and
// backslashes are escaped; bytes that are not valid UTF-8 become U+FFFD, so the output is
// always valid JSON whatever a CSV file or a reading file held.
void AppendJsonString(JsonWriter& out, std::string_view utf8);
void AppendJsonString(std::string& out, std::string_view utf8);

// The same for a text the program made, such as a position text: its sixteen first bytes are
// looked at and copied at once.
void AppendJsonShortText(JsonWriter& out, const engine::SmallText& text);

// Whether text goes into a JSON string as it stands: printable ASCII without quotes or
// backslashes. The program's tables of names are checked with it when it is compiled.
constexpr bool IsPlainJsonText(std::string_view text) {
    return std::ranges::all_of(text, [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x20 && byte < 0x80 && c != '"' && c != '\\';
    });
}

// Appends a text that IsPlainJsonText accepts, in quotes, without looking at its bytes again.
inline void AppendPlainJsonString(JsonWriter& out, std::string_view plain) {
    char* room = out.Room(plain.size() + 2);
    room[0] = '"';
    CopyBytes(room + 1, plain.data(), plain.size());
    room[plain.size() + 1] = '"';
    out.Advance(plain.size() + 2);
}

// Appends a whole number as JSON.
void AppendJsonNumber(JsonWriter& out, long long value);
void AppendJsonNumber(std::string& out, long long value);

// Appends a finite number of everyday size as JSON, in the shortest decimals that give it back
// exactly: 365.25, 12.3456, 0.0004, 7.
void AppendJsonDecimal(JsonWriter& out, double value);
void AppendJsonDecimal(std::string& out, double value);

// The same JSON laid out for people: one member or element a line, indented by four spaces,
// ": " after keys; empty objects and arrays stay "{}" and "[]". Expects compact JSON (no
// blanks between tokens), as this program writes it.
std::string IndentJson(std::string_view compact);

}  // namespace cli
