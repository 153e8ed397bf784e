#include "engine/precession.h"

#include "engine/constants.h"

namespace engine {

namespace {

// Arc-seconds per Julian century and per century squared.
constexpr double kPrecessionRate = 5029.0966;
constexpr double kPrecessionAcceleration = 1.11113;

}  // namespace

double PrecessionSinceJ2000(double daysFromJ2000) {
    const double t = daysFromJ2000 / kDaysPerCentury;
    return (kPrecessionRate * t + kPrecessionAcceleration * t * t) / 3600;
}

}  // namespace engine
