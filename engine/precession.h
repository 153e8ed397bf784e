#pragma once

namespace engine {

// General precession in longitude from the equinox of J2000 to that of the date, in degrees, for
// d days from 2000 January 1, 12h UT. The orbital elements give longitudes on the J2000 equinox,
// while the ayanamsa is that of the date: adding this brings both to the same frame.
double PrecessionSinceJ2000(double daysFromJ2000);

}  // namespace engine
