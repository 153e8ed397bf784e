#include "reading/stages.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "engine/angles.h"
#include "engine/birth_moment.h"
#include "engine/constants.h"
#include "engine/lunar_node.h"
#include "engine/moon.h"
#include "engine/planets.h"
#include "engine/precession.h"
#include "reading/body_names.h"
#include "reading/sign_tables.h"

namespace reading {

namespace {

double DegreesAndMinutes(int degrees, int minutes) {
    return degrees + minutes / 60.0;
}

double UniversalHoursOf(const BirthData& birth, const engine::CivilDateTime& local) {
    return engine::UniversalHours(local, ZoneCorrectionHours(birth));
}

double JulianDayOf(const engine::CivilDateTime& local) {
    return engine::JulianDayNumber(local.day, local.month, local.year);
}

double SiderealLongitude(double tropicalLongitude, double ayanamsaCorrection) {
    double sidereal = tropicalLongitude - std::fabs(ayanamsaCorrection);
    while (sidereal < 0) {
        sidereal += engine::kFullCircle;
    }
    return sidereal;
}

}  // namespace

engine::CivilDateTime LocalClock(const BirthData& birth) {
    return engine::AddMinutes({birth.year, birth.month, birth.day, birth.hour, birth.minute}, 0);
}

double ZoneCorrectionHours(const BirthData& birth) {
    return engine::ZoneCorrectionHours(birth.zoneHourOffset, birth.zoneMinuteOffset,
                                       birth.isDaylightSaving);
}

double WestLongitude(const BirthData& birth) {
    const double magnitude = DegreesAndMinutes(birth.longitudeDegrees, birth.longitudeMinutes);
    return birth.isEast ? -magnitude : magnitude;
}

double NorthLatitude(const BirthData& birth) {
    const double magnitude = DegreesAndMinutes(birth.latitudeDegrees, birth.latitudeMinutes);
    return birth.isSouth ? -magnitude : magnitude;
}

BirthMoment MomentOf(const BirthData& birth) {
    const engine::CivilDateTime local = LocalClock(birth);
    return {local,
            engine::UniversalDateTime(local, birth.zoneHourOffset, birth.zoneMinuteOffset,
                                      birth.isDaylightSaving),
            UniversalHoursOf(birth, local), JulianDayOf(local)};
}

engine::AscendantResult ComputeAscendant(const BirthData& birth) {
    return ComputeAscendant(birth, MomentOf(birth));
}

engine::AscendantResult ComputeAscendant(const BirthData& birth, const BirthMoment& moment) {
    return engine::ComputeAscendant(
        {engine::CenturiesFrom1900(moment.julianDayNumber, moment.universalHours),
         moment.universalHours, WestLongitude(birth), NorthLatitude(birth)});
}

MoonReading DeriveMoonReading(const BirthData& birth) {
    return DeriveMoonReading(MomentOf(birth));
}

MoonReading DeriveMoonReading(const BirthMoment& moment) {
    return MoonReadingAt(engine::MoonSiderealLongitude(
        engine::CenturiesFromJ2000(moment.julianDayNumber, moment.universalHours)));
}

MoonNames MoonNamesAt(double longitude, int arcSeconds) {
    // Spans of 800 arc-minutes; a boundary belongs to the nakshatra that begins there.
    const int nakshatra = static_cast<int>(std::floor(longitude * 60 / 800));
    const int index = std::clamp(nakshatra, 0, kNakshatraCount - 1);
    // The Rashi is the sign the text shows, so text and Rashi can never disagree.
    return {NakshatraNames[index], index, RashiNames[arcSeconds / engine::kArcSecondsPerSign]};
}

MoonReading MoonReadingAt(double longitude) {
    MoonReading moon;
    moon.longitude = longitude;
    moon.arcSeconds = engine::ArcSecondsShown(longitude);
    moon.positionText = engine::LongPositionTextOfArcSeconds(moon.arcSeconds);
    const MoonNames names = MoonNamesAt(longitude, moon.arcSeconds);
    moon.nakshatra = names.nakshatra;
    moon.nakshatraIndex = names.nakshatraIndex;
    moon.rashi = names.rashi;
    return moon;
}

PositionList ComputePlanetPositions(const BirthData& birth,
                                    const engine::AscendantResult& ascendant,
                                    const MoonReading& moon) {
    return ComputePlanetPositions(MomentOf(birth), ascendant, moon);
}

PositionList ComputePlanetPositions(const BirthMoment& moment,
                                    const engine::AscendantResult& ascendant,
                                    const MoonReading& moon) {
    const double days = engine::DaysFromJ2000(moment.universal);
    const double ayanamsa = ascendant.ayanamsaCorrection;
    // The elements give longitudes on the J2000 equinox; the ayanamsa is that of the date.
    const double precession = engine::PrecessionSinceJ2000(days);
    const std::array<double, engine::kPlanetCount> tropical = engine::PlanetLongitudes(days);
    const auto planet = [&](engine::Planet body) {
        return SiderealLongitude(tropical[static_cast<int>(body)] + precession, ayanamsa);
    };
    const double rahu = engine::RahuLongitude(days, ayanamsa);

    BodyLongitudes longitudes{};
    longitudes[kSun] = planet(engine::Planet::kSun);
    longitudes[kMoon] = moon.longitude;
    longitudes[kMercury] = planet(engine::Planet::kMercury);
    longitudes[kVenus] = planet(engine::Planet::kVenus);
    longitudes[kMars] = planet(engine::Planet::kMars);
    longitudes[kJupiter] = planet(engine::Planet::kJupiter);
    longitudes[kSaturn] = planet(engine::Planet::kSaturn);
    longitudes[kRahu] = rahu;
    longitudes[kKetu] = engine::KetuLongitude(rahu);
    longitudes[kAscendant] = ascendant.siderealAscendant;
    longitudes[kMidheaven] = ascendant.siderealMidheaven;

    // Each longitude is cut once; both of its texts and the navamsa come from the cut.
    BodyArcSeconds arcSeconds{};
    for (int body = 0; body < kBodyCount; ++body) {
        arcSeconds[body] =
            body == kMoon ? moon.arcSeconds : engine::ArcSecondsShown(longitudes[body]);
    }
    const auto shortText = [&](int body) {
        return engine::ShortPositionTextOfArcSeconds(arcSeconds[body]);
    };
    // The same positions to the second of arc: the navamsa is read from them.
    const auto longText = [&](int body) {
        switch (body) {
            case kMoon:
                return moon.positionText;
            case kAscendant:
                return ascendant.ascendantText;
            case kMidheaven:
                return ascendant.midheavenText;
            default:
                return engine::LongPositionTextOfArcSeconds(arcSeconds[body]);
        }
    };
    return {.planetNames = kPlanetNames,
            .planetPositions = BodyTextsOf(shortText),
            .planetLongPositions = BodyTextsOf(longText),
            .longitudes = longitudes,
            .arcSeconds = arcSeconds};
}

engine::PreciseSky ComputePreciseSky(const BirthData& birth, const engine::CivilDateTime& universal,
                                     const ChartSettings& settings) {
    // Validation keeps every birth between 1901 and 2050 on the local clock, which the
    // tables' range covers in every zone.
    const double julianDay = engine::kJulianDayJ2000 + engine::DaysFromJ2000(universal);
    return engine::ComputePreciseSky(julianDay, NorthLatitude(birth), -WestLongitude(birth),
                                     settings.ayanamsa, settings.node);
}

BodyCut PreciseCut(const engine::PreciseSky& sky) {
    static_assert(engine::kPreciseBodyCount == kRahu + 1, "the sky lists the Sun to Rahu");
    BodyCut cut;
    std::copy(sky.longitudes.begin(), sky.longitudes.end(), cut.longitudes.begin());
    const double ketu = sky.longitudes[kRahu] + engine::kFullCircle / 2;
    cut.longitudes[kKetu] = ketu >= engine::kFullCircle ? ketu - engine::kFullCircle : ketu;
    cut.longitudes[kAscendant] = sky.ascendant;
    cut.longitudes[kMidheaven] = sky.midheaven;
    for (int body = 0; body < kBodyCount; ++body) {
        cut.arcSeconds[body] = engine::ArcSecondsShown(cut.longitudes[body]);
    }
    return cut;
}

}  // namespace reading
