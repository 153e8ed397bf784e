// Feeds arbitrary arguments, the bytes split at NUL, to the command line's option parser, and
// runs what it accepts when that reads no file. The parser must refuse with a reason or hand over
// a form whose list positions and degree texts the window could hold; the calculation and the
// command must take whatever it hands over.

#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string_view>

#include "cli/command.h"
#include "cli/options.h"
#include "engine/vector_state.h"
#include "reading/driver.h"
#include "reading/time_zones.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

bool InList(int position, int count) {
    return position >= 0 && position < count;
}

bool DegreeOrMinuteField(const std::string& text) {
    return text.empty() || reading::IsDegreeOrMinuteText(text);
}

void CheckForm(const reading::FormValues& form, const reading::ChartSettings& settings) {
    Require(InList(form.dayIndex, reading::kDayCount) &&
            InList(form.monthIndex, reading::kMonthCount) &&
            InList(form.yearIndex, reading::kYearCount) &&
            InList(form.hourIndex, reading::kHourCount) &&
            InList(form.minuteIndex, reading::kMinuteCount) &&
            InList(form.zoneIndex, reading::kTimeZoneCount));
    Require(
        DegreeOrMinuteField(form.latitudeDegrees) && DegreeOrMinuteField(form.latitudeMinutes) &&
        DegreeOrMinuteField(form.longitudeDegrees) && DegreeOrMinuteField(form.longitudeMinutes));
    Require(!(form.north && form.south) && !(form.east && form.west));
    // A clock offset given directly is within a day's reach; names are one line each.
    Require(!form.clockOffsetMinutes ||
            (*form.clockOffsetMinutes >= -reading::kMaxClockOffsetMinutes &&
             *form.clockOffsetMinutes <= reading::kMaxClockOffsetMinutes));
    for (const std::string* text : {&form.name, &form.city, &form.state, &form.country}) {
        Require(std::none_of(text->begin(), text->end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
        }));
    }
    reading::BirthData birth;
    reading::ChartReading chart;
    if (const auto refusal = reading::RunCalculation(form, birth, chart, settings)) {
        Require(!refusal->message.empty());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    engine::ClearUpperVectorHalves();  // Qt leaves them in use, and SSE code slows down
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    QStringList arguments{QStringLiteral("rashi-report")};
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\0');
        const std::string_view argument = bytes.substr(0, end);
        arguments.append(
            QString::fromUtf8(argument.data(), static_cast<qsizetype>(argument.size())));
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }

    const cli::ParsedOptions parsed = cli::ParseOptions(arguments);
    Require(parsed.options.has_value() == parsed.usageProblem.empty());
    if (!parsed.options) {
        return 0;
    }
    const cli::Options& options = *parsed.options;
    // The precise choices are taken only with precise positions.
    Require(options.chart.precise() || (options.chart.ayanamsa == engine::AyanamsaMode::kLahiri &&
                                        options.chart.node == engine::NodeKind::kMean));
    if (options.mode == cli::Mode::kOneBirth) {
        CheckForm(options.form, options.chart);
    }
    // Files named by the arguments are not opened: they could be anything on this machine.
    const bool readsAFile = options.mode == cli::Mode::kReadingFile ||
                            (options.mode == cli::Mode::kBatch && options.path != "-");
    if (!readsAFile) {
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        const int status = cli::RunReportCommand(arguments, in, out, err);
        Require(status == cli::kExitSuccess || status == cli::kExitRefused ||
                status == cli::kExitUsage);
        // A failure always says why; a success is silent, except that --place names the other
        // places its text finds and a birth time the clocks showed twice.
        Require(status != cli::kExitSuccess ? !err.str().empty()
                                            : err.str().empty() || options.place.has_value());
    }
    return 0;
}
