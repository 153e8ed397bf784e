#include "cli/batch.h"

#include <algorithm>
#include <array>
#include <exception>
#include <new>
#include <optional>
#include <span>
#include <thread>
#include <vector>

#include "cli/csv_reader.h"
#include "cli/form_entry.h"
#include "cli/output_writing.h"
#include "cli/place_entry.h"
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

// The place column is read after the others, once the date and time are known.
EntryProblem LaterForPlace(reading::FormValues&, std::string_view) {
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
    Column{kPlaceColumn, LaterForPlace, false},
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
    std::optional<std::size_t> place;  // the place column's position
    bool zoneGiven = false;
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
        if (kColumns[found].name == kPlaceColumn) {
            map.place = i;
        }
        map.columns.push_back(&kColumns[found]);
    }
    const bool place = seen.back();
    std::string missing;
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        const std::string_view name = kColumns[i].name;
        if (place && seen[i] && PlaceReplacesColumn(name)) {
            map.problem = "the column place stands for the column \"" + std::string(name) +
                          "\"; give one or the other";
            return map;
        }
        if (name == "zone") {
            map.zoneGiven = seen[i];
        }
        if (place && name == "dst" && seen[i] && !map.zoneGiven) {
            map.problem = "the column dst goes with place only together with the column zone";
            return map;
        }
        const bool optional =
            place ? PlaceReplacesColumn(name) || PlaceAllowsColumn(name) : name == kPlaceColumn;
        if (!seen[i] && !optional) {
            missing += (missing.empty() ? "" : ", ") + std::string(kColumns[i].name);
        }
    }
    if (!missing.empty()) {
        map.problem = "the header lacks the column(s) " + missing;
    }
    return map;
}

// The form a row describes, or why the row cannot be read; placeJson gets the row's place.
std::optional<std::string> FillForm(const ColumnMap& map, const CsvRecord& row,
                                    reading::FormValues& form, std::string& placeJson) {
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
    if (map.place) {
        PlaceEntry entry = EnterPlace(row.fields[*map.place], map.zoneGiven, form);
        if (!entry.problem.empty()) {
            return entry.problem;
        }
        placeJson = std::move(entry.json);
    }
    return std::nullopt;
}

// Rows read before their charts are calculated, and the fewest rows worth a thread of their own.
constexpr std::size_t kBlockRows = 8192;
constexpr std::size_t kMinimumSlice = 256;
// The most CSV text a block holds (rows of the usual size reach kBlockRows first). With the
// JSON lines of its rows, which may escape a byte as six, a block stays within a few tens of MiB.
constexpr std::size_t kBlockBytes = 1024 * 1024;

std::size_t RecordBytes(const CsvRecord& record) {
    std::size_t bytes = sizeof(CsvRecord);
    for (const std::string& field : record.fields) {
        bytes += sizeof(std::string) + field.size();
    }
    return bytes;
}

// The next record, or false at the end of the input or when a read fails; then problem says why.
bool NextRecord(CsvReader& reader, CsvRecord& record, std::string& problem) {
    try {
        return reader.Next(record);
    } catch (const std::bad_alloc&) {
        problem = "out of memory";
    } catch (const std::ios_base::failure& failure) {
        problem = failure.code().message();
    }
    return false;
}

struct SliceResult {
    std::string lines;  // one JSON line per row, each ended by LF
    std::int64_t failedRows = 0;
};

// The output lines of consecutive rows. Touches nothing but its arguments and its result, so
// slices of a block can be calculated side by side.
SliceResult CalculateRows(const ColumnMap& map, std::span<const CsvRecord> rows, bool withDasha) {
    // About 1 200 bytes a chart, and 7 000 more for a dasha.
    SliceResult result;
    result.lines.reserve(rows.size() * (withDasha ? 8200 : 1200));
    reading::BirthData birth;
    reading::ChartReading chart;
    for (const CsvRecord& record : rows) {
        reading::FormValues form;
        std::string placeJson;
        std::optional<std::string> problem = FillForm(map, record, form, placeJson);
        if (!problem) {
            if (std::optional<reading::FormRefusal> refusal =
                    reading::RunCalculation(form, birth, chart)) {
                problem = refusal->message;
            }
        }
        if (problem) {
            ++result.failedRows;
            AppendRowErrorJson(result.lines, record.lineNumber, *problem);
        } else {
            AppendReadingJson(result.lines, birth, chart, withDasha, placeJson);
        }
        result.lines += '\n';
    }
    return result;
}

}  // namespace

BatchSummary RunBatch(std::istream& in, std::ostream& out, const BatchSettings& settings) {
    BatchSummary summary;
    CsvReader reader(in, settings.limits);
    CsvRecord header;
    if (!NextRecord(reader, header, summary.inputProblem)) {
        if (summary.inputProblem.empty()) {
            summary.headerProblem = "the input is empty; it must start with the header line " +
                                    std::string(kBatchHeader);
        }
        return summary;
    }
    const ColumnMap map = MapHeader(header);
    if (!map.problem.empty()) {
        summary.headerProblem = map.problem + "; the header line is " + std::string(kBatchHeader);
        return summary;
    }

    // Rows are read in blocks; each block's charts are shared out among the processor's cores
    // in contiguous slices, and the slices are written in input order.
    const std::size_t workers = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 16);
    std::vector<CsvRecord> block;  // grows to kBlockRows only when the input has the rows
    std::vector<SliceResult> slices(workers);
    std::vector<std::exception_ptr> failures(workers);
    bool more = true;
    while (more) {
        std::size_t count = 0;
        std::size_t bytes = 0;
        while (count < kBlockRows && bytes < kBlockBytes) {
            if (count == block.size()) {
                block.emplace_back();
            }
            if (!NextRecord(reader, block[count], summary.inputProblem)) {
                more = false;
                break;
            }
            bytes += RecordBytes(block[count]);
            ++count;
            if (reader.InLongLine()) {
                break;  // the rest of the line may never end: answer the rows read so far first
            }
        }
        if (count == 0) {
            break;
        }
        const std::span<const CsvRecord> rows(block.data(), count);
        const std::size_t sliceCount =
            std::min(workers, (count + kMinimumSlice - 1) / kMinimumSlice);
        const std::size_t sliceSize = (count + sliceCount - 1) / sliceCount;
        const auto slice = [&](std::size_t i) {
            const std::size_t first = std::min(count, i * sliceSize);
            return rows.subspan(first, std::min(sliceSize, count - first));
        };
        {
            std::vector<std::jthread> helpers;
            for (std::size_t i = 1; i < sliceCount; ++i) {
                // An exception must not leave a thread: it would end the program unreported.
                helpers.emplace_back([&, i] {
                    try {
                        slices[i] = CalculateRows(map, slice(i), settings.withDasha);
                    } catch (...) {
                        failures[i] = std::current_exception();
                    }
                });
            }
            slices[0] = CalculateRows(map, slice(0), settings.withDasha);
        }  // the helpers are joined here
        for (std::size_t i = 0; i < sliceCount; ++i) {
            if (failures[i]) {
                std::rethrow_exception(failures[i]);
            }
        }
        for (std::size_t i = 0; i < sliceCount; ++i) {
            if (auto problem = WriteAndFlush(out, slices[i].lines)) {
                summary.outputProblem = *problem;
                return summary;
            }
            summary.failedRows += slices[i].failedRows;
        }
        summary.rows += static_cast<std::int64_t>(count);
    }
    return summary;
}

}  // namespace cli
