#include "reading/long_position_text.h"

#include "engine/angles.h"
#include "engine/zodiac.h"

namespace reading {

namespace {

// Reads, from position at, optional blanks, a whole number below limit of at most two digits,
// then mark; moves at past all of them. Written out by hand: every chart reads ten texts.
std::optional<int> TakeField(std::string_view text, std::size_t& at, std::string_view mark,
                             int limit) {
    while (at < text.size() && text[at] == ' ') {
        ++at;
    }
    const std::size_t first = at;
    int value = 0;
    while (at < text.size() && at - first < 2 && text[at] >= '0' && text[at] <= '9') {
        value = 10 * value + (text[at] - '0');
        ++at;
    }
    if (at == first || value >= limit || text.substr(at, mark.size()) != mark) {
        return std::nullopt;
    }
    at += mark.size();
    return value;
}

}  // namespace

std::optional<int> ArcSecondsOfLongText(std::string_view text) {
    if (text.size() < 3) {
        return std::nullopt;
    }
    const auto sign = engine::SignIndexOf(text.substr(text.size() - 3));
    const std::string_view fields = text.substr(0, text.size() - 3);
    std::size_t at = 0;
    const auto degrees = TakeField(fields, at, engine::kDegreeMark, 30);
    const auto minutes = degrees ? TakeField(fields, at, "'", 60) : std::nullopt;
    const auto seconds = minutes ? TakeField(fields, at, "\"", 60) : std::nullopt;
    if (!sign || !seconds || fields.find_first_not_of(' ', at) != std::string_view::npos) {
        return std::nullopt;
    }
    return *sign * kArcSecondsPerSign + *degrees * 3600 + *minutes * 60 + *seconds;
}

}  // namespace reading
