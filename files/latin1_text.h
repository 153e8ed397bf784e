#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace files {

// Text files (reading files and reports) are Latin-1 (ISO 8859-1) on every platform, with CR LF
// line ends, so a file written on one system reads the same on another.
inline constexpr std::string_view kLineEnd = "\r\n";

// UTF-8 text as Latin-1 bytes. A character Latin-1 cannot hold, and every broken UTF-8 sequence,
// becomes '?'.
std::string Utf8ToLatin1(std::string_view utf8);

// Latin-1 bytes as UTF-8 text; every byte is a character, so nothing is lost.
std::string Latin1ToUtf8(std::string_view latin1);

// UTF-8 text cut into its characters, each as its bytes; a broken sequence gives one character
// per byte, as Utf8ToLatin1 counts it.
std::vector<std::string_view> Utf8Characters(std::string_view utf8);

// The bytes of a text file: each line in Latin-1, followed by CR LF.
std::string Latin1TextFile(std::span<const std::string> utf8Lines);

}  // namespace files
