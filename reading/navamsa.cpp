#include "reading/navamsa.h"

#include "engine/zodiac.h"
#include "reading/long_position_text.h"

namespace reading {

std::optional<int> NavamsaSignOf(std::string_view longPositionText) {
    // Each sign has nine navamsas of 3° 20′, counted on round the zodiac from Aries. This one
    // count gives the classical starts: movable signs from themselves, fixed signs from their
    // ninth, dual signs from their fifth.
    constexpr int kNavamsasPerSign = 9;
    const auto arcSeconds = ArcSecondsOfLongText(longPositionText);
    if (!arcSeconds) {
        return std::nullopt;
    }
    return *arcSeconds * kNavamsasPerSign / kArcSecondsPerSign % engine::kSignCount;
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

}  // namespace reading
