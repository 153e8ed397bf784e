#include "reading/nakshatra_lookup.h"

#include <array>

#include "reading/long_position_text.h"
#include "reading/sign_tables.h"

namespace reading {

namespace {

constexpr int kQuartersPerNakshatra = 4;
constexpr int kArcSecondsPerQuarter = kArcSecondsPerNakshatra / kQuartersPerNakshatra;
constexpr std::string_view kPadaTexts[kQuartersPerNakshatra] = {"1", "2", "3", "4"};

// The lord each nakshatra name finds in the lord table, looked up when the program is compiled.
constexpr std::array<std::optional<std::string_view>, kNakshatraCount> kLordsOfNakshatras = [] {
    std::array<std::optional<std::string_view>, kNakshatraCount> lords{};
    for (int i = 0; i < kNakshatraCount; ++i) {
        for (const NakshatraLordRow& row : NakshatraLordTable) {
            if (row.nakshatra == NakshatraNames[i]) {
                lords[i] = row.lord;
                break;
            }
        }
    }
    return lords;
}();

}  // namespace

int PadaOfArcSeconds(int arcSeconds) {
    // Unsigned, so that every count gives a quarter 1 to 4.
    return static_cast<int>(static_cast<unsigned>(arcSeconds) / kArcSecondsPerQuarter %
                            kQuartersPerNakshatra) +
           1;
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
            return LordAndPada{row.lord, kPadaTexts[PadaOfArcSeconds(moonArcSeconds) - 1]};
        }
    }
    return std::nullopt;
}

std::optional<LordAndPada> LookUpLordAndPada(int nakshatraIndex, int moonArcSeconds) {
    const std::optional<std::string_view>& lord = kLordsOfNakshatras[nakshatraIndex];
    if (!lord) {
        return std::nullopt;
    }
    return LordAndPada{*lord, kPadaTexts[PadaOfArcSeconds(moonArcSeconds) - 1]};
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
