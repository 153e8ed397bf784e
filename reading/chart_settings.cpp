#include "reading/chart_settings.h"

#include <algorithm>

namespace reading {

namespace {

template <typename Choice, std::size_t Count>
std::optional<Choice> Named(const std::array<std::string_view, Count>& words,
                            std::string_view word) {
    const auto found = std::ranges::find(words, word);
    if (found == words.end()) {
        return std::nullopt;
    }
    return static_cast<Choice>(found - words.begin());
}

}  // namespace

std::string_view WordOf(PositionsKind positions) {
    return kPositionsWords[static_cast<std::size_t>(positions)];
}

std::string_view WordOf(engine::AyanamsaMode ayanamsa) {
    return kAyanamsaWords[static_cast<std::size_t>(ayanamsa)];
}

std::string_view WordOf(engine::NodeKind node) {
    return kNodeWords[static_cast<std::size_t>(node)];
}

std::optional<PositionsKind> PositionsNamed(std::string_view word) {
    return Named<PositionsKind>(kPositionsWords, word);
}

std::optional<engine::AyanamsaMode> AyanamsaNamed(std::string_view word) {
    return Named<engine::AyanamsaMode>(kAyanamsaWords, word);
}

std::optional<engine::NodeKind> NodeNamed(std::string_view word) {
    return Named<engine::NodeKind>(kNodeWords, word);
}

}  // namespace reading
