#include "engine/precise_sky.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/chebyshev_series.h"
#include "engine/ephemeris_tables.h"
#include "engine/light_deflection.h"
#include "engine/quick_arc_tangent.h"
#include "engine/quick_sine.h"

namespace engine {

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180;
constexpr int kSun = 0;
constexpr int kFirstPlanet = 2;  // Mercury; the planets to Saturn follow
constexpr int kRahu = 7;

double Wrap360(double degrees) {
    const double wrapped = degrees - 360 * std::floor(degrees / 360);
    return wrapped < 360 ? wrapped : 0;  // a tiny negative angle rounds up to 360
}

// Asks for the cache lines of a span's terms before they are needed.
void PrefetchTerms(const SeriesPoint& point) {
    constexpr int kFloatsPerLine = 16;
    for (int k = 0; k < point.restCount; k += kFloatsPerLine) {
        __builtin_prefetch(point.rest + k);
    }
    __builtin_prefetch(point.rest + point.restCount - 1);
}

struct Angles {
    double ascendant;  // tropical degrees
    double midheaven;
};

// The ascendant and midheaven from the local apparent sidereal time (the right ascension of the
// meridian) and the true obliquity, whose sine and cosine the sidereal time needs as well.
Angles AnglesOf(double localSiderealTime, SineCosine obliquity, double latitude) {
    const SineCosine theta = QuickSineAndCosine(localSiderealTime);
    const double phi = latitude * kRadiansPerDegree;
    const double midheaven = QuickArcTangent2(theta.sine, theta.cosine * obliquity.cosine);
    const double ascendant = QuickArcTangent2(
        theta.cosine, -(theta.sine * obliquity.cosine + std::tan(phi) * obliquity.sine));
    return {ascendant / kRadiansPerDegree, midheaven / kRadiansPerDegree};
}

}  // namespace

PreciseSky ComputePreciseSky(double julianDayUt, double latitudeDegrees,
                             double eastLongitudeDegrees, AyanamsaMode ayanamsa, NodeKind node) {
    namespace table = ephemeris;
    const auto at = [julianDayUt](const SpanSeries& series) {
        return PointOf(series, julianDayUt);
    };
    // The series are summed side by side, those with rates and those without.
    const std::array ratePoints{at(table::kLongitudes[0]),
                                at(table::kLongitudes[1]),
                                at(table::kLongitudes[2]),
                                at(table::kLongitudes[3]),
                                at(table::kLongitudes[4]),
                                at(table::kLongitudes[5]),
                                at(table::kLongitudes[6]),
                                at(node == NodeKind::kMean ? table::kMeanNodeWithoutNutation
                                                           : table::kTrueNodeWithoutNutation),
                                at(table::kAyanamsasLessNutation[static_cast<int>(ayanamsa)])};
    static_assert(table::kLongitudes.size() == kRahu && table::kLatitudes.size() == 5);
    enum Value {
        kNutation,
        kSunDistance,
        kLatitudes,
        kDistances = kLatitudes + 5,
        kMeanObliquity = kDistances + 5,
        kNutationInObliquity,
        kSiderealTime,
        kValueCount
    };
    const std::array valuePoints{at(table::kNutationInLongitude),
                                 at(table::kSunDistance),
                                 at(table::kLatitudes[0]),
                                 at(table::kLatitudes[1]),
                                 at(table::kLatitudes[2]),
                                 at(table::kLatitudes[3]),
                                 at(table::kLatitudes[4]),
                                 at(table::kDistances[0]),
                                 at(table::kDistances[1]),
                                 at(table::kDistances[2]),
                                 at(table::kDistances[3]),
                                 at(table::kDistances[4]),
                                 at(table::kMeanObliquity),
                                 at(table::kNutationInObliquity),
                                 at(table::kMeanSiderealTimeLessRotation)};
    // A chart's spans lie anywhere in the tables, mostly outside the caches: their coefficients
    // are asked for all at once, so that the waits for them overlap.
    for (const SeriesPoint& point : ratePoints) {
        PrefetchTerms(point);
    }
    for (const SeriesPoint& point : valuePoints) {
        PrefetchTerms(point);
    }
    const std::array<SeriesValue, kPreciseBodyCount + 1> withRates =
        SeriesAndRatesSideBySide(ratePoints);
    const std::array<double, kValueCount> values = SeriesSideBySide(valuePoints);

    const double nutation = values[kNutation];
    const SeriesValue ayanamsaLessNutation = withRates[kPreciseBodyCount];
    // The true ayanamsa includes nutation, as apparent longitudes do: a sidereal longitude is
    // the same with or without it.
    const double ayanamsaDegrees = ayanamsaLessNutation.value + nutation;

    PreciseSky sky;
    sky.ayanamsa = ayanamsaDegrees;
    // Longitudes on the mean equinox of date.
    std::array<SeriesValue, kPreciseBodyCount> tropical{};
    std::copy_n(withRates.begin(), kPreciseBodyCount, tropical.begin());
    const SunDeflection sun({tropical[kSun].value, 0, values[kSunDistance]},
                            SunDeflection::Trigonometry::kQuickSeries);
    constexpr int kPlanets = static_cast<int>(table::kLatitudes.size());
    std::array<EclipticPosition, kPlanets> planets;
    for (int planet = 0; planet < kPlanets; ++planet) {
        planets[planet] = {tropical[kFirstPlanet + planet].value, values[kLatitudes + planet],
                           values[kDistances + planet]};
    }
    std::array<double, kPlanets> deflections;
    sun.InLongitudes(planets, table::kDeflectionFactorInsideSun, deflections);
    for (int planet = 0; planet < kPlanets; ++planet) {
        tropical[kFirstPlanet + planet].value += deflections[planet];
    }
    for (int body = 0; body < kPreciseBodyCount; ++body) {
        sky.longitudes[body] = Wrap360(tropical[body].value - ayanamsaLessNutation.value);
        sky.speeds[body] = tropical[body].ratePerDay - ayanamsaLessNutation.ratePerDay;
    }

    const double meanObliquity = values[kMeanObliquity];
    const double trueObliquity = meanObliquity + values[kNutationInObliquity];
    // Apparent sidereal time: the mean one plus the equation of the equinoxes. The rotation of
    // the whole days and of the day's fraction are taken apart: days from J2000 times 361° would
    // keep too few digits for the fraction of a turn.
    const double days = julianDayUt - table::kRotationEpoch;
    const double wholeDays = std::trunc(days);
    const double rotation = (days - wholeDays) * table::kEarthRotationDegreesPerDay +
                            wholeDays * (table::kEarthRotationDegreesPerDay - 360);
    const SineCosine obliquity = QuickSineAndCosine(trueObliquity);
    const double siderealTime = rotation + values[kSiderealTime] + nutation * obliquity.cosine;
    const Angles angles =
        AnglesOf(Wrap360(siderealTime + eastLongitudeDegrees), obliquity, latitudeDegrees);
    sky.ascendant = Wrap360(angles.ascendant - ayanamsaDegrees);
    sky.midheaven = Wrap360(angles.midheaven - ayanamsaDegrees);
    return sky;
}

}  // namespace engine
