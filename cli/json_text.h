#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "cli/json_writer.h"

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
