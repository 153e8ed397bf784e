#pragma once

#include <array>
#include <string_view>
#include <utility>

#include "engine/ascendant.h"
#include "engine/calendar.h"
#include "engine/precise_sky.h"
#include "engine/small_text.h"
#include "reading/birth_data.h"
#include "reading/chart_reading.h"

namespace reading {

// The stages of a calculation, each a function of the birth and of earlier stages' results.

// The local clock reading of a birth; hour 24 becomes 0 h of the next day.
engine::CivilDateTime LocalClock(const BirthData& birth);

// The birth's clock worked out once for all the stages of a chart.
struct BirthMoment {
    engine::CivilDateTime local;      // hour 24 carried into the next day
    engine::CivilDateTime universal;  // carried into the calendar
    double universalHours;            // local time of day plus the zone, not carried
    double julianDayNumber;           // of the local date
};
BirthMoment MomentOf(const BirthData& birth);

// Hours to add to the local clock to reach universal time, daylight saving included.
double ZoneCorrectionHours(const BirthData& birth);

double WestLongitude(const BirthData& birth);  // degrees, west positive
double NorthLatitude(const BirthData& birth);  // degrees, north positive

// Ayanamsa, ascendant and midheaven of the birth.
engine::AscendantResult ComputeAscendant(const BirthData& birth);
engine::AscendantResult ComputeAscendant(const BirthData& birth, const BirthMoment& moment);

struct MoonReading {
    double longitude = 0;            // sidereal, degrees
    int arcSeconds = 0;              // as the position text shows it
    engine::SmallText positionText;  // long position text
    std::string_view nakshatra;      // from the nakshatra table
    int nakshatraIndex = 0;          // its place there
    std::string_view rashi;          // from the sign table
};

// The Moon's nakshatra, with its place in the names table, and its Rashi, from its sidereal
// longitude and the arc-seconds its text shows.
struct MoonNames {
    std::string_view nakshatra;
    int nakshatraIndex = 0;
    std::string_view rashi;
};
MoonNames MoonNamesAt(double longitude, int arcSeconds);

// The Moon's sidereal position text, its nakshatra and its Rashi.
MoonReading DeriveMoonReading(const BirthData& birth);
MoonReading DeriveMoonReading(const BirthMoment& moment);

// The same texts for a sidereal longitude in [0, 360).
MoonReading MoonReadingAt(double siderealLongitude);

struct PositionList {
    BodyNames planetNames;
    BodyTexts planetPositions;
    BodyTexts planetLongPositions;
    BodyLongitudes longitudes{};  // sidereal degrees behind each text
    BodyArcSeconds arcSeconds{};  // what each text shows
};

// The eleven short and long position texts, with the bodies' names, their longitudes and the
// arc-seconds the texts show.
PositionList ComputePlanetPositions(const BirthData& birth,
                                    const engine::AscendantResult& ascendant,
                                    const MoonReading& moon);
PositionList ComputePlanetPositions(const BirthMoment& moment,
                                    const engine::AscendantResult& ascendant,
                                    const MoonReading& moon);

// The precise ephemeris's sky at the birth's universal instant (its clock carried into universal
// time) and place.
engine::PreciseSky ComputePreciseSky(const BirthData& birth, const engine::CivilDateTime& universal,
                                     const ChartSettings& settings);

// The longitudes of a precise sky in body order, Ketu opposite Rahu, and the arc-seconds their
// texts show. The texts themselves are written where the reading keeps them.
struct BodyCut {
    BodyLongitudes longitudes{};
    BodyArcSeconds arcSeconds{};
};
BodyCut PreciseCut(const engine::PreciseSky& sky);

// The eleven texts that makeText(body) makes, made in their places in the list: assigned there
// one by one, each would be made in a temporary and copied at once, and the copy would wait for
// the bytes just written.
template <typename MakeText>
BodyTexts BodyTextsOf(MakeText makeText) {
    return [&]<int... Body>(std::integer_sequence<int, Body...>) {
        return BodyTexts{makeText(Body)...};
    }
    (std::make_integer_sequence<int, kBodyCount>{});
}

}  // namespace reading
