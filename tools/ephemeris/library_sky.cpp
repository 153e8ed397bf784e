#include "tools/ephemeris/library_sky.h"

#include <stdexcept>

#include <swephexp.h>

namespace ephemeris {

namespace {

int SiderealModeInUse = -1;

void Require(bool succeeded, const char* what, const char* message) {
    if (!succeeded) {
        throw std::runtime_error(std::string(what) + ": " + message);
    }
}

}  // namespace

void OpenLibrary(const std::string& ephemerisFolder) {
    swe_set_ephe_path(ephemerisFolder.c_str());
    SiderealModeInUse = -1;
}

void CloseLibrary() {
    swe_close();
}

std::string LibraryVersion() {
    char version[AS_MAXCH] = {};
    swe_version(version);
    return std::string("Swiss Ephemeris ") + version;
}

int SunBody() {
    return SE_SUN;
}
int MoonBody() {
    return SE_MOON;
}
int MercuryBody() {
    return SE_MERCURY;
}
int VenusBody() {
    return SE_VENUS;
}
int MarsBody() {
    return SE_MARS;
}
int JupiterBody() {
    return SE_JUPITER;
}
int SaturnBody() {
    return SE_SATURN;
}
int MeanNodeBody() {
    return SE_MEAN_NODE;
}
int TrueNodeBody() {
    return SE_TRUE_NODE;
}

LibraryPosition ApparentPosition(int body, double julianDayUt, Corrections corrections) {
    int flags = SEFLG_SWIEPH;
    if (corrections == Corrections::kWithoutNutation) {
        flags |= SEFLG_NONUT;
    } else if (corrections == Corrections::kWithoutNutationOrDeflection) {
        flags |= SEFLG_NONUT | SEFLG_NOGDEFL;
    }
    double result[6] = {};
    char error[AS_MAXCH] = {};
    const int used = swe_calc_ut(julianDayUt, body, flags, result, error);
    Require(used >= 0, "swe_calc_ut", error);
    Require((used & SEFLG_SWIEPH) != 0, "swe_calc_ut", "the ephemeris files were not used");
    return {result[0], result[1], result[2]};
}

Nutation NutationAt(double julianDayUt) {
    double result[6] = {};
    char error[AS_MAXCH] = {};
    const int used = swe_calc_ut(julianDayUt, SE_ECL_NUT, SEFLG_SWIEPH, result, error);
    Require(used >= 0, "swe_calc_ut", error);
    return {result[2], result[3], result[1]};
}

double GreenwichSiderealTime(double julianDayUt) {
    return swe_sidtime(julianDayUt) * 15;
}

double TrueAyanamsa(int siderealMode, double julianDayUt) {
    if (siderealMode != SiderealModeInUse) {
        swe_set_sid_mode(siderealMode, 0, 0);
        SiderealModeInUse = siderealMode;
    }
    double ayanamsa = 0;
    char error[AS_MAXCH] = {};
    const int used = swe_get_ayanamsa_ex_ut(julianDayUt, SEFLG_SWIEPH, &ayanamsa, error);
    Require(used >= 0, "swe_get_ayanamsa_ex_ut", error);
    return ayanamsa;
}

}  // namespace ephemeris

namespace ephemeris {

double DeltaT(double julianDayUt) {
    char error[AS_MAXCH] = {};
    return swe_deltat_ex(julianDayUt, SEFLG_SWIEPH, error);
}

}  // namespace ephemeris
