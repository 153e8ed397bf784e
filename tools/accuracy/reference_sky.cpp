#include "tools/accuracy/reference_sky.h"

#include <swephexp.h>

#include "reading/body_names.h"
#include "reading/chart_reading.h"
#include "reading/driver.h"
#include "reading/stages.h"

namespace accuracy {

namespace {

// The ephemeris's number of each compared body; the ascendant comes from the houses instead.
constexpr int kHouses = -1;
constexpr std::array<int, kComparedBodyCount> kEphemerisBodies{
    SE_SUN, SE_MOON, SE_MERCURY, SE_VENUS, SE_MARS, SE_JUPITER, SE_SATURN, SE_MEAN_NODE, kHouses};

// Opens the ephemeris files once; the library keeps its state in globals of its own.
void SetUpEphemeris() {
    static const bool ready = [] {
        static char folder[] = SWISS_EPHEMERIS_FOLDER;
        swe_set_ephe_path(folder);
        swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
        return true;
    }();
    (void)ready;
}

}  // namespace

std::string_view ComparedBodyName(int index) {
    return reading::kPlanetNames[kComparedBodies[index]];
}

SkyLongitudes ReferenceLongitudes(const reading::BirthData& birth) {
    SetUpEphemeris();
    const engine::CivilDateTime universal = reading::UniversalInstant(birth);
    const double julianDay = swe_julday(universal.year, universal.month, universal.day,
                                        universal.hour + universal.minute / 60.0, SE_GREG_CAL);
    SkyLongitudes longitudes{};
    for (int index = 0; index < kComparedBodyCount; ++index) {
        if (kEphemerisBodies[index] == kHouses) {
            double cusps[13] = {};
            double angles[10] = {};
            swe_houses_ex(julianDay, SEFLG_SIDEREAL, reading::NorthLatitude(birth),
                          -reading::WestLongitude(birth), 'P', cusps, angles);
            longitudes[index] = angles[0];
            continue;
        }
        double result[6] = {};
        char error[AS_MAXCH] = {};
        swe_calc_ut(julianDay, kEphemerisBodies[index], SEFLG_SWIEPH | SEFLG_SIDEREAL, result,
                    error);
        longitudes[index] = result[0];
    }
    return longitudes;
}

SkyLongitudes ProgramLongitudes(const reading::BirthData& birth) {
    const reading::ChartReading chart = reading::CalculateReading(birth);
    SkyLongitudes longitudes{};
    for (int index = 0; index < kComparedBodyCount; ++index) {
        longitudes[index] = chart.longitudes[kComparedBodies[index]];
    }
    return longitudes;
}

}  // namespace accuracy
