#include "cli/json_writer.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace cli {
namespace {

std::string Escaped(std::string_view text) {
    std::string out;
    AppendJsonString(out, text);
    return out;
}

TEST(JsonStringTest, EscapesWhatJsonRequires) {
    const struct {
        std::string_view text;
        std::string_view expected;
    } cases[] = {
        {"Asha Rao", R"("Asha Rao")"},
        {"say \"hi\"", R"("say \"hi\"")"},
        {"back\\slash", R"("back\\slash")"},
        {"two\nlines\r\n", R"("two\nlines\r\n")"},
        {"tab\there", R"("tab\there")"},
        {std::string_view("nul\0end", 7), R"("nul\u0000end")"},
        {"\x1f\x7f", "\"\\u001f\x7f\""},
        {"23° 34' 54\"", "\"23° 34' 54\\\"\""},
        {"/", R"("/")"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Escaped(c.text), c.expected) << "text: " << c.text;
    }
}

TEST(JsonStringTest, KeepsValidUtf8AndReplacesBrokenBytes) {
    EXPECT_EQ(Escaped("Zürich €𝄞"), "\"Zürich €𝄞\"");
    // A Latin-1 byte, a lone continuation byte, a cut-off sequence, an overlong slash and an
    // encoded surrogate each become U+FFFD.
    EXPECT_EQ(Escaped("Z\xfcrich"), "\"Z\xEF\xBF\xBDrich\"");
    EXPECT_EQ(Escaped("\x80"), "\"\xEF\xBF\xBD\"");
    EXPECT_EQ(Escaped("\xE2\x82"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\"");
    EXPECT_EQ(Escaped("\xC0\xAF"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\"");
    EXPECT_EQ(Escaped("\xED\xA0\x80"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\"");
}

void WriteSample(JsonWriter& json) {
    json.BeginObject();
    json.Key("name");
    json.String("Asha \"A\" Rao");
    json.Key("list");
    json.BeginArray();
    json.Number(-5);
    json.Bool(true);
    json.EndArray();
    json.Key("empty");
    json.BeginArray();
    json.EndArray();
    json.Key("inner");
    json.BeginObject();
    json.Key("x");
    json.Number(30);
    json.EndObject();
    json.EndObject();
}

TEST(JsonWriterTest, CompactLayoutIsOneLine) {
    std::string out;
    JsonWriter json(out, JsonWriter::Layout::kCompact);
    WriteSample(json);
    EXPECT_EQ(out, R"({"name":"Asha \"A\" Rao","list":[-5,true],"empty":[],"inner":{"x":30}})");
}

TEST(JsonWriterTest, IndentedLayoutReadsBackTheSame) {
    std::string out;
    JsonWriter json(out, JsonWriter::Layout::kIndented);
    WriteSample(json);
    EXPECT_EQ(out.substr(0, 31), "{\n    \"name\": \"Asha \\\"A\\\" Rao\",");
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(out), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << out;
    const QJsonObject object = document.object();
    EXPECT_EQ(object["name"].toString(), "Asha \"A\" Rao");
    EXPECT_EQ(object["list"].toArray(), QJsonArray({-5, true}));
    EXPECT_TRUE(object["empty"].toArray().isEmpty());
    EXPECT_EQ(object["inner"].toObject()["x"].toInt(), 30);
}

}  // namespace
}  // namespace cli
