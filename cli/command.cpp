#include "cli/command.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>
#include <sstream>
#include <string>

#include "cli/batch.h"
#include "cli/json_text.h"
#include "cli/options.h"
#include "cli/output_writing.h"
#include "cli/place_entry.h"
#include "cli/reading_json.h"
#include "cli/report_text.h"
#include "files/reading_file.h"
#include "reading/driver.h"
#include "reading/time_zones.h"

namespace cli {

namespace {

constexpr const char* kProgram = "rashi-report";

int UsageProblem(std::ostream& err, const std::string& problem) {
    err << kProgram << ": " << problem << "\nTry '" << kProgram
        << " --help' for more information.\n";
    return kExitUsage;
}

// Opens a file for reading, or says why it cannot be read.
std::string OpenInput(const std::string& path, std::ifstream& file) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return "cannot read " + path + ": it is a folder";
    }
    file.open(path, std::ios::binary);
    if (!file.is_open()) {
        return "cannot read " + path + ": " + std::strerror(errno);
    }
    return {};
}

// Writes the result of one birth, or its refusal; placeJson is its "place" member, if any.
int ReportBirth(const reading::FormValues& form, const Options& options, std::ostream& out,
                std::ostream& err, std::string_view placeJson = {}) {
    reading::BirthData birth;
    reading::ChartReading chart;
    if (const auto refusal = reading::RunCalculation(form, birth, chart, options.chart)) {
        err << kProgram << ": " << refusal->message << '\n';
        return kExitRefused;
    }
    if (options.json) {
        std::string compact;
        AppendReadingJson(compact, birth, chart, options.dasha, placeJson, std::nullopt,
                          options.chartGiven);
        out << IndentJson(compact) << '\n';
    } else {
        out << TerminalReport(birth, chart);
    }
    return kExitSuccess;
}

int ReportBatch(const Options& options, std::istream& standardInput, std::ostream& out,
                std::ostream& err) {
    const std::string& path = options.path;
    std::ifstream file;
    if (path != "-") {
        if (const std::string problem = OpenInput(path, file); !problem.empty()) {
            err << kProgram << ": " << problem << '\n';
            return kExitUsage;
        }
    }
    std::istream& in = path == "-" ? standardInput : file;
    const std::string source = path == "-" ? std::string("standard input") : path;
    if (in.rdbuf() == nullptr) {
        err << kProgram << ": cannot read " << source << ": it is closed\n";
        return kExitUsage;
    }
    const BatchSummary summary = RunBatch(in, out,
                                          {.withDasha = options.dasha,
                                           .chart = options.chart,
                                           .withSettings = options.chartGiven,
                                           .firstLine = options.firstLine,
                                           .limits = {}});
    if (!summary.outputProblem.empty()) {
        err << kProgram << ": cannot write the output: " << summary.outputProblem << '\n';
        return kExitUsage;
    }
    if (!summary.inputProblem.empty()) {
        err << kProgram << ": cannot read " << source << ": " << summary.inputProblem << '\n';
        return kExitUsage;
    }
    if (!summary.headerProblem.empty()) {
        err << kProgram << ": " << source << ": " << summary.headerProblem << '\n';
        return kExitUsage;
    }
    if (summary.failedRows > 0) {
        err << kProgram << ": " << summary.failedRows << " of " << summary.rows
            << " rows could not be calculated\n";
        return kExitRefused;
    }
    return kExitSuccess;
}

int ReportReadingFile(const Options& options, std::ostream& out, std::ostream& err) {
    const std::string& path = options.path;
    // The window's rules: an ordinary file holding a reading; a pipe is refused, not waited on.
    const files::ReadingFileRead read = files::ReadReadingFile(path);
    if (!read.fields) {
        err << kProgram << ": " << path << ": " << read.problem << '\n';
        return kExitUsage;
    }
    // The window loads such a file for the user to complete; here nothing could complete it.
    if (read.linesHeld < files::kReadingFileLineCount) {
        err << kProgram << ": " << path << ": " << files::EndedEarlyText(read.linesHeld) << '\n';
        return kExitUsage;
    }
    const reading::FormValues form = files::ApplyToForm(*read.fields, reading::FormValues{});
    return ReportBirth(form, options, out, err);
}

// A birth at a place of the atlas (--place).
int ReportBirthAtPlace(const Options& options, std::ostream& out, std::ostream& err) {
    reading::FormValues form = options.form;
    const PlaceEntry entry = EnterPlace(*options.place, options.zoneGiven, form);
    if (!entry.problem.empty()) {
        err << kProgram << ": " << entry.problem
            << (entry.clockProblem ? " Give --zone (and --dst) or --offset with --place to "
                                     "choose the clock."
                                   : "")
            << '\n';
        return kExitUsage;
    }
    if (!entry.others.empty()) {
        err << kProgram << ": " << entry.label << " is taken; the name also finds";
        for (const std::string& other : entry.others) {
            err << (&other == &entry.others.front() ? " " : "; ") << other;
        }
        err << '\n';
    }
    if (!entry.note.empty()) {
        err << kProgram << ": " << entry.note << '\n';
    }
    return ReportBirth(form, options, out, err, entry.json);
}

int FindPlaces(const std::string& text, std::ostream& out, std::ostream& err) {
    std::string note;
    std::string problem;
    if (!ListPlaces(text, out, note, problem)) {
        err << kProgram << ": " << problem << '\n';
        return kExitRefused;
    }
    if (!note.empty()) {
        err << kProgram << ": " << note << '\n';
    }
    return kExitSuccess;
}

void ListZones(std::ostream& out) {
    for (int row = 0; row < reading::kTimeZoneCount; ++row) {
        char number[8];
        std::snprintf(number, sizeof number, "%2d  ", row);
        out << number << reading::TimeZoneTable[row].listText << '\n';
    }
}

// Every mode but the batch.
int RunOtherModes(const Options& options, std::ostream& out, std::ostream& err) {
    int status = kExitSuccess;
    switch (options.mode) {
        case Mode::kHelp:
            out << UsageText();
            break;
        case Mode::kVersion:
            out << kProgram << ' ' << RASHI_VERSION << '\n';
            break;
        case Mode::kListZones:
            ListZones(out);
            break;
        case Mode::kOneBirth:
            status = options.place ? ReportBirthAtPlace(options, out, err)
                                   : ReportBirth(options.form, options, out, err);
            break;
        case Mode::kFindPlaces:
            status = FindPlaces(options.findText, out, err);
            break;
        case Mode::kBatch:
            break;  // written as it goes, above
        case Mode::kReadingFile:
            status = ReportReadingFile(options, out, err);
            break;
    }
    return status;
}

int RunCommand(const QStringList& arguments, std::istream& in, std::ostream& out,
               std::ostream& err) {
    const ParsedOptions parsed = ParseOptions(arguments);
    if (!parsed.options) {
        return UsageProblem(err, parsed.usageProblem);
    }
    const Options& options = *parsed.options;
    if (auto problem = WriteAndFlush(out, {})) {
        err << kProgram << ": cannot write the output: " << *problem << '\n';
        return kExitUsage;
    }
    if (options.mode == Mode::kBatch) {
        // The batch flushes every block and reports a failed write itself.
        return ReportBatch(options, in, out, err);
    }
    // The rest is written at once at the end, so that a failed write leaves the system's reason
    // in errno for WriteAndFlush to name.
    std::ostringstream text;
    const int status = RunOtherModes(options, text, err);
    if (auto problem = WriteAndFlush(out, text.view())) {
        err << kProgram << ": cannot write the output: " << *problem << '\n';
        return kExitUsage;
    }
    return status;
}

}  // namespace

int RunReportCommand(const QStringList& arguments, std::istream& in, std::ostream& out,
                     std::ostream& err) {
    try {
        return RunCommand(arguments, in, out, err);
    } catch (const std::bad_alloc&) {
        err << kProgram << ": out of memory\n";
        return kExitUsage;
    }
}

}  // namespace cli
