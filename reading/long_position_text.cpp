#include "reading/long_position_text.h"

#include <algorithm>
#include <array>

#include "engine/angles.h"
#include "engine/zodiac.h"

namespace reading {

namespace {

// Every chart reads ten texts whose digits vary from chart to chart, so the reader avoids
// branches that depend on them: each step notes whether the text is still well formed, and the
// text is judged once at the end. Reads never go past the text's end.
class TextReader {
  public:
    explicit TextReader(std::string_view text) : text_(text) {}

    // A whole number of one or two digits below limit.
    int Number(int limit) {
        const bool first = IsDigit(At(0));
        const bool second = first && IsDigit(At(1));
        const int value = second ? 10 * Digit(At(0)) + Digit(At(1)) : Digit(At(0));
        ok_ = ok_ && first && value < limit;
        at_ += second ? 2 : 1;
        return value;
    }

    void Expect(std::string_view mark) {
        for (const char c : mark) {
            ok_ = ok_ && At(0) == c;
            ++at_;
        }
    }

    void SkipBlanks() {
        while (at_ < text_.size() && text_[at_] == ' ') {
            ++at_;
        }
    }

    bool AtEnd() const { return at_ == text_.size(); }
    bool ok() const { return ok_; }

  private:
    // The character offset places ahead, or a NUL past the end.
    char At(std::size_t offset) const {
        const std::size_t i = at_ + offset;
        return i < text_.size() ? text_[i] : '\0';
    }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    static int Digit(char c) { return c - '0'; }

    std::string_view text_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

constexpr unsigned PackedLetters(std::string_view three) {
    return static_cast<unsigned char>(three[0]) | static_cast<unsigned char>(three[1]) << 8 |
           static_cast<unsigned char>(three[2]) << 16;
}

constexpr std::array<unsigned, engine::kSignCount> kPackedSigns = [] {
    std::array<unsigned, engine::kSignCount> packed{};
    for (int k = 0; k < engine::kSignCount; ++k) {
        packed[k] = PackedLetters(engine::kSignAbbreviations[k]);
    }
    return packed;
}();

// The sign of an abbreviation, compared as one number with all twelve at once; -1 for none.
int SignOfLetters(std::string_view three) {
    const unsigned packed = PackedLetters(three);
    int sign = -1;
    for (int k = 0; k < engine::kSignCount; ++k) {
        sign = kPackedSigns[k] == packed ? k : sign;
    }
    return sign;
}

}  // namespace

std::optional<int> ArcSecondsOfLongText(std::string_view text) {
    if (text.size() < 3) {
        return std::nullopt;
    }
    const int sign = SignOfLetters(text.substr(text.size() - 3));
    TextReader fields(text.substr(0, text.size() - 3));
    fields.SkipBlanks();
    const int degrees = fields.Number(30);
    fields.Expect(engine::kDegreeMark);
    fields.SkipBlanks();
    const int minutes = fields.Number(60);
    fields.Expect("'");
    fields.SkipBlanks();
    const int seconds = fields.Number(60);
    fields.Expect("\"");
    fields.SkipBlanks();
    if (sign < 0 || !fields.ok() || !fields.AtEnd()) {
        return std::nullopt;
    }
    return sign * engine::kArcSecondsPerSign + degrees * 3600 + minutes * 60 + seconds;
}

}  // namespace reading
