#pragma once

namespace engine {

// The ayanamsa with a minus sign, in degrees, for T Julian centuries from 1899 December 31, 12h:
// precession of 5025.64″ a century with a quadratic term from 80861.27″ at T = 0, and the two
// leading nutation terms. Tropical longitude + correction = sidereal longitude.
double AyanamsaCorrection(double centuriesFrom1900);

}  // namespace engine
