#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cli {

// Appends text as a JSON string literal, quotes included. Control characters, quotes and
// backslashes are escaped; bytes that are not valid UTF-8 become U+FFFD, so the output is
// always valid JSON whatever a CSV file or a reading file held.
void AppendJsonString(std::string& out, std::string_view utf8);

// Writes JSON into a string, either compact (one line, for the batch) or indented by four
// spaces (for a person reading one chart). Commas and indentation are its business; the
// caller only says what comes next.
class JsonWriter {
  public:
    enum class Layout { kCompact, kIndented };

    JsonWriter(std::string& out, Layout layout);

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    void Key(std::string_view name);
    void String(std::string_view value);
    void Number(long long value);
    void Bool(bool value);

  private:
    void BeforeValue();
    void Begin(char bracket);
    void End(char bracket);
    void NewLine();

    std::string& out_;
    Layout layout_;
    std::vector<bool> firstInLevel_;  // one entry per open object or array
    bool afterKey_ = false;
};

}  // namespace cli
