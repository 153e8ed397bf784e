#include "tools/ephemeris/sun_disk.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "engine/light_deflection.h"
#include "engine/precise_sky.h"
#include "tools/ephemeris/library_sky.h"

namespace ephemeris {

namespace {

struct Sample {
    double rho;
    double factor;
    double formula;  // the deflection without the factor, degrees
};

engine::EclipticPosition Position(const LibraryPosition& position) {
    return {position.longitude, position.latitude, position.distance};
}

// Every planet's passes behind the disk over the tables' range, sampled every six minutes there.
std::vector<Sample> SamplesBehindSun() {
    const int planets[] = {MercuryBody(), VenusBody(), MarsBody(), JupiterBody(), SaturnBody()};
    std::vector<Sample> samples;
    for (const int body : planets) {
        for (double day = engine::kPreciseFirstJulianDayUt; day < engine::kPreciseLastJulianDayUt;
             day += 1) {
            const auto without = [&](double at) {
                return Position(
                    ApparentPosition(body, at, Corrections::kWithoutNutationOrDeflection));
            };
            const auto sun = [&](double at) {
                return Position(ApparentPosition(SunBody(), at, Corrections::kWithoutNutation));
            };
            // Against the Sun a planet moves less than 1.3° (5 radii) a day.
            if (engine::SeparationInSunRadii(without(day), sun(day)) > 6) {
                continue;
            }
            double step = 0.05;
            for (double at = day - 0.5; at < day + 0.5; at += step) {
                const engine::EclipticPosition planet = without(at);
                const engine::EclipticPosition centre = sun(at);
                const double rho = engine::SeparationInSunRadii(planet, centre);
                step = rho < 1.5 ? 0.004 : 0.05;
                const double formula = engine::LightDeflectionInLongitude(planet, centre);
                // Where the shift lies across the ecliptic its longitude part says little.
                if (rho >= 1 || std::fabs(formula) * 3600 < 0.05) {
                    continue;
                }
                const double library =
                    ApparentPosition(body, at, Corrections::kWithoutNutation).longitude -
                    planet.longitude;
                samples.push_back({rho, library / formula, formula});
            }
        }
    }
    return samples;
}

// Solves the normal equations of a least-squares fit by Gaussian elimination.
std::vector<double> Solve(std::vector<std::vector<double>> matrix, std::vector<double> right) {
    const int n = static_cast<int>(right.size());
    for (int column = 0; column < n; ++column) {
        int pivot = column;
        for (int row = column + 1; row < n; ++row) {
            if (std::fabs(matrix[row][column]) > std::fabs(matrix[pivot][column])) {
                pivot = row;
            }
        }
        std::swap(matrix[column], matrix[pivot]);
        std::swap(right[column], right[pivot]);
        for (int row = column + 1; row < n; ++row) {
            const double factor = matrix[row][column] / matrix[column][column];
            for (int k = column; k < n; ++k) {
                matrix[row][k] -= factor * matrix[column][k];
            }
            right[row] -= factor * right[column];
        }
    }
    std::vector<double> solution(n);
    for (int row = n - 1; row >= 0; --row) {
        double sum = right[row];
        for (int k = row + 1; k < n; ++k) {
            sum -= matrix[row][k] * solution[k];
        }
        solution[row] = sum / matrix[row][row];
    }
    return solution;
}

}  // namespace

DiskFit DeflectionFactorInsideSun(int coefficientCount) {
    const std::vector<Sample> samples = SamplesBehindSun();
    if (samples.size() < 10 * static_cast<std::size_t>(coefficientCount)) {
        throw std::runtime_error("too few passes behind the Sun to measure the deflection there");
    }
    const int n = coefficientCount;
    std::vector<std::vector<double>> matrix(n, std::vector<double>(n, 0));
    std::vector<double> right(n, 0);
    std::vector<double> basis(n);
    for (const Sample& sample : samples) {
        const double x = 2 * sample.rho - 1;
        basis[0] = 1;
        basis[1] = x;
        for (int k = 2; k < n; ++k) {
            basis[k] = 2 * x * basis[k - 1] - basis[k - 2];
        }
        // Weighted by the deflection itself, the fit minimises the error in longitude, which
        // near the centre is the factor's error times many seconds of arc.
        const double weight = sample.formula * sample.formula;
        for (int i = 0; i < n; ++i) {
            right[i] += weight * basis[i] * sample.factor;
            for (int j = 0; j < n; ++j) {
                matrix[i][j] += weight * basis[i] * basis[j];
            }
        }
    }
    DiskFit fit{Solve(matrix, right), 0, static_cast<int>(samples.size())};
    for (const Sample& sample : samples) {
        const double x = 2 * sample.rho - 1;
        double fitted = 0;
        for (int k = 0; k < n; ++k) {
            fitted += fit.coefficients[k] * std::cos(k * std::acos(x));
        }
        fit.largestErrorArcSeconds =
            std::max(fit.largestErrorArcSeconds,
                     std::fabs((fitted - sample.factor) * sample.formula) * 3600);
    }
    return fit;
}

}  // namespace ephemeris
