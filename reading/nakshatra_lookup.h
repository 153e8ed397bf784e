#pragma once

#include <optional>
#include <string_view>

namespace reading {

// Texts from constant tables that live as long as the program.
struct LordAndPada {
    std::string_view lord;
    std::string_view pada;  // "1" to "4"
};

// The nakshatra's lord from the first row of the lord table that names it, and the pada: the
// quarter of the nakshatra (3° 20′ each) in which the Moon stands, read from the Moon's long
// position text. Nothing when the name is in no row or the text cannot be read.
std::optional<LordAndPada> LookUpLordAndPada(std::string_view nakshatra,
                                             std::string_view moonPositionText);

// The same with the Moon's position in the arc-seconds its text shows.
std::optional<LordAndPada> LookUpLordAndPada(std::string_view nakshatra, int moonArcSeconds);

// The same for the nakshatra at index nakshatraIndex of NakshatraNames (0 to 26), without
// looking its name up.
std::optional<LordAndPada> LookUpLordAndPada(int nakshatraIndex, int moonArcSeconds);

// The quarter 1 to 4 of its nakshatra for a long position text, or nothing for a text that is
// not one.
std::optional<int> PadaOfPositionText(std::string_view longPositionText);
int PadaOfArcSeconds(int arcSeconds);

}  // namespace reading
