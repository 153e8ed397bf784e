#include "cli/options.h"

#include <QCommandLineParser>
#include <charconv>
#include <cstdint>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "cli/form_entry.h"
#include "reading/validation.h"

namespace cli {

namespace {

std::string ValueOf(const QCommandLineParser& parser, const QString& name) {
    return parser.value(name).toStdString();
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

bool AllDigits(std::string_view text, std::size_t minimum, std::size_t maximum) {
    if (text.size() < minimum || text.size() > maximum) {
        return false;
    }
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

std::optional<std::string> WithOption(std::string_view option, EntryProblem problem) {
    if (!problem) {
        return std::nullopt;
    }
    return "--" + std::string(option) + ": " + *problem;
}

std::optional<std::string> SetDate(reading::FormValues& form, std::string_view text) {
    const std::vector<std::string_view> parts = Split(text, '-');
    if (parts.size() != 3 || !AllDigits(parts[0], 4, 4) || !AllDigits(parts[1], 1, 2) ||
        !AllDigits(parts[2], 1, 2)) {
        return "--date must be year-month-day, e.g. 1980-06-15";
    }
    if (auto problem = WithOption("date", SetYear(form, parts[0]))) {
        return problem;
    }
    if (auto problem = WithOption("date", SetMonth(form, parts[1]))) {
        return problem;
    }
    return WithOption("date", SetDay(form, parts[2]));
}

std::optional<std::string> SetTime(reading::FormValues& form, std::string_view text) {
    const std::vector<std::string_view> parts = Split(text, ':');
    if (parts.size() != 2 || !AllDigits(parts[0], 1, 2) || !AllDigits(parts[1], 1, 2)) {
        return "--time must be hour:minute on a 24-hour clock, e.g. 10:30";
    }
    if (auto problem = WithOption("time", SetHour(form, parts[0]))) {
        return problem;
    }
    if (auto problem = WithOption("time", SetMinute(form, parts[1]))) {
        return problem;
    }
    return WithOption("time", MidnightProblem(form));
}

// "28:37N": degrees and minutes as the form's fields hold them, then the direction letter.
std::optional<std::string> SetPlace(std::string& degrees, std::string& minutes, bool& first,
                                    bool& second, std::string_view text, char firstLetter,
                                    char secondLetter, std::string_view option,
                                    std::string_view example) {
    const std::string problem = "--" + std::string(option) +
                                " must be degrees:minutes followed by " + firstLetter + " or " +
                                secondLetter + ", e.g. " + std::string(example);
    if (text.empty()) {
        return problem;
    }
    const char letter = static_cast<char>(text.back() & ~0x20);  // upper case
    if (letter != firstLetter && letter != secondLetter) {
        return problem;
    }
    const std::vector<std::string_view> parts = Split(text.substr(0, text.size() - 1), ':');
    if (parts.size() != 2 || !reading::IsDegreeOrMinuteText(std::string(parts[0])) ||
        !reading::IsDegreeOrMinuteText(std::string(parts[1]))) {
        return problem;
    }
    degrees = std::string(parts[0]);
    minutes = std::string(parts[1]);
    first = letter == firstLetter;
    second = !first;
    return std::nullopt;
}

// --place stands for the coordinates and the names, and for the zone unless --zone is given.
std::string PlaceOptionProblem(const QCommandLineParser& parser) {
    for (const char* replaced : {"lat", "lon", "city", "state", "country"}) {
        if (parser.isSet(replaced)) {
            return "--place gives the coordinates and the names; leave out --lat, --lon, --city, "
                   "--state and --country";
        }
    }
    if (parser.isSet("dst") && !parser.isSet("zone")) {
        return "--dst with --place needs --zone too (without both, the place's clock decides)";
    }
    if (QString text = parser.value("place").trimmed(); text.isEmpty() || text.startsWith(',')) {
        return "--place needs the name of a place, e.g. \"Kolkata, West Bengal, India\"";
    }
    return {};
}

constexpr const char* kChartOptions[] = {"positions", "ayanamsa", "node"};

// Reads --positions, --ayanamsa and --node into chart, or says what is wrong with them.
std::string ReadChartOptions(const QCommandLineParser& parser, reading::ChartSettings& chart) {
    if (parser.isSet("positions")) {
        const auto positions = reading::PositionsNamed(ValueOf(parser, "positions"));
        if (!positions) {
            return "--positions must be mean or precise";
        }
        chart.positions = *positions;
    }
    if (parser.isSet("ayanamsa")) {
        const auto ayanamsa = reading::AyanamsaNamed(ValueOf(parser, "ayanamsa"));
        if (!ayanamsa) {
            return "--ayanamsa must be lahiri, raman, krishnamurti or true-chitra";
        }
        chart.ayanamsa = *ayanamsa;
    }
    if (parser.isSet("node")) {
        const auto node = reading::NodeNamed(ValueOf(parser, "node"));
        if (!node) {
            return "--node must be mean or true";
        }
        chart.node = *node;
    }
    if (!chart.precise() && (parser.isSet("ayanamsa") || parser.isSet("node"))) {
        return "--ayanamsa and --node choose how the precise ephemeris is read; give them with "
               "--positions precise (the mean elements have their own ayanamsa and the mean "
               "node)";
    }
    return {};
}

// A line number: digits alone, as large as a file's line count may be.
std::optional<std::int64_t> LineNumber(std::string_view text) {
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || text.front() == '-' || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

// The first option given more than once (a second value would silently replace the first).
std::string RepeatedOption(const QCommandLineParser& parser) {
    QStringList seen;
    for (QString name : parser.optionNames()) {
        name = name == "h" ? "help" : name == "v" ? "version" : name;
        if (seen.contains(name)) {
            return name.toStdString();
        }
        seen.append(name);
    }
    return {};
}

}  // namespace

ParsedOptions ParseOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QStringList birthOptions{"name", "date", "time",  "zone",    "offset", "lat",
                                   "lon",  "city", "state", "country", "place"};
    for (const QString& name : birthOptions) {
        parser.addOption(QCommandLineOption(name, QString(), "value"));
    }
    parser.addOption(QCommandLineOption("dst"));
    parser.addOption(QCommandLineOption("json"));
    parser.addOption(QCommandLineOption("dasha"));
    parser.addOption(QCommandLineOption("positions", QString(), "kind"));
    parser.addOption(QCommandLineOption("ayanamsa", QString(), "name"));
    parser.addOption(QCommandLineOption("node", QString(), "kind"));
    parser.addOption(QCommandLineOption("batch", QString(), "file"));
    parser.addOption(QCommandLineOption("first-line", QString(), "number"));
    parser.addOption(QCommandLineOption("list-zones"));
    parser.addOption(QCommandLineOption("find", QString(), "name"));
    parser.addOption(QCommandLineOption(QStringList{"h", "help"}));
    parser.addOption(QCommandLineOption(QStringList{"v", "version"}));

    ParsedOptions parsed;
    if (!parser.parse(arguments)) {
        parsed.usageProblem = parser.errorText().toStdString();
        return parsed;
    }
    if (const std::string repeated = RepeatedOption(parser); !repeated.empty()) {
        parsed.usageProblem = "--" + repeated + " is given twice; give it once";
        return parsed;
    }

    Options options;
    options.json = parser.isSet("json");
    options.dasha = parser.isSet("dasha");
    const QStringList positional = parser.positionalArguments();
    bool anyBirthOption = parser.isSet("dst");
    for (const QString& name : birthOptions) {
        anyBirthOption = anyBirthOption || parser.isSet(name);
    }
    for (const char* name : kChartOptions) {
        options.chartGiven = options.chartGiven || parser.isSet(name);
    }

    if (parser.isSet("help")) {
        options.mode = Mode::kHelp;
    } else if (parser.isSet("version")) {
        options.mode = Mode::kVersion;
    } else if (parser.isSet("list-zones")) {
        options.mode = Mode::kListZones;
        if (anyBirthOption || options.chartGiven || !positional.isEmpty() ||
            parser.isSet("batch") || parser.isSet("find") || options.json || options.dasha) {
            parsed.usageProblem = "--list-zones lists the zone rows; give it alone";
        }
    } else if (parser.isSet("find")) {
        options.mode = Mode::kFindPlaces;
        options.findText = ValueOf(parser, "find");
        if (anyBirthOption || options.chartGiven || !positional.isEmpty() ||
            parser.isSet("batch") || options.json || options.dasha) {
            parsed.usageProblem = "--find lists places; give it alone";
        } else if (QString text = parser.value("find").trimmed();
                   text.isEmpty() || text.startsWith(',')) {
            parsed.usageProblem =
                "--find needs a name or its beginning, e.g. \"Kolk\" or \"Delhi, United States\"";
        }
    } else if (positional.size() > 1) {
        parsed.usageProblem = "give at most one reading file";
    } else if (parser.isSet("batch")) {
        options.mode = Mode::kBatch;
        options.path = ValueOf(parser, "batch");
        if (anyBirthOption || !positional.isEmpty()) {
            parsed.usageProblem =
                "--batch reads the births from its file; give no birth options or reading file "
                "with it";
        }
    } else if (!positional.isEmpty()) {
        options.mode = Mode::kReadingFile;
        options.path = positional.first().toStdString();
        if (anyBirthOption) {
            parsed.usageProblem =
                "a reading file holds the whole birth; give no birth options with it";
        }
    } else if (!anyBirthOption && !options.json) {
        parsed.usageProblem = "no birth given";
    } else {
        options.mode = Mode::kOneBirth;
        for (const char* required : {"date", "time"}) {
            if (parsed.usageProblem.empty() && !parser.isSet(required)) {
                parsed.usageProblem = "--" + std::string(required) + " is required";
            }
        }
        if (parsed.usageProblem.empty() && parser.isSet("offset") &&
            (parser.isSet("zone") || parser.isSet("dst"))) {
            parsed.usageProblem =
                "--offset gives the clock's whole offset; leave out --zone and --dst";
        }
        if (parsed.usageProblem.empty() && !parser.isSet("zone") && !parser.isSet("offset") &&
            !parser.isSet("place")) {
            parsed.usageProblem = "--zone (or --offset) is required";
        }
        if (parsed.usageProblem.empty() && parser.isSet("place")) {
            parsed.usageProblem = PlaceOptionProblem(parser);
        }
    }
    if (parsed.usageProblem.empty() && parser.isSet("first-line")) {
        if (options.mode != Mode::kBatch) {
            parsed.usageProblem = "--first-line numbers the lines of a batch; give it with --batch";
        } else if (const auto first = LineNumber(ValueOf(parser, "first-line"));
                   !first || *first < 1 || *first > kMaxFirstLine) {
            parsed.usageProblem =
                "--first-line must be a whole number from 1 to " + std::to_string(kMaxFirstLine);
        } else {
            options.firstLine = *first;
        }
    }
    const bool writesJson = options.json || options.mode == Mode::kBatch;
    const bool modeTakesDasha = options.mode != Mode::kHelp && options.mode != Mode::kVersion;
    if (parsed.usageProblem.empty() && options.dasha && modeTakesDasha && !writesJson) {
        parsed.usageProblem = "--dasha adds the dasha to the JSON; give it with --json or --batch";
    }
    if (parsed.usageProblem.empty()) {
        parsed.usageProblem = ReadChartOptions(parser, options.chart);
    }
    if (!parsed.usageProblem.empty()) {
        return parsed;
    }

    if (options.mode == Mode::kOneBirth) {
        reading::FormValues& form = options.form;
        form.daylightSaving = parser.isSet("dst");
        std::optional<std::string> problem;
        using TextSetter = EntryProblem (*)(reading::FormValues&, std::string_view);
        const std::pair<const char*, TextSetter> texts[] = {
            {"name", SetName}, {"city", SetCity}, {"state", SetState}, {"country", SetCountry}};
        for (const auto& [option, set] : texts) {
            if (!problem) {
                problem = WithOption(option, set(form, ValueOf(parser, option)));
            }
        }
        if (!problem) {
            problem = SetDate(form, ValueOf(parser, "date"));
        }
        if (!problem) {
            problem = SetTime(form, ValueOf(parser, "time"));
        }
        if (!problem && parser.isSet("zone")) {
            problem = WithOption("zone", SetZone(form, ValueOf(parser, "zone")));
        }
        if (!problem && parser.isSet("offset")) {
            problem = WithOption("offset", SetOffset(form, ValueOf(parser, "offset")));
        }
        if (parser.isSet("place")) {
            options.place = ValueOf(parser, "place");
            options.zoneGiven = parser.isSet("zone") || parser.isSet("offset");
        }
        // Without --lat or --lon the fields stay empty and the form's validation says so.
        if (!problem && parser.isSet("lat")) {
            problem = SetPlace(form.latitudeDegrees, form.latitudeMinutes, form.north, form.south,
                               ValueOf(parser, "lat"), 'N', 'S', "lat", "28:37N");
        }
        if (!problem && parser.isSet("lon")) {
            problem = SetPlace(form.longitudeDegrees, form.longitudeMinutes, form.east, form.west,
                               ValueOf(parser, "lon"), 'E', 'W', "lon", "77:13E");
        }
        if (problem) {
            parsed.usageProblem = *problem;
            return parsed;
        }
    }
    parsed.options = options;
    return parsed;
}

std::string UsageText() {
    return R"(Usage:
  rashi-report --name NAME --date YYYY-MM-DD --time HH:MM --zone ROW --lat DD:MMN|S
               --lon DDD:MME|W [--dst] --city CITY --state STATE --country COUNTRY
               [--json [--dasha]]
  rashi-report --batch FILE|- [--first-line N] [--dasha]
  rashi-report [--json [--dasha]] READING.vlj
  rashi-report --name NAME --date YYYY-MM-DD --time HH:MM --offset ±HH:MM --lat DD:MMN|S
               --lon DDD:MME|W --city CITY --state STATE --country COUNTRY [--json [--dasha]]
  rashi-report --name NAME --date YYYY-MM-DD --time HH:MM --place "CITY[, STATE][, COUNTRY]"
               [--zone ROW [--dst] | --offset ±HH:MM] [--json [--dasha]]
  rashi-report --find NAME
  rashi-report --list-zones | --help | --version
Each way of computing a chart also takes --positions mean|precise, and with precise positions
--ayanamsa lahiri|raman|krishnamurti|true-chitra and --node mean|true.

Computes the sidereal birth chart (Rashi chart) of a birth and prints its report.

Birth options:
  --name NAME        the person's name
  --date Y-M-D       date of birth, years 1901 to 2050 (e.g. 1980-06-15)
  --time H:M         local clock time of birth, hour 0 to 24 (24:00, with no minutes, is
                     midnight at the day's end)
  --zone ROW         row 0 to 70 of the time zone list (see --list-zones); 34 is Indian Time
  --dst              the clock was on daylight saving time (one hour ahead of the zone)
  --offset ±HH:MM    instead of --zone and --dst, the clock's whole offset from Greenwich,
                     east positive, -14:00 to +14:00: for clocks no zone row has, e.g. Nepal
                     +05:45, Kabul +04:30, an Indian local time before 1906 (Bombay +04:51)
  --lat DD:MMN       latitude, 0:00 to 90:00: degrees:minutes, then N or S (e.g. 28:37N)
  --lon DDD:MME      longitude, 0:00 to 180:00: degrees:minutes, then E or W (e.g. 77:13E)
  --city, --state, --country   the place's names
  --place TEXT       a place of the built-in atlas instead of --lat, --lon, --city, --state,
                     --country, --zone and --dst: "Kolkata", "Kolkata, India" or "Kolkata,
                     West Bengal, India". The name is taken whole: the place's own name, its
                     ASCII form or one of its other names ("Calcutta"); a text that only begins
                     names is refused, naming up to five of them. The most populous match is
                     taken (up to five others are named on standard error); the zone and
                     daylight saving are those its clocks kept at --date and --time. When no
                     zone of the list has that offset (Nepal, local mean time), the chart is
                     cast at the clock's own offset to the minute, standard error says so and
                     the JSON's place holds it as "exactOffset". With --zone (and --dst) or
                     --offset the place gives the coordinates and names only.
  --find NAME        list the places of the atlas whose name, ASCII name or one of whose other
                     names starts with NAME (a state or country may follow after commas), the 50
                     most populous first: name, latitude, longitude (decimal degrees), time
                     zone, population and the other name that matched (empty when the place's
                     own name did), separated by tabs. When more places begin so, standard
                     error says that the list was cut.

Positions:
  --positions KIND   mean (the default): the program's own mean orbital elements, within
                     about 12' of the planets' true places; precise: the precise ephemeris
                     tables, within a second of arc, from 1901 to 2050. With precise positions
                     a planet is retrograde when its longitude decreases at the birth.
  --ayanamsa NAME    with --positions precise: lahiri (the default), raman, krishnamurti or
                     true-chitra (True Chitrapaksha)
  --node KIND        with --positions precise: Rahu at the mean node (mean, the default) or
                     at the true node (true); Ketu stands opposite
  The report has the same 26 lines whatever the positions. With --json, any of these options
  adds the member "settings": {"positions", "ayanamsa", "node"} with the words given (with mean
  positions "lahiri" and "mean", the mean elements' own), and with precise positions the
  reading holds "speeds": the daily motions in degrees of the Sun to Ketu. Without these
  options the JSON is as it always was.

Output:
  The report has 26 lines in UTF-8, ended by LF. Lines 9 and 20, which hold a lone carriage
  return in the exported report file, are printed as empty lines. The month is named in the
  language of the user's locale.
  --json             print instead one JSON object with the birth ("birth"), the reading
                     ("reading") and the universal time the chart was cast for
                     ("universalTime", ISO 8601). The reading includes "navamsa": the
                     navamsa signs of the Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn,
                     Rahu, Ketu and the ascendant, and "vargas": their signs in the sixteen
                     divisional charts, "D1", "D2", "D3", "D4", "D7", "D9", "D10", "D12",
                     "D16", "D20", "D24", "D27", "D30", "D40", "D45" and "D60", each a list
                     in the same order. With --place the object also holds the place
                     ("place": name, state, country, latitude, longitude, timeZone,
                     utcOffset, daylightSaving; exactOffset when no zone row has the
                     clock's offset; zoneDiffers, with --zone or --offset, true when their
                     offset is not the place's clock's, which standard error then names).
  --dasha            with --json or --batch, the reading also holds "dasha", the Vimshottari
                     dasha: {"yearDays": 365.25, "balance": {"lord", "years"}, "periods":
                     nine mahadashas, each {"lord", "start", "end", "antardashas": nine
                     {"lord", "start", "end"}}}. Dates are YYYY-MM-DD on the birth's local
                     clock; a year is 365.25 days.

Batch:
  --batch FILE       read births as CSV from FILE ("-" for standard input). The first line is
                     the header
                       name,day,month,year,hour,minute,zone,latDeg,latMin,south,lonDeg,lonMin,
                       east,dst,city,state,country
                     (columns in any order). A column id, any text, is the caller's key:
                     it is echoed as "id" in the row's output line, error rows included (null
                     when the row's fields cannot be counted right: a broken quote, a field
                     too many or too few). A column offset (as --offset) may stand for zone
                     and dst. A column place (as --place) may stand for
                     latDeg, latMin, south, lonDeg, lonMin, east, city, state and country, and
                     for zone and dst when those are left out. Fields in double quotes may
                     hold commas, line breaks and doubled quotes; south, east and dst are
                     true/false or 1/0; an empty south or east means no direction chosen.
                     Blank lines are skipped. For every row, in input order, one line holds
                     the JSON object of --json led by the row's line,
                       {"line": N, "birth": ...}
                     or, for a row that cannot be read or is refused,
                       {"line": N, "error": "..."}
                     N is the input line the row starts on (the input's first line is 1,
                     blank lines are counted), so that output lines can be matched to rows.
                     A row spans at most 100 lines and 64 KiB: a longer line is an error row,
                     and a quote still open past that is one ("unclosed quote opened on line
                     N"), after which reading goes on with the line after line N. A failed
                     write stops the batch at once.
  --first-line N     number the input's first line (its header) N (from 1 to
                     1000000000000000) instead of 1, so that a chunk cut from a larger file by
                     whole lines numbers its rows as the whole file does (README: "Very large
                     batches"). A row with a line break inside quotes cannot be cut by lines;
                     the id column is then the safe key.

Reading file:
  READING.vlj        print the report (or with --json the JSON) of a saved reading file.
                     A file that is no whole reading is refused (status 2) with the line at
                     fault: a value outside its list, or a file that ended before line 17.

Exit status:
  0  every chart was computed, or --find listed places
  1  the birth was refused (the reason goes to standard error), a batch row failed, or --find
     found no place
  2  the options are wrong, an input cannot be read (or a batch has no usable header), the
     output cannot be written, memory ran out, or --place names no place of the atlas or a
     time its clocks never showed
)";
}

}  // namespace cli
