#include "reading/nakshatra_lookup.h"

#include "reading/long_position_text.h"
#include "reading/sign_tables.h"

namespace reading {

namespace {

constexpr int kQuartersPerNakshatra = 4;
constexpr int kArcSecondsPerQuarter = kArcSecondsPerNakshatra / kQuartersPerNakshatra;

}  // namespace

std::optional<int> PadaOfPositionText(std::string_view text) {
    const auto arcSeconds = ArcSecondsOfLongText(text);
    if (!arcSeconds) {
        return std::nullopt;
    }
    return *arcSeconds / kArcSecondsPerQuarter % kQuartersPerNakshatra + 1;
}

std::optional<LordAndPada> LookUpLordAndPada(std::string_view nakshatra,
                                             std::string_view moonPositionText) {
    const auto pada = PadaOfPositionText(moonPositionText);
    if (!pada) {
        return std::nullopt;
    }
    for (const NakshatraLordRow& row : NakshatraLordTable) {
        if (row.nakshatra == nakshatra) {
            return LordAndPada{std::string(row.lord), std::to_string(*pada)};
        }
    }
    return std::nullopt;
}

}  // namespace reading
