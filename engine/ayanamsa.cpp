#include "engine/ayanamsa.h"

#include <cmath>

#include "engine/constants.h"

namespace engine {

double AyanamsaCorrection(double t) {
    // Mean longitude of the Moon's node; the three numbers are arcseconds. Negative values stay.
    double node = (933060 - 6962911 * t + 7.5 * t * t) / 3600;
    while (node >= kFullCircle) {
        node -= kFullCircle;
    }
    const double twiceSunLongitude = (2013816 + 259205536 * t) / 3600;
    const double nutation = 1.27 * std::sin(twiceSunLongitude * kDegreesToRadians) +
                            17.23 * std::sin(node * kDegreesToRadians);
    return (nutation - t * (5025.64 + 1.11 * t) - 80861.27) / 3600;
}

}  // namespace engine
