#include "reading/iso_dates.h"

#include <algorithm>
#include <string_view>

namespace reading {

namespace {

// Writes value into text at position, zero-padded to width digits. Digit by digit: snprintf
// would be a noticeable share of a batch row.
void PutDigits(char* text, std::size_t position, std::size_t width, int value) {
    for (std::size_t i = position + width; i-- > position;) {
        text[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
}

}  // namespace

std::string IsoDate(const engine::CivilDate& date) {
    std::string text = "0000-00-00";
    PutDigits(text.data(), 0, 4, date.year);
    PutDigits(text.data(), 5, 2, date.month);
    PutDigits(text.data(), 8, 2, date.day);
    return text;
}

engine::SmallText IsoUniversalTime(const engine::CivilDateTime& universal) {
    return engine::SmallText::Filled([&universal](char* text) {
        constexpr std::string_view kPattern = "0000-00-00T00:00:00Z";
        std::copy(kPattern.begin(), kPattern.end(), text);
        PutDigits(text, 0, 4, universal.year);
        PutDigits(text, 5, 2, universal.month);
        PutDigits(text, 8, 2, universal.day);
        PutDigits(text, 11, 2, universal.hour);
        PutDigits(text, 14, 2, universal.minute);
        return kPattern.size();
    });
}

}  // namespace reading
