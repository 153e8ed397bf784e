#pragma once

#include <array>

namespace engine {

// The ayanamsas offered with precise positions (the reference library's sidereal modes 1, 3, 5
// and 27).
enum class AyanamsaMode { kLahiri, kRaman, kKrishnamurti, kTrueChitrapaksha };

enum class NodeKind { kMean, kTrue };

// Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn and the ascending node (Rahu), in this order.
inline constexpr int kPreciseBodyCount = 8;

struct PreciseSky {
    std::array<double, kPreciseBodyCount> longitudes{};  // sidereal, degrees in [0, 360)
    std::array<double, kPreciseBodyCount> speeds{};      // degrees a day
    double ascendant = 0;                                // sidereal degrees in [0, 360)
    double midheaven = 0;                                // sidereal degrees in [0, 360)
    double ayanamsa = 0;  // degrees, positive: tropical minus sidereal
};

// Universal time covered by the tables: 1900-12-31 0h to 2051-01-02 0h UT, so that every local
// clock reading of 1901 to 2050 in every zone falls inside.
inline constexpr double kPreciseFirstJulianDayUt = 2415384.5;
inline constexpr double kPreciseLastJulianDayUt = 2470173.5;

// The sky at a Julian day of universal time, for a place (latitude north positive, longitude
// east positive, degrees). The day must lie within the tables' range. Allocates nothing.
PreciseSky ComputePreciseSky(double julianDayUt, double latitudeDegrees,
                             double eastLongitudeDegrees, AyanamsaMode ayanamsa, NodeKind node);

}  // namespace engine
