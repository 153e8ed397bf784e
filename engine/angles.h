#pragma once

#include <string>
#include <string_view>

#include "engine/small_text.h"

namespace engine {

// Two-argument arctangent in radians, in (-π, π]. For x < 0 and y = 0 it gives 0, not π; the
// callers that need a full turn correct the quadrant themselves.
double ArcTan2(double y, double x);

// Brings degrees into the circle with at most one correction: below 0 adds 360, then above 360
// subtracts 360. 360 itself stays 360.
double Normalize360Once(double degrees);

// Degrees less 360 as many times as they stay at or above 360, to the bit as a loop of
// subtractions leaves them; negative degrees are kept. Below 2^55 degrees each subtraction is
// exact (360 is a whole multiple of the spacing of doubles there), so the turns can be taken
// off at once.
double SubtractWholeTurns(double degrees);

// Radians reduced to [0, 2π) with the engine's 2π.
double ReduceToTwoPi(double radians);

// "D° M' S\" Abb": degrees within the sign, minutes and seconds, each cut (never rounded), then
// the sign's abbreviation. Longitudes of 360 or more are first brought into [0, 360).
SmallText LongPositionSmallText(double longitudeDegrees);
std::string LongPositionText(double longitudeDegrees);

// "-D° M' S\"": a signed angle with no sign of the zodiac; negative angles begin with "-". An
// angle of more than SmallText::kCapacity bytes of text is cut there.
SmallText SignedAngleSmallText(double degrees);
std::string SignedAngleText(double degrees);

// "DD Abb MM" from a long position text: two-digit degrees, abbreviation, two-digit minutes.
std::string ShortPositionText(std::string_view longText);

// The short text of a longitude, the same as ShortPositionText of its LongPositionText.
std::string ShortPositionTextOf(double longitudeDegrees);

// The whole arc-seconds from 0° Aries that the long position text of a longitude shows: its
// degrees, minutes and seconds cut, never rounded. A chart cuts each longitude once and writes
// both of its texts, and everything read from them, from this number.
int ArcSecondsShown(double longitudeDegrees);

// The long and the short position texts of arc-seconds in [0, 360 · 3600), held in place.
SmallText LongPositionTextOfArcSeconds(int arcSeconds);
SmallText ShortPositionTextOfArcSeconds(int arcSeconds);

// The degree sign as it stands in position texts (UTF-8).
inline constexpr std::string_view kDegreeMark = "\u00B0";

}  // namespace engine
