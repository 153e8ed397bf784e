#pragma once

#include <string>
#include <string_view>

namespace cli {

// Appends text as a JSON string literal, quotes included. Control characters, quotes and
// backslashes are escaped; bytes that are not valid UTF-8 become U+FFFD, so the output is
// always valid JSON whatever a CSV file or a reading file held.
void AppendJsonString(std::string& out, std::string_view utf8);

// Appends a whole number as JSON.
void AppendJsonNumber(std::string& out, long long value);

// Appends a finite number of everyday size as JSON, in the shortest decimals that give it back
// exactly: 365.25, 12.3456, 0.0004, 7.
void AppendJsonDecimal(std::string& out, double value);

// The same JSON laid out for people: one member or element a line, indented by four spaces,
// ": " after keys; empty objects and arrays stay "{}" and "[]". Expects compact JSON (no
// blanks between tokens), as this program writes it.
std::string IndentJson(std::string_view compact);

}  // namespace cli
