#include "engine/lunar_node.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/constants.h"

namespace engine {

namespace {

constexpr double kNodeAtJ2000 = 125.1228;          // degrees
constexpr double kNodeDailyMotion = 0.0529538083;  // degrees a day, retrograde

}  // namespace

double RahuLongitude(double daysFromJ2000, double ayanamsaCorrection) {
    const double node = (kNodeAtJ2000 - kNodeDailyMotion * daysFromJ2000) * kDegreesToRadians;
    double rahu = ReduceToTwoPi(node) * kNodeRadiansToDegrees;
    rahu -= std::fabs(ayanamsaCorrection);
    while (rahu < 0) {
        rahu += kFullCircle;
    }
    return rahu;
}

double KetuLongitude(double rahuLongitude) {
    double ketu = rahuLongitude + 180;
    while (ketu > kFullCircle) {
        ketu -= kFullCircle;
    }
    return std::fabs(ketu);
}

}  // namespace engine
