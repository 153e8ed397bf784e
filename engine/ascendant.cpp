#include "engine/ascendant.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/ayanamsa.h"
#include "engine/constants.h"

namespace engine {

namespace {

// Sidereal time at the epoch in hours, its rate per century and its quadratic term.
constexpr double kSiderealTimeAtEpoch = 6.6460656;
constexpr double kSiderealTimeRate = 2400.0513;
constexpr double kSiderealTimeQuadratic = 0.0000258;
// Mean obliquity of the ecliptic at the epoch, degrees, and its decrease per century.
constexpr double kObliquityAtEpoch = 23.452294;
constexpr double kObliquityRate = 0.0130125;

}  // namespace

AscendantResult ComputeAscendant(const AscendantInput& input) {
    const double t = input.centuriesFrom1900;
    AscendantResult result{};
    result.ayanamsaCorrection = AyanamsaCorrection(t);
    result.signedAyanamsaText = SignedAngleSmallText(result.ayanamsaCorrection);

    // T already holds the time of day, so the polynomial plus UT is the instant's sidereal time.
    double theta = 15 * (kSiderealTimeAtEpoch + kSiderealTimeRate * t +
                         kSiderealTimeQuadratic * t * t + input.universalHours) -
                   input.westLongitude;
    theta = SubtractWholeTurns(theta);
    result.siderealTime = theta;
    const double thetaRadians = theta * kDegreesToRadians;
    const double epsilon = (kObliquityAtEpoch - kObliquityRate * t) * kDegreesToRadians;
    result.obliquity = epsilon;

    // Each quadrant step adds π at most once: first by the arctangent's sign, then by θ's.
    double midheaven = ArcTan2(std::tan(thetaRadians), std::cos(epsilon));
    if (midheaven < 0) {
        midheaven += kPi;
    }
    if (std::sin(thetaRadians) < 0) {
        midheaven += kPi;
    }
    result.tropicalMidheaven = midheaven * kRadiansToDegrees;

    double ascendant =
        ArcTan2(std::cos(thetaRadians),
                -std::sin(thetaRadians) * std::cos(epsilon) -
                    std::sin(epsilon) * std::tan(input.northLatitude * kDegreesToRadians));
    if (ascendant < 0) {
        ascendant += kPi;
    }
    if (std::cos(thetaRadians) < 0) {
        ascendant += kPi;
    }
    double tropicalAscendant = ascendant * kRadiansToDegrees;
    while (tropicalAscendant >= kFullCircle) {
        tropicalAscendant -= kFullCircle;
    }
    result.tropicalAscendant = tropicalAscendant;

    result.siderealAscendant = Normalize360Once(tropicalAscendant + result.ayanamsaCorrection);
    result.siderealMidheaven =
        Normalize360Once(result.tropicalMidheaven + result.ayanamsaCorrection);
    result.ascendantText = LongPositionSmallText(result.siderealAscendant);
    result.midheavenText = LongPositionSmallText(result.siderealMidheaven);
    return result;
}

}  // namespace engine
