#include "tools/accuracy/reference_sky.h"

#include <swephexp.h>

#include "reading/body_names.h"
#include "reading/driver.h"
#include "reading/stages.h"

namespace accuracy {

namespace {

// The ephemeris's number of each compared body; the angles come from the houses instead.
constexpr int kHouses = -1;
constexpr std::array<int, kComparedBodyCount> kEphemerisBodies{
    SE_SUN,     SE_MOON,   SE_MERCURY,   SE_VENUS, SE_MARS,
    SE_JUPITER, SE_SATURN, SE_MEAN_NODE, kHouses,  kHouses};
constexpr int kFirstRetrogradeIndex = 2;  // Mercury

// The library's sidereal modes of the offered ayanamsas, in the order of their enumeration.
constexpr std::array<int, 4> kSiderealModes{SE_SIDM_LAHIRI, SE_SIDM_RAMAN, SE_SIDM_KRISHNAMURTI,
                                            SE_SIDM_TRUE_CITRA};

// Opens the ephemeris files once; the library keeps its state in globals of its own, the
// sidereal mode among them.
void SetUpEphemeris(int siderealMode) {
    static const bool ready = [] {
        static char folder[] = SWISS_EPHEMERIS_FOLDER;
        swe_set_ephe_path(folder);
        return true;
    }();
    (void)ready;
    static int modeInUse = -1;
    if (siderealMode != modeInUse) {
        swe_set_sid_mode(siderealMode, 0, 0);
        modeInUse = siderealMode;
    }
}

}  // namespace

std::string_view ComparedBodyName(int index) {
    return reading::kPlanetNames[kComparedBodies[index]];
}

ComparedSky ReferenceSky(const reading::BirthData& birth, const reading::ChartSettings& settings) {
    const bool precise = settings.precise();
    SetUpEphemeris(precise ? kSiderealModes[static_cast<int>(settings.ayanamsa)] : SE_SIDM_LAHIRI);
    const engine::CivilDateTime universal = reading::UniversalInstant(birth);
    const double julianDay = swe_julday(universal.year, universal.month, universal.day,
                                        universal.hour + universal.minute / 60.0, SE_GREG_CAL);
    double cusps[13] = {};
    double angles[10] = {};
    swe_houses_ex(julianDay, SEFLG_SIDEREAL, reading::NorthLatitude(birth),
                  -reading::WestLongitude(birth), 'P', cusps, angles);
    ComparedSky sky;
    for (int index = 0; index < kComparedBodyCount; ++index) {
        int body = kEphemerisBodies[index];
        if (body == kHouses) {
            sky.longitudes[index] = angles[kComparedBodies[index] == reading::kAscendant ? 0 : 1];
            continue;
        }
        if (body == SE_MEAN_NODE && precise && settings.node == engine::NodeKind::kTrue) {
            body = SE_TRUE_NODE;
        }
        double result[6] = {};
        char error[AS_MAXCH] = {};
        swe_calc_ut(julianDay, body, SEFLG_SWIEPH | SEFLG_SIDEREAL | SEFLG_SPEED, result, error);
        sky.longitudes[index] = result[0];
        const int planet = index - kFirstRetrogradeIndex;
        if (planet >= 0 && planet < reading::kRetrogradePlanetCount) {
            sky.retrograde[planet] = result[3] < 0;
        }
    }
    return sky;
}

ComparedSky ProgramSky(const reading::BirthData& birth, const reading::ChartSettings& settings) {
    const reading::ChartReading chart = reading::CalculateReading(birth, settings);
    ComparedSky sky;
    for (int index = 0; index < kComparedBodyCount; ++index) {
        sky.longitudes[index] = chart.longitudes[kComparedBodies[index]];
    }
    sky.retrograde = chart.retrograde;
    return sky;
}

}  // namespace accuracy
