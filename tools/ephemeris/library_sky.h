#pragma once

#include <string>

namespace ephemeris {

// The quantities the program's tables hold, as the Swiss Ephemeris gives them at a Julian day of
// universal time. Each throws std::runtime_error when the library fails or would fall back from
// its data files to a less precise theory.

// Opens the data files in a folder; the library keeps them in state of its own.
void OpenLibrary(const std::string& ephemerisFolder);
void CloseLibrary();

// "Swiss Ephemeris 2.10.03" and the data files' names, for the generated file's heading.
std::string LibraryVersion();

// The library's numbers of the bodies and the sidereal modes used here.
int SunBody();
int MoonBody();
int MercuryBody();
int VenusBody();
int MarsBody();
int JupiterBody();
int SaturnBody();
int MeanNodeBody();
int TrueNodeBody();

// Apparent geocentric ecliptic position of date: longitude and latitude in degrees, distance in
// astronomical units. Without nutation (on the mean equinox of date), and without the Sun's light
// deflection, when asked.
struct LibraryPosition {
    double longitude, latitude, distance;
};
enum class Corrections { kAll, kWithoutNutation, kWithoutNutationOrDeflection };
LibraryPosition ApparentPosition(int body, double julianDayUt, Corrections corrections);

struct Nutation {
    double inLongitude;    // degrees
    double inObliquity;    // degrees
    double meanObliquity;  // degrees
};
Nutation NutationAt(double julianDayUt);

// Apparent sidereal time at Greenwich, degrees.
double GreenwichSiderealTime(double julianDayUt);

// The library's sidereal mode numbers: Lahiri, Raman, Krishnamurti, True Chitrapaksha.
inline constexpr int kSiderealModes[] = {1, 3, 5, 27};

// The true ayanamsa (with nutation) of a sidereal mode, degrees.
double TrueAyanamsa(int siderealMode, double julianDayUt);

}  // namespace ephemeris

namespace ephemeris {

// ΔT, terrestrial less universal time, in days, at a Julian day of universal time.
double DeltaT(double julianDayUt);

}  // namespace ephemeris
