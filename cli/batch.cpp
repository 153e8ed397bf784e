#include "cli/batch.h"

#include <array>
#include <optional>
#include <vector>

#include "cli/csv_reader.h"
#include "cli/form_entry.h"
#include "cli/reading_json.h"
#include "reading/driver.h"

namespace cli {

namespace {

using Setter = EntryProblem (*)(reading::FormValues&, std::string_view);

struct Column {
    std::string_view name;
    Setter set;
    bool trimmed;  // surrounding blanks are dropped (numbers and truth values)
};

// Texts go into the form as they stand, the way typing them would put them there.
template <std::string reading::FormValues::*field>
EntryProblem SetText(reading::FormValues& form, std::string_view text) {
    form.*field = std::string(text);
    return std::nullopt;
}

using Form = reading::FormValues;
constexpr std::array kColumns{
    Column{"name", SetText<&Form::name>, false},
    Column{"day", SetDay, true},
    Column{"month", SetMonth, true},
    Column{"year", SetYear, true},
    Column{"hour", SetHour, true},
    Column{"minute", SetMinute, true},
    Column{"zone", SetZone, true},
    Column{"latDeg", SetText<&Form::latitudeDegrees>, true},
    Column{"latMin", SetText<&Form::latitudeMinutes>, true},
    Column{"south", SetSouth, true},
    Column{"lonDeg", SetText<&Form::longitudeDegrees>, true},
    Column{"lonMin", SetText<&Form::longitudeMinutes>, true},
    Column{"east", SetEast, true},
    Column{"dst", SetDaylightSaving, true},
    Column{"city", SetText<&Form::city>, false},
    Column{"state", SetText<&Form::state>, false},
    Column{"country", SetText<&Form::country>, false},
};

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// For every column of the file, its entry in kColumns; or why the header is unusable.
struct ColumnMap {
    std::vector<const Column*> columns;
    std::string problem;
};

ColumnMap MapHeader(const CsvRecord& header) {
    ColumnMap map;
    if (header.problem) {
        map.problem = "the header line cannot be read: " + *header.problem;
        return map;
    }
    std::array<bool, kColumns.size()> seen{};
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        std::string_view name = TrimBlanks(header.fields[i]);
        if (i == 0 && name.starts_with("\xEF\xBB\xBF")) {
            name.remove_prefix(3);  // the byte order mark some spreadsheets write
        }
        std::size_t found = 0;
        while (found < kColumns.size() && kColumns[found].name != name) {
            ++found;
        }
        if (found == kColumns.size()) {
            map.problem = "the header names an unknown column \"" + std::string(name) + "\"";
            return map;
        }
        if (seen[found]) {
            map.problem = "the header names the column \"" + std::string(name) + "\" twice";
            return map;
        }
        seen[found] = true;
        map.columns.push_back(&kColumns[found]);
    }
    std::string missing;
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        if (!seen[i]) {
            missing += (missing.empty() ? "" : ", ") + std::string(kColumns[i].name);
        }
    }
    if (!missing.empty()) {
        map.problem = "the header lacks the column(s) " + missing;
    }
    return map;
}

// The form a row describes, or why the row cannot be read.
std::optional<std::string> FillForm(const ColumnMap& map, const CsvRecord& row,
                                    reading::FormValues& form) {
    if (row.problem) {
        return row.problem;
    }
    if (row.fields.size() != map.columns.size()) {
        const std::size_t count = row.fields.size();
        return "the row has " + std::to_string(count) + (count == 1 ? " field" : " fields") +
               "; the header has " + std::to_string(map.columns.size());
    }
    for (std::size_t i = 0; i < row.fields.size(); ++i) {
        const Column& column = *map.columns[i];
        const std::string_view text =
            column.trimmed ? TrimBlanks(row.fields[i]) : std::string_view(row.fields[i]);
        if (EntryProblem problem = column.set(form, text)) {
            return problem;
        }
    }
    return std::nullopt;
}

}  // namespace

BatchSummary RunBatch(std::istream& in, std::ostream& out) {
    BatchSummary summary;
    CsvReader reader(in);
    CsvRecord record;
    if (!reader.Next(record)) {
        summary.headerProblem =
            "the input is empty; it must start with the header line " + std::string(kBatchHeader);
        return summary;
    }
    const ColumnMap map = MapHeader(record);
    if (!map.problem.empty()) {
        summary.headerProblem = map.problem + "; the header line is " + std::string(kBatchHeader);
        return summary;
    }

    // Output goes out in large blocks: one write per row would cost more than the chart.
    constexpr std::size_t kFlushSize = 1 << 16;
    std::string buffer;
    buffer.reserve(kFlushSize + 4096);
    reading::BirthData birth;
    reading::ChartReading chart;
    while (reader.Next(record)) {
        ++summary.rows;
        reading::FormValues form;
        std::optional<std::string> problem = FillForm(map, record, form);
        if (!problem) {
            if (std::optional<reading::FormRefusal> refusal =
                    reading::RunCalculation(form, birth, chart)) {
                problem = refusal->message;
            }
        }
        if (problem) {
            ++summary.failedRows;
            AppendRowErrorJson(buffer, record.lineNumber, *problem);
        } else {
            AppendReadingJson(buffer, birth, chart);
        }
        buffer += '\n';
        if (buffer.size() >= kFlushSize) {
            out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            buffer.clear();
        }
    }
    out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    out.flush();
    return summary;
}

}  // namespace cli
