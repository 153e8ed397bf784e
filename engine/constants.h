#pragma once

// The engine's numeric constants. The π literal and the conversion factors are used exactly as
// written: the printed positions are cut, not rounded, so even the last digits of these factors
// can move a second of arc and the program's results are defined with these values.

namespace engine {

inline constexpr double kPi = 3.14159265358979;     // the engine's π, not the full constant
inline constexpr double kTwoPi = 6.28318530717958;  // 2π as the engine writes it
inline constexpr double kDegreesToRadians = 0.0174532925199433;

// Radians to degrees for the ascendant and midheaven.
inline constexpr double kRadiansToDegrees = 57.2957795130823;
// Radians to degrees for the planets: 180 over the π literal.
inline constexpr double kPlanetRadiansToDegrees = 180.0 / kPi;
// Radians to degrees for the lunar node, built from 3.1416.
inline constexpr double kNodeRadiansToDegrees = 180.0 / 3.1416;

inline constexpr double kJulianDay1900 = 2415020.0;   // 1899 December 31, 12h UT
inline constexpr double kJulianDayJ2000 = 2451545.0;  // 2000 January 1, 12h UT
inline constexpr double kDaysPerCentury = 36525.0;

inline constexpr double kDegreesPerSign = 30.0;
inline constexpr double kFullCircle = 360.0;

}  // namespace engine
