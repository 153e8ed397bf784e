#include "reading/navamsa.h"

#include "engine/zodiac.h"
#include "reading/long_position_text.h"

namespace reading {

int NavamsaSignOfArcSeconds(int arcSeconds) {
    // Each sign has nine navamsas of 3° 20′, counted on round the zodiac from Aries. This one
    // count gives the classical starts: movable signs from themselves, fixed signs from their
    // ninth, dual signs from their fifth.
    // Unsigned, since the count is never negative: the divisions by constants are shorter.
    constexpr unsigned kNavamsasPerSign = 9;
    return static_cast<int>(static_cast<unsigned>(arcSeconds) * kNavamsasPerSign /
                            engine::kArcSecondsPerSign % engine::kSignCount);
}

std::optional<int> NavamsaSignOf(std::string_view longPositionText) {
    const auto arcSeconds = ArcSecondsOfLongText(longPositionText);
    if (!arcSeconds) {
        return std::nullopt;
    }
    return NavamsaSignOfArcSeconds(*arcSeconds);
}

NavamsaSigns NavamsaOf(const BodyTexts& longPositions) {
    NavamsaSigns signs;
    for (int body = 0; body < kNavamsaBodyCount; ++body) {
        if (const auto sign = NavamsaSignOf(longPositions[body])) {
            signs[body] = engine::kSignAbbreviations[*sign];
        }
    }
    return signs;
}

NavamsaSigns NavamsaOf(const BodyArcSeconds& arcSeconds) {
    NavamsaSigns signs;
    for (int body = 0; body < kNavamsaBodyCount; ++body) {
        signs[body] = engine::kSignAbbreviations[NavamsaSignOfArcSeconds(arcSeconds[body])];
    }
    return signs;
}

}  // namespace reading
