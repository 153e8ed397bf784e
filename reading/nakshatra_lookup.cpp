#include "reading/nakshatra_lookup.h"

#include "reading/long_position_text.h"
#include "reading/sign_tables.h"

namespace reading {

namespace {

constexpr int kArcSecondsPerQuarter = 200 * 60;  // 3° 20′
constexpr int kQuartersPerNakshatra = 4;

}  // namespace

int PadaOfArcSeconds(int arcSeconds) {
    return arcSeconds / kArcSecondsPerQuarter % kQuartersPerNakshatra + 1;
}

std::optional<int> PadaOfPositionText(std::string_view text) {
    const auto arcSeconds = ArcSecondsOfLongText(text);
    if (!arcSeconds) {
        return std::nullopt;
    }
    return PadaOfArcSeconds(*arcSeconds);
}

std::optional<LordAndPada> LookUpLordAndPada(std::string_view nakshatra, int moonArcSeconds) {
    for (const NakshatraLordRow& row : NakshatraLordTable) {
        if (row.nakshatra == nakshatra) {
            return LordAndPada{
                std::string(row.lord),
                std::string(1, static_cast<char>('0' + PadaOfArcSeconds(moonArcSeconds)))};
        }
    }
    return std::nullopt;
}

std::optional<LordAndPada> LookUpLordAndPada(std::string_view nakshatra,
                                             std::string_view moonPositionText) {
    const auto arcSeconds = ArcSecondsOfLongText(moonPositionText);
    if (!arcSeconds) {
        return std::nullopt;
    }
    return LookUpLordAndPada(nakshatra, *arcSeconds);
}

}  // namespace reading
