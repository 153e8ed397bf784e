#include "reading/nakshatra_lookup.h"

#include <charconv>

#include "engine/angles.h"
#include "reading/sign_tables.h"

namespace reading {

namespace {

constexpr int kArcMinutesPerSign = 30 * 60;
constexpr int kArcMinutesPerQuarter = 200;  // 3° 20′
constexpr int kQuartersPerNakshatra = 4;

std::optional<int> LeadingNumber(std::string_view text) {
    const auto start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, error] =
        std::from_chars(text.data() + start, text.data() + text.size(), value);
    if (error != std::errc{}) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<int> PadaOfPositionText(std::string_view text) {
    const auto degreeMark = text.find(engine::kDegreeMark);
    if (degreeMark == std::string_view::npos || text.size() < 3) {
        return std::nullopt;
    }
    const auto sign = engine::SignIndexOf(text.substr(text.size() - 3));
    const auto degrees = LeadingNumber(text.substr(0, degreeMark));
    const auto minutes = LeadingNumber(text.substr(degreeMark + engine::kDegreeMark.size()));
    if (!sign || !degrees || !minutes) {
        return std::nullopt;
    }
    const int arcMinutes = kArcMinutesPerSign * *sign + 60 * *degrees + *minutes;
    return (arcMinutes / kArcMinutesPerQuarter) % kQuartersPerNakshatra + 1;
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
