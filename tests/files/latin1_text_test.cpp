#include "files/latin1_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace files {
namespace {

TEST(Latin1Text, EveryLatin1CharacterSurvivesTheRoundTrip) {
    std::string allBytes;
    for (int code = 0; code < 256; ++code) {
        allBytes += static_cast<char>(code);
    }
    EXPECT_EQ(Utf8ToLatin1(Latin1ToUtf8(allBytes)), allBytes);
    EXPECT_EQ(Latin1ToUtf8("\xE9"), "\u00E9");
}

TEST(Latin1Text, WhatLatin1CannotHoldBecomesAQuestionMark) {
    EXPECT_EQ(Utf8ToLatin1("Zo\u00EB \u00B0"), "Zo\xEB \xB0");
    EXPECT_EQ(Utf8ToLatin1("\u0100"), "?");               // first code point past Latin-1
    EXPECT_EQ(Utf8ToLatin1("a\u20ACb"), "a?b");           // three-byte sequence
    EXPECT_EQ(Utf8ToLatin1("\U0001F600!"), "?!");         // four-byte sequence
    EXPECT_EQ(Utf8ToLatin1("\xC3"), "?");                 // cut short at the end
    EXPECT_EQ(Utf8ToLatin1("\xC3x"), "?x");               // continuation missing
    EXPECT_EQ(Utf8ToLatin1("\x80\xBF"), "??");            // stray continuation bytes
    EXPECT_EQ(Utf8ToLatin1("\xC1\xA9"), "??");            // overlong form of 'i'
    EXPECT_EQ(Utf8ToLatin1("\xED\xA0\x80"), "???");       // a surrogate
    EXPECT_EQ(Utf8ToLatin1("\xF4\x90\x80\x80"), "????");  // beyond Unicode
    EXPECT_EQ(Utf8ToLatin1("\xFF"), "?");
}

TEST(Latin1Text, EveryLineEndsWithCarriageReturnLineFeed) {
    const std::vector<std::string> lines{"Name: Ren\u00E9e", "\r", ""};
    EXPECT_EQ(Latin1TextFile(lines),
              "Name: Ren\xE9"
              "e\r\n\r\r\n\r\n");
    EXPECT_EQ(Latin1TextFile({}), "");
}

}  // namespace
}  // namespace files
