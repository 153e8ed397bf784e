#pragma once

#include "engine/small_text.h"

namespace engine {

// The instant and place of a birth as the ascendant needs them.
struct AscendantInput {
    double centuriesFrom1900;  // T, with the time of day included
    double universalHours;     // UT, may lie outside 0 to 24
    double westLongitude;      // degrees, west positive
    double northLatitude;      // degrees, north positive
};

struct AscendantResult {
    double ayanamsaCorrection;  // degrees, negative
    double siderealTime;        // local sidereal time, degrees
    double obliquity;           // radians
    double tropicalMidheaven;   // degrees
    double tropicalAscendant;   // degrees
    double siderealMidheaven;   // degrees
    double siderealAscendant;   // degrees
    SmallText ascendantText;    // long position texts
    SmallText midheavenText;
    SmallText signedAyanamsaText;
};

// Ayanamsa, local sidereal time, obliquity, and the sidereal ascendant (the Lagna) and
// midheaven with their texts.
AscendantResult ComputeAscendant(const AscendantInput& input);

}  // namespace engine
