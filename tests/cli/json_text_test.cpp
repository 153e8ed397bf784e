#include "cli/json_text.h"

#include <gtest/gtest.h>

#include <QJsonDocument>

#include <algorithm>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

namespace cli {
namespace {

std::string Escaped(std::string_view text) {
    std::string out;
    AppendJsonString(out, text);
    return out;
}

// A short text as the program makes it, with a quote in every byte of its buffer past the text.
std::string EscapedShortText(std::string_view text) {
    const auto filled = engine::SmallText::Filled([text](auto& bytes) {
        std::fill(std::begin(bytes), std::end(bytes), '"');
        std::copy(text.begin(), text.end(), std::begin(bytes));
        return text.size();
    });
    std::string out;
    JsonWriter writer(out);
    AppendJsonShortText(writer, filled);
    return out;
}

TEST(JsonStringTest, EscapesWhatJsonRequires) {
    const struct {
        std::string_view text;
        std::string_view expected;
    } cases[] = {
        {"Asha Rao", R"("Asha Rao")"},
        {"", R"("")"},
        {"say \"hi\"", R"("say \"hi\"")"},
        {"back\\slash", R"("back\\slash")"},
        {"two\nlines\r\n", R"("two\nlines\r\n")"},
        {"tab\there\b\f", R"("tab\there\b\f")"},
        {std::string_view("nul\0end", 7), R"("nul\u0000end")"},
        {"\x1f\x7f", "\"\\u001f\x7f\""},
        {"23° 34' 54\"", "\"23° 34' 54\\\"\""},
        {"/", R"("/")"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Escaped(c.text), c.expected) << "text: " << c.text;
        EXPECT_EQ(EscapedShortText(c.text), c.expected) << "short text: " << c.text;
    }
}

TEST(JsonStringTest, KeepsValidUtf8AndReplacesBrokenBytes) {
    EXPECT_EQ(Escaped("Zürich €𝄞"), "\"Zürich €𝄞\"");
    // A Latin-1 byte, a lone continuation byte, a cut-off sequence, an overlong slash and an
    // encoded surrogate each become U+FFFD, byte by byte.
    EXPECT_EQ(Escaped("Z\xfcrich"), "\"Z\xEF\xBF\xBDrich\"");
    EXPECT_EQ(Escaped("\x80"), "\"\xEF\xBF\xBD\"");
    EXPECT_EQ(Escaped("\xE2\x82"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\"");
    EXPECT_EQ(Escaped("\xC0\xAF"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\"");
    EXPECT_EQ(Escaped("\xED\xA0\x80"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\"");
    EXPECT_EQ(Escaped("\xF4\x90\x80\x80"),
              "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\"");  // past U+10FFFF
}

// Every byte at every place of texts shorter and longer than a word, so the checks of eight and
// sixteen bytes at a time never let through a byte that needs escaping or checking.
TEST(JsonStringTest, EveryByteAtEveryPlaceOfTheWord) {
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        std::string alone;
        if (byte >= 0x80) {
            alone = "\xEF\xBF\xBD";  // a lone byte past ASCII is never valid UTF-8
        } else if (byte < 0x20 || c == '"' || c == '\\') {
            alone = Escaped(std::string_view(&c, 1));
            alone = alone.substr(1, alone.size() - 2);
            ASSERT_EQ(alone[0], '\\') << byte;
        } else {
            alone = std::string(1, c);
        }
        for (std::size_t size = 1; size <= engine::SmallText::kCapacity; ++size) {
            for (std::size_t at = 0; at < size; ++at) {
                std::string text(size, 'a');
                text[at] = c;
                std::string expected(size, 'a');
                expected.replace(at, 1, alone);
                ASSERT_EQ(Escaped(text), '"' + expected + '"')
                    << "byte " << byte << " at " << at << " of " << size;
                ASSERT_EQ(EscapedShortText(text), '"' + expected + '"')
                    << "byte " << byte << " at " << at << " of short text " << size;
            }
        }
    }
}

// The short texts' writer against the general one, on every string of up to four bytes drawn from
// plain bytes, escapes and the pieces of valid and broken UTF-8, at the start, the middle and
// the end of the sixteen bytes it looks at together.
TEST(JsonStringTest, ShortTextsAsTheGeneralWriterWritesThem) {
    constexpr std::string_view kPieces = "a\"\\\n\xC2\xB0\xDF\xC0\x80\xBF\xE2";
    std::vector<std::string> texts = {""};
    for (std::size_t from = 0; texts.back().size() < 4;) {
        const std::size_t to = texts.size();
        for (; from < to; ++from) {
            for (const char piece : kPieces) {
                texts.push_back(texts[from] + piece);
            }
        }
    }
    for (const std::string& text : texts) {
        for (const std::size_t before : {0, 5, 12}) {
            const std::string placed = std::string(before, 'b') + text;
            ASSERT_EQ(EscapedShortText(placed), Escaped(placed))
                << QByteArray::fromStdString(placed).toHex().toStdString();
        }
    }
}

TEST(JsonNumberTest, WholeNumbers) {
    std::string out;
    AppendJsonNumber(out, -30);
    out += ',';
    AppendJsonNumber(out, 2444406);
    EXPECT_EQ(out, "-30,2444406");
}

TEST(IndentJsonTest, LaysOutNestingAndLeavesStringsAlone) {
    const std::string compact =
        R"({"name":"a, {b}: [c] \"d\"","list":[-5,true],"empty":[],"none":{},"inner":{"x":30}})";
    EXPECT_EQ(IndentJson(compact),
              "{\n"
              "    \"name\": \"a, {b}: [c] \\\"d\\\"\",\n"
              "    \"list\": [\n"
              "        -5,\n"
              "        true\n"
              "    ],\n"
              "    \"empty\": [],\n"
              "    \"none\": {},\n"
              "    \"inner\": {\n"
              "        \"x\": 30\n"
              "    }\n"
              "}");
    EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(IndentJson(compact))),
              QJsonDocument::fromJson(QByteArray::fromStdString(compact)));
}

TEST(IndentJsonTest, UnbalancedInputDoesNotBreakIt) {
    EXPECT_EQ(IndentJson("}]"), "\n}\n]");
    EXPECT_EQ(IndentJson("\"open\\"), "\"open\\");
}

TEST(JsonNumberTest, DecimalsInTheirShortestFixedForm) {
    // The last takes 33 bytes, more than any longitude.
    const std::pair<double, std::string_view> cases[] = {
        {365.25, "365.25"}, {12.3456, "12.3456"},
        {0.0004, "0.0004"}, {7, "7"},
        {-0.5, "-0.5"},     {1.2345678901234568e-15, "0.0000000000000012345678901234568"}};
    for (const auto& [value, expected] : cases) {
        std::string out;
        AppendJsonDecimal(out, value);
        EXPECT_EQ(out, expected);
    }
    // The longest fixed form there is, after other text.
    std::string out = "[";
    AppendJsonDecimal(out, -std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(out, "[-0." + std::string(323, '0') + "5");
}

}  // namespace
}  // namespace cli
