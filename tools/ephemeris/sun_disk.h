#pragma once

#include <vector>

namespace ephemeris {

// Behind the Sun's disk the library shrinks the light deflection: by a factor that depends only
// on the planet's distance from the Sun's centre in solar radii, ρ, and reaches 1 at the limb.
// The factor is measured from the library's own positions whenever a planet passes behind the
// disk, and fitted by a Chebyshev series in 2ρ − 1 with this many coefficients, by least squares
// of the error in longitude.
struct DiskFit {
    std::vector<double> coefficients;
    double largestErrorArcSeconds;  // in longitude, over the measured passes
    int sampleCount;
};
DiskFit DeflectionFactorInsideSun(int coefficientCount);

}  // namespace ephemeris
