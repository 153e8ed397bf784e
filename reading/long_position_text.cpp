#include "reading/long_position_text.h"

#include <charconv>

#include "engine/angles.h"
#include "engine/zodiac.h"

namespace reading {

namespace {

// Reads a whole number after optional blanks, then expects mark; moves text past both.
std::optional<int> TakeField(std::string_view& text, std::string_view mark, int limit) {
    const auto start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return std::nullopt;
    }
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data() + start, end, value);
    if (error != std::errc{} || value < 0 || value >= limit) {
        return std::nullopt;
    }
    text.remove_prefix(static_cast<std::size_t>(stop - text.data()));
    if (!text.starts_with(mark)) {
        return std::nullopt;
    }
    text.remove_prefix(mark.size());
    return value;
}

}  // namespace

std::optional<int> ArcSecondsOfLongText(std::string_view text) {
    if (text.size() < 3) {
        return std::nullopt;
    }
    const auto sign = engine::SignIndexOf(text.substr(text.size() - 3));
    std::string_view fields = text.substr(0, text.size() - 3);
    const auto degrees = TakeField(fields, engine::kDegreeMark, 30);
    const auto minutes = degrees ? TakeField(fields, "'", 60) : std::nullopt;
    const auto seconds = minutes ? TakeField(fields, "\"", 60) : std::nullopt;
    if (!sign || !seconds || fields.find_first_not_of(' ') != std::string_view::npos) {
        return std::nullopt;
    }
    return *sign * engine::kArcSecondsPerSign + *degrees * 3600 + *minutes * 60 + *seconds;
}

}  // namespace reading
