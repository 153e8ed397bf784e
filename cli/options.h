#pragma once

#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>

#include "reading/chart_settings.h"
#include "reading/form_values.h"

namespace cli {

enum class Mode {
    kHelp,         // print the usage text
    kVersion,      // print the program's version
    kListZones,    // print the time zone rows
    kOneBirth,     // the birth given by the options
    kBatch,        // births from a CSV file or standard input
    kReadingFile,  // the birth kept in a reading file
    kFindPlaces,   // list the places a name finds
};

struct Options {
    Mode mode = Mode::kHelp;
    bool json = false;
    bool dasha = false;          // the JSON holds the reading's Vimshottari dasha
    reading::FormValues form;    // the birth of kOneBirth
    std::string path;            // the CSV file ("-" for standard input) or the reading file
    std::int64_t firstLine = 1;  // the number of the batch input's first line
    // --place: the place whose coordinates, names and clock the birth takes; --find's text.
    std::optional<std::string> place;
    bool zoneGiven = false;  // with --place, --zone and --dst keep the zone
    std::string findText;
    // --positions, --ayanamsa and --node: how the charts are calculated. The JSON names them
    // ("settings") only when one of them was given, so output without them stays as it was.
    reading::ChartSettings chart;
    bool chartGiven = false;
};

struct ParsedOptions {
    std::optional<Options> options;
    std::string usageProblem;  // set when options is empty
};

// Reads the command line (the program's name first). Values that the window's lists could not
// hold are usage problems; everything the form's own validation checks is left to it.
ParsedOptions ParseOptions(const QStringList& arguments);

// The text --help prints.
std::string UsageText();

}  // namespace cli
