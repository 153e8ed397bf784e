#pragma once

namespace engine {

// Sidereal longitude of Rahu, the Moon's mean ascending node, in [0, 360): the mean node from
// 125.1228° at J2000 moving back 0.0529538083° a day, less the ayanamsa.
double RahuLongitude(double daysFromJ2000, double ayanamsaCorrection);

// Ketu stands opposite Rahu. A value of exactly 360 is kept as the chart has always shown it.
double KetuLongitude(double rahuLongitude);

}  // namespace engine
