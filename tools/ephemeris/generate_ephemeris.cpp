// Writes engine/ephemeris_tables.cpp from the Swiss Ephemeris, or checks that a file equals what
// it would write. Usage:
//   generate_ephemeris [--ephemeris FOLDER] [--report] --output FILE
//   generate_ephemeris [--ephemeris FOLDER] --check FILE
// --report prints, for every series, the largest difference from the library between the nodes.
#include <cmath>
#include <cstdio>
#include <exception>
#include <fstream>
#include <functional>
#include <iostream>
#include <numbers>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/chebyshev_series.h"
#include "engine/ephemeris_tables.h"
#include "engine/light_deflection.h"
#include "engine/precise_sky.h"
#include "tools/ephemeris/library_sky.h"
#include "tools/ephemeris/span_fit.h"
#include "tools/ephemeris/sun_disk.h"
#include "tools/ephemeris/table_source.h"

namespace {

using ephemeris::FittedSeries;
using ephemeris::NamedSeries;
using ephemeris::SpanGrid;

struct Options {
    std::string ephemeris = SWISS_EPHEMERIS_FOLDER;
    std::string output;
    std::string check;
    bool report = false;
};

constexpr double kFirstDay = engine::kPreciseFirstJulianDayUt;
constexpr double kLastDay = engine::kPreciseLastJulianDayUt;

// The library's sidereal time changes its model at 2050-01-01 0h UT, with a step of about 2″:
// a span ends there.
constexpr double kSiderealTimeModelChange = 2469807.5;
// The lunar data file holds the Moon's node in segments of 27.5545514 days of terrestrial time
// (measured from where the true node steps, by up to 0.2″), one of which ends at 2415548.42705.
// The true node's spans follow them in universal time: equal spans on the straight line that
// best fits the segments' ends less ΔT, which leaves each boundary within seconds of its step.
constexpr double kLunarSegmentDays = 27.5545514;
constexpr double kLunarSegmentEndTt = 2415548.42705;

SpanGrid LunarSegmentGrid() {
    const double firstTt =
        kLunarSegmentEndTt -
        kLunarSegmentDays * std::ceil((kLunarSegmentEndTt - kFirstDay) / kLunarSegmentDays);
    const int count = static_cast<int>(std::ceil((kLastDay + 1 - firstTt) / kLunarSegmentDays)) + 1;
    // Least squares of the universal time of boundary k against k.
    double sumK = 0, sumKK = 0, sumU = 0, sumKU = 0;
    for (int k = 0; k < count; ++k) {
        const double tt = firstTt + k * kLunarSegmentDays;
        const double ut = tt - ephemeris::DeltaT(tt - ephemeris::DeltaT(tt));
        sumK += k;
        sumKK += static_cast<double>(k) * k;
        sumU += ut - firstTt;
        sumKU += k * (ut - firstTt);
    }
    const double spanDays = (count * sumKU - sumK * sumU) / (count * sumKK - sumK * sumK);
    const double firstDay = firstTt + (sumU - spanDays * sumK) / count;
    return ephemeris::GridFrom(firstDay, kLastDay, spanDays);
}

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--report") {
            options.report = true;
        } else if (i + 1 < argc && name == "--ephemeris") {
            options.ephemeris = argv[++i];
        } else if (i + 1 < argc && name == "--output") {
            options.output = argv[++i];
        } else if (i + 1 < argc && name == "--check") {
            options.check = argv[++i];
        } else {
            return false;
        }
    }
    return options.output.empty() != options.check.empty();
}

struct Planet {
    const char* name;
    int body;
    double spanDays;
    int longitudeCoefficients;
    // Latitude and distance serve only the light deflection, which needs them to about a second
    // of arc and a part in a thousand near conjunction with the Sun.
    double latitudeSpanDays;
};

// Spans and coefficients that keep every longitude within 0.06″ of the library.
const Planet kPlanets[] = {
    {"Mercury", ephemeris::MercuryBody(), 32, 19, 32},
    {"Venus", ephemeris::VenusBody(), 32, 12, 64},
    {"Mars", ephemeris::MarsBody(), 32, 12, 64},
    {"Jupiter", ephemeris::JupiterBody(), 64, 15, 128},
    {"Saturn", ephemeris::SaturnBody(), 64, 12, 128},
};
constexpr int kLatitudeCoefficients = 8;
constexpr int kDistanceCoefficients = 8;

// How closely the coefficients after the first are written: 10⁻⁸ degrees is 0.00004″. Latitudes
// and distances, which serve only the light deflection, need far less.
constexpr double kTolerance = 1e-8;
constexpr double kDeflectionTolerance = 1e-6;

class TableBuilder {
  public:
    explicit TableBuilder(bool report) : report_(report) {}

    void Add(const std::string& name, const std::string& description, const SpanGrid& grid,
             int coefficientCount, const std::function<double(double)>& quantity, bool isAngle,
             double tolerance = kTolerance) {
        all_.push_back(
            {name, description,
             ephemeris::FitSeries(grid, coefficientCount, quantity, isAngle, tolerance)});
        const FittedSeries& series = all_.back().series;
        if (report_) {
            const engine::SpanSeries view = series.View();
            const auto largest = ephemeris::LargestDifference(
                grid, kFirstDay, kLastDay, 2 * coefficientCount,
                [&](double day) { return engine::SeriesAt(view, day); }, quantity, isAngle);
            std::fprintf(stderr, "%-32s %5d × %2d  largest difference %.5f″ at %.5f\n",
                         name.c_str(), grid.spanCount, coefficientCount, largest.largest * 3600,
                         largest.atDay);
        }
    }

    const std::vector<NamedSeries>& All() const { return all_; }

  private:
    bool report_;
    std::vector<NamedSeries> all_;
};

const FittedSeries& Named(const std::vector<NamedSeries>& all, const std::string& name) {
    for (const NamedSeries& named : all) {
        if (named.name == name) {
            return named.series;
        }
    }
    throw std::logic_error("no series named " + name);
}

// The planets' apparent longitudes as the engine puts them together (the fit without nutation and
// deflection, plus nutation, plus the deflection from the fitted latitude and distance) against
// the library's.
void ReportDeflectedPlanets(const std::vector<NamedSeries>& all,
                            const std::vector<double>& factorInsideSun) {
    const engine::SpanSeries sunLongitude = Named(all, "SunLongitude").View();
    const engine::SpanSeries sunDistance = Named(all, "SunDistance").View();
    const engine::SpanSeries nutation = Named(all, "NutationInLongitude").View();
    for (const Planet& planet : kPlanets) {
        const std::string name = planet.name;
        const FittedSeries& fitted = Named(all, name + "Longitude");
        const engine::SpanSeries longitude = fitted.View();
        const engine::SpanSeries latitude = Named(all, name + "Latitude").View();
        const engine::SpanSeries distance = Named(all, name + "Distance").View();
        const auto computed = [&](double day) {
            const engine::EclipticPosition body{engine::SeriesAt(longitude, day),
                                                engine::SeriesAt(latitude, day),
                                                engine::SeriesAt(distance, day)};
            const engine::EclipticPosition sun{engine::SeriesAt(sunLongitude, day), 0,
                                               engine::SeriesAt(sunDistance, day)};
            return body.longitude + engine::LightDeflectionInLongitude(body, sun, factorInsideSun) +
                   engine::SeriesAt(nutation, day);
        };
        const auto largest = ephemeris::LargestDifference(
            fitted.grid, kFirstDay, kLastDay, 2 * fitted.coefficientCount, computed,
            [&](double day) {
                return ephemeris::ApparentPosition(planet.body, day, ephemeris::Corrections::kAll)
                    .longitude;
            },
            true);
        std::fprintf(stderr, "%-32s with deflection: largest difference %.5f″ at %.5f\n",
                     name.c_str(), largest.largest * 3600, largest.atDay);
    }
}

std::string GenerateSource(const Options& options) {
    ephemeris::OpenLibrary(options.ephemeris);
    TableBuilder tables(options.report);
    const auto grid = [](double spanDays) {
        return ephemeris::GridFrom(kFirstDay, kLastDay, spanDays);
    };
    using ephemeris::Corrections;
    const auto longitude = [](int body, Corrections corrections) {
        return [=](double day) {
            return ephemeris::ApparentPosition(body, day, corrections).longitude;
        };
    };

    tables.Add(
        "NutationInLongitude", "Nutation in longitude", grid(32), 16,
        [](double day) { return ephemeris::NutationAt(day).inLongitude; }, false);
    tables.Add(
        "NutationInObliquity", "Nutation in obliquity", grid(32), 14,
        [](double day) { return ephemeris::NutationAt(day).inObliquity; }, false);
    tables.Add("SunLongitude", "The Sun's longitude on the mean equinox of date", grid(32), 10,
               longitude(ephemeris::SunBody(), Corrections::kWithoutNutation), true);
    tables.Add("MoonLongitude", "The Moon's longitude on the mean equinox of date", grid(12), 13,
               longitude(ephemeris::MoonBody(), Corrections::kWithoutNutation), true);
    for (const Planet& planet : kPlanets) {
        tables.Add(std::string(planet.name) + "Longitude",
                   std::string(planet.name) +
                       "'s longitude on the mean equinox of date, without light deflection",
                   grid(planet.spanDays), planet.longitudeCoefficients,
                   longitude(planet.body, Corrections::kWithoutNutationOrDeflection), true);
    }
    tables.Add(
        "SunDistance", "The Sun's distance", grid(64), kDistanceCoefficients,
        [](double day) {
            return ephemeris::ApparentPosition(ephemeris::SunBody(), day, Corrections::kAll)
                .distance;
        },
        false, kDeflectionTolerance);
    for (const Planet& planet : kPlanets) {
        tables.Add(
            std::string(planet.name) + "Latitude",
            std::string(planet.name) + "'s apparent latitude", grid(planet.latitudeSpanDays),
            kLatitudeCoefficients,
            [&](double day) {
                return ephemeris::ApparentPosition(planet.body, day,
                                                   Corrections::kWithoutNutationOrDeflection)
                    .latitude;
            },
            false, kDeflectionTolerance);
        tables.Add(
            std::string(planet.name) + "Distance",
            std::string(planet.name) + "'s apparent distance", grid(planet.latitudeSpanDays),
            kDistanceCoefficients,
            [&](double day) {
                return ephemeris::ApparentPosition(planet.body, day,
                                                   Corrections::kWithoutNutationOrDeflection)
                    .distance;
            },
            false, kDeflectionTolerance);
    }

    const ephemeris::DiskFit disk =
        ephemeris::DeflectionFactorInsideSun(engine::ephemeris::kDeflectionFactorCoefficients);
    const std::vector<double>& deflectionFactor = disk.coefficients;
    if (options.report) {
        std::fprintf(stderr,
                     "Deflection behind the Sun's disk: %d samples, largest difference %.5f″\n",
                     disk.sampleCount, disk.largestErrorArcSeconds);
        ReportDeflectedPlanets(tables.All(), deflectionFactor);
    }

    tables.Add("MeanNodeWithoutNutation", "The mean node on the mean equinox of date", grid(512), 6,
               longitude(ephemeris::MeanNodeBody(), Corrections::kWithoutNutation), true);
    tables.Add("TrueNodeWithoutNutation", "The true node on the mean equinox of date",
               LunarSegmentGrid(), 16,
               longitude(ephemeris::TrueNodeBody(), Corrections::kWithoutNutation), true);

    tables.Add(
        "MeanObliquity", "The mean obliquity of the ecliptic",
        ephemeris::GridFrom(kFirstDay, kLastDay, kLastDay - kFirstDay), 6,
        [](double day) { return ephemeris::NutationAt(day).meanObliquity; }, false);
    // Less the equation of the equinoxes as well, sidereal time is a polynomial on either side of
    // the change of model.
    tables.Add(
        "MeanSiderealTimeLessRotation",
        "Mean sidereal time at Greenwich less the Earth's mean rotation since J2000",
        ephemeris::GridThrough(kSiderealTimeModelChange, kFirstDay, kLastDay,
                               kSiderealTimeModelChange - kFirstDay),
        8,
        [](double day) {
            const ephemeris::Nutation nutation = ephemeris::NutationAt(day);
            const double trueObliquity = nutation.meanObliquity + nutation.inObliquity;
            return ephemeris::GreenwichSiderealTime(day) -
                   nutation.inLongitude * std::cos(trueObliquity * std::numbers::pi / 180) -
                   engine::ephemeris::kEarthRotationDegreesPerDay *
                       (day - engine::ephemeris::kRotationEpoch);
        },
        true);

    const char* const kAyanamsaNames[] = {"Lahiri", "Raman", "Krishnamurti", "TrueChitrapaksha"};
    for (int mode = 0; mode < 4; ++mode) {
        const int siderealMode = ephemeris::kSiderealModes[mode];
        // The star-fixed ayanamsa carries the star's aberration, and the Sun's deflection of its
        // light each October; the others are polynomials.
        const bool followsStar = mode == 3;
        tables.Add(
            std::string(kAyanamsaNames[mode]) + "LessNutation",
            std::string(kAyanamsaNames[mode]) + " ayanamsa less nutation in longitude",
            followsStar ? grid(16) : grid(kLastDay - kFirstDay), followsStar ? 12 : 8,
            [=](double day) {
                return ephemeris::TrueAyanamsa(siderealMode, day) -
                       ephemeris::NutationAt(day).inLongitude;
            },
            false);
    }

    const std::string source = ephemeris::EphemerisTableSource(
        ephemeris::LibraryVersion() + " with its files sepl_18.se1, semo_18.se1 and sefstars.txt",
        tables.All(),
        {{"kLongitudes",
          {"SunLongitude", "MoonLongitude", "MercuryLongitude", "VenusLongitude", "MarsLongitude",
           "JupiterLongitude", "SaturnLongitude"}},
         {"kLatitudes",
          {"MercuryLatitude", "VenusLatitude", "MarsLatitude", "JupiterLatitude",
           "SaturnLatitude"}},
         {"kDistances",
          {"MercuryDistance", "VenusDistance", "MarsDistance", "JupiterDistance",
           "SaturnDistance"}},
         {"kAyanamsasLessNutation",
          {"LahiriLessNutation", "RamanLessNutation", "KrishnamurtiLessNutation",
           "TrueChitrapakshaLessNutation"}}},
        {{"kDeflectionFactorInsideSun", deflectionFactor}});
    ephemeris::CloseLibrary();
    return source;
}

bool ReadFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

// The first line where two texts differ, counted from 1.
int FirstDifferingLine(const std::string& a, const std::string& b) {
    std::istringstream left(a);
    std::istringstream right(b);
    std::string leftLine;
    std::string rightLine;
    int line = 1;
    while (true) {
        const bool hasLeft = static_cast<bool>(std::getline(left, leftLine));
        const bool hasRight = static_cast<bool>(std::getline(right, rightLine));
        if (!hasLeft || !hasRight || leftLine != rightLine) {
            return line;
        }
        ++line;
    }
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::cerr << "Usage: generate_ephemeris [--ephemeris FOLDER] [--report] "
                     "(--output FILE | --check FILE)\n";
        return 2;
    }
    try {
        const std::string source = GenerateSource(options);
        if (!options.output.empty()) {
            std::ofstream out(options.output, std::ios::binary);
            out << source;
            if (!out.flush()) {
                std::cerr << "Could not write " << options.output << "\n";
                return 1;
            }
            return 0;
        }
        std::string committed;
        if (!ReadFile(options.check, committed)) {
            std::cerr << "Could not read " << options.check << "\n";
            return 1;
        }
        if (committed != source) {
            std::cerr << options.check << " differs from the ephemeris at line "
                      << FirstDifferingLine(committed, source)
                      << "; regenerate it with the target regenerate_ephemeris_tables\n";
            return 1;
        }
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "generate_ephemeris: " << error.what() << "\n";
        return 1;
    }
}
