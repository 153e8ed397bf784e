// Writes engine/station_tables.cpp from the Swiss Ephemeris, or checks that a file equals what it
// would write. Usage:
//   generate_stations [--ephemeris FOLDER] --output FILE
//   generate_stations [--ephemeris FOLDER] --check FILE
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <swephexp.h>

#include "engine/calendar.h"
#include "tools/stations/station_search.h"
#include "tools/stations/table_writer.h"

namespace {

struct Options {
    std::string ephemeris = SWISS_EPHEMERIS_FOLDER;
    std::string output;
    std::string check;
};

struct Planet {
    int body;
    std::string_view arrayName;
    std::string_view enumerator;
};

constexpr Planet kPlanets[] = {
    {SE_MERCURY, "kMercury", "kMercury"}, {SE_VENUS, "kVenus", "kVenus"},
    {SE_MARS, "kMars", "kMars"},          {SE_JUPITER, "kJupiter", "kJupiter"},
    {SE_SATURN, "kSaturn", "kSaturn"},
};

constexpr int kFirstDay = engine::DaysFromCivil(1900, 1, 1);
constexpr int kLastDay = engine::DaysFromCivil(2050, 12, 31);

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        if (name == "--ephemeris") {
            options.ephemeris = argv[i + 1];
        } else if (name == "--output") {
            options.output = argv[i + 1];
        } else if (name == "--check") {
            options.check = argv[i + 1];
        } else {
            return false;
        }
    }
    return argc % 2 == 1 && options.output.empty() != options.check.empty();
}

std::string GenerateSource(const std::string& ephemeris) {
    swe_set_ephe_path(ephemeris.c_str());
    std::vector<stations::PlanetTable> tables;
    for (const Planet& planet : kPlanets) {
        tables.push_back({planet.arrayName, planet.enumerator,
                          stations::FindRetrogradePeriods(planet.body, kFirstDay, kLastDay)});
    }
    swe_close();
    return stations::StationTableSource(tables);
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

// Writes beside the target first so an interrupted run never leaves half a table behind.
bool WriteFile(const std::string& path, const std::string& text) {
    const std::string temporary = path + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush()) {
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    return !error;
}

// Reports the first line that differs, so a hand edit or a changed ephemeris is easy to find.
int Check(const std::string& path, const std::string& expected) {
    std::string actual;
    if (!ReadFile(path, actual)) {
        std::cerr << "cannot read " << path << "\n";
        return 1;
    }
    if (actual == expected) {
        return 0;
    }
    std::istringstream actualLines(actual);
    std::istringstream expectedLines(expected);
    std::string actualLine;
    std::string expectedLine;
    for (int number = 1;; ++number) {
        const bool haveActual = static_cast<bool>(std::getline(actualLines, actualLine));
        const bool haveExpected = static_cast<bool>(std::getline(expectedLines, expectedLine));
        if (!haveActual || !haveExpected || actualLine != expectedLine) {
            std::cerr << path << " differs from the ephemeris at line " << number
                      << "\n  file:      " << (haveActual ? actualLine : "<end of file>")
                      << "\n  generated: " << (haveExpected ? expectedLine : "<end of file>")
                      << "\nRegenerate it with the target regenerate_station_tables.\n";
            return 1;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::cerr << "usage: " << argv[0]
                  << " [--ephemeris FOLDER] (--output FILE | --check FILE)\n";
        return 2;
    }
    try {
        const std::string source = GenerateSource(options.ephemeris);
        if (!options.check.empty()) {
            return Check(options.check, source);
        }
        if (!WriteFile(options.output, source)) {
            std::cerr << "cannot write " << options.output << "\n";
            return 1;
        }
        return 0;
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
}
