#pragma once

#include <optional>
#include <string_view>

namespace reading {

// The sidereal longitude a long position text ("5° 15' 32\" Sag") shows, in whole arc-seconds
// from 0° Aries, exactly as the text shows it. Nothing for a text that is not a long position
// text: fields missing or out of range, or no sign abbreviation at its end.
std::optional<int> ArcSecondsOfLongText(std::string_view longPositionText);

}  // namespace reading
