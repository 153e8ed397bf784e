#include "cli/batch.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <new>
#include <optional>
#include <span>
#include <stop_token>
#include <thread>
#include <vector>

#include "cli/csv_reader.h"
#include "cli/form_entry.h"
#include "cli/output_writing.h"
#include "cli/place_entry.h"
#include "cli/reading_json.h"
#include "engine/vector_state.h"
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

// The id is no part of the birth: it is taken from the row as it is written out.
constexpr std::string_view kIdColumn = "id";
EntryProblem SetId(reading::FormValues&, std::string_view text) {
    return OneLineProblem(text, kIdColumn);
}

// The place column is read after the others, once the date and time are known.
EntryProblem LaterForPlace(reading::FormValues&, std::string_view) {
    return std::nullopt;
}

using Form = reading::FormValues;
constexpr std::array kColumns{
    Column{"name", SetName, false},
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
    Column{"city", SetCity, false},
    Column{"state", SetState, false},
    Column{"country", SetCountry, false},
    Column{kPlaceColumn, LaterForPlace, false},
    Column{"offset", SetOffset, true},
    Column{kIdColumn, SetId, false},
};

// Spaces and tabs around a field are dropped. A plain loop: find_first_not_of(" \t") looks each
// byte up in the set with a library call, and a batch trims fourteen fields a row.
std::string_view TrimBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// For every column of the file, its entry in kColumns; or why the header is unusable.
struct ColumnMap {
    std::vector<const Column*> columns;
    std::string problem;
    std::optional<std::size_t> place;  // the place column's position
    std::optional<std::size_t> id;     // the id column's position
    bool zoneGiven = false;
};

ColumnMap MapHeader(const CsvRecord& header) {
    ColumnMap map;
    if (header.problem) {
        map.problem = "the header line cannot be read: " + *header.problem;
        return map;
    }
    std::array<bool, kColumns.size()> seen{};
    for (std::size_t i = 0; i < header.FieldCount(); ++i) {
        std::string_view name = TrimBlanks(header.Field(i));
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
        if (kColumns[found].name == kIdColumn) {
            map.id = i;
        }
        map.columns.push_back(&kColumns[found]);
    }
    const auto given = [&](std::string_view name) {
        return seen[static_cast<std::size_t>(std::ranges::find(kColumns, name, &Column::name) -
                                             kColumns.begin())];
    };
    const bool place = given(kPlaceColumn);
    const bool offset = given("offset");
    if (offset && (given("zone") || given("dst"))) {
        map.problem = "the column offset gives the clock's whole offset; give it or zone and dst";
        return map;
    }
    map.zoneGiven = offset;
    std::string missing;
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        const std::string_view name = kColumns[i].name;
        if (place && seen[i] && PlaceReplacesColumn(name)) {
            map.problem = "the column place stands for the column \"" + std::string(name) +
                          "\"; give one or the other";
            return map;
        }
        if (name == "zone") {
            map.zoneGiven = map.zoneGiven || seen[i];
        }
        if (place && name == "dst" && seen[i] && !map.zoneGiven) {
            map.problem = "the column dst goes with place only together with the column zone";
            return map;
        }
        const bool optional =
            name == "offset" || name == kIdColumn ||
            (place ? PlaceReplacesColumn(name) || PlaceAllowsColumn(name)
                   : name == kPlaceColumn || ((name == "zone" || name == "dst") && offset));
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
    if (row.FieldCount() != map.columns.size()) {
        const std::size_t count = row.FieldCount();
        return "the row has " + std::to_string(count) + (count == 1 ? " field" : " fields") +
               "; the header has " + std::to_string(map.columns.size());
    }
    for (std::size_t i = 0; i < row.FieldCount(); ++i) {
        const Column& column = *map.columns[i];
        const std::string_view text = column.trimmed ? TrimBlanks(row.Field(i)) : row.Field(i);
        if (EntryProblem problem = column.set(form, text)) {
            return problem;
        }
    }
    if (map.place) {
        PlaceEntry entry = EnterPlace(row.Field(*map.place), map.zoneGiven, form);
        if (!entry.problem.empty()) {
            return entry.problem;
        }
        placeJson = std::move(entry.json);
    }
    return std::nullopt;
}

// Rows a block holds at most (a dasha makes each line seven times as long), and the most CSV text
// it holds (rows of the usual size reach the row count first). With the JSON lines of its rows,
// which may escape a byte as six, a block stays within a few tens of MiB; with rows of the usual
// size, the three blocks in flight take about 5 MiB, and their lines stay closer to the processor's
// caches than those of larger blocks, which were no faster on two cores and slower on one.
constexpr std::size_t kBlockRows = 1024;
constexpr std::size_t kDashaBlockRows = 1024;
constexpr std::size_t kBlockBytes = 1024 * 1024;
// Rows a worker calculates at a time: small enough that the workers finish a block together.
constexpr std::size_t kSliceRows = 128;
// One block being read, one calculated and one written.
constexpr std::size_t kBlocksInFlight = 3;

std::size_t RecordBytes(const CsvRecord& record) {
    return sizeof(CsvRecord) + record.text.size() +
           record.fieldEnds.size() * sizeof(record.fieldEnds.front());
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
    ReusedText lines;  // one JSON line per row, each ended by LF
    std::int64_t failedRows = 0;
};

// What ties the row's output line to it: its line, and its id when the input has the column.
// The id is null when the row's fields cannot be told apart (a broken quote, a field too many or
// too few): a comma missing or added before the id, or inside it, would make another field pass
// for it, and a wrong key is worse than none.
RowKey KeyOf(const ColumnMap& map, const CsvRecord& record) {
    RowKey key{.line = record.lineNumber, .withId = map.id.has_value(), .id = {}};
    if (map.id && !record.problem && record.FieldCount() == map.columns.size()) {
        key.id = record.Field(*map.id);
    }
    return key;
}

// The output lines of consecutive rows, in place of what result held. Touches nothing but its
// arguments, so slices can be calculated side by side.
void CalculateRows(const ColumnMap& map, std::span<const CsvRecord> rows,
                   const BatchSettings& settings, SliceResult& result) {
    const bool withDasha = settings.withDasha;
    // About 1 200 bytes a chart, and 7 000 more for a dasha.
    result.lines.size = 0;
    result.lines.storage.reserve(rows.size() * (withDasha ? 8200 : 1200));
    result.failedRows = 0;
    JsonWriter lines(result.lines);
    reading::BirthData birth;
    reading::ChartReading chart;
    for (const CsvRecord& record : rows) {
        engine::ClearUpperVectorHalves();  // the form, the checks and the JSON are SSE code too
        reading::FormValues form;
        std::string placeJson;
        std::optional<std::string> problem = FillForm(map, record, form, placeJson);
        if (!problem) {
            if (std::optional<reading::FormRefusal> refusal =
                    reading::RunCalculation(form, birth, chart, settings.chart)) {
                problem = refusal->message;
            }
        }
        const RowKey key = KeyOf(map, record);
        if (problem) {
            ++result.failedRows;
            AppendRowErrorJson(lines, key, *problem);
        } else {
            AppendReadingJson(lines, birth, chart, withDasha, placeJson, key,
                              settings.withSettings);
        }
        lines.Append('\n');
    }
}

// A block of rows on its way through the batch. Its records and line texts are kept from one
// pass to the next, so a long batch allocates nothing new once the first blocks are made.
struct Block {
    std::vector<CsvRecord> rows;  // grows only as far as the input has rows
    std::size_t count = 0;        // the rows of this pass
    std::vector<SliceResult> slices;
    std::size_t slicesHandedOut = 0;
    std::size_t slicesLeft = 0;  // handed out or not, not yet calculated
    std::exception_ptr failure;  // what a calculation threw

    std::size_t SliceCount() const { return (count + kSliceRows - 1) / kSliceRows; }
    std::span<const CsvRecord> Slice(std::size_t i) const {
        const std::size_t first = i * kSliceRows;
        return {rows.data() + first, std::min(kSliceRows, count - first)};
    }
};

// Reading, calculating and writing side by side: while a standing pool of workers calculates
// block n, the caller reads block n + 1 and the writer thread writes block n - 1. Blocks are
// written in the order they were read. All the queues are guarded by mutex_.
class BatchPipeline {
  public:
    BatchPipeline(const ColumnMap& map, std::ostream& out, const BatchSettings& settings,
                  BatchSummary& summary)
        : map_(map), out_(out), settings_(settings), summary_(summary) {
        for (Block& block : blocks_) {
            free_.push_back(&block);
        }
    }
    BatchPipeline(const BatchPipeline&) = delete;
    BatchPipeline& operator=(const BatchPipeline&) = delete;

    // A block to read rows into, once one is free; none once a write or a calculation failed.
    Block* FreeBlock() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return stopped_ || !free_.empty(); });
        if (stopped_) {
            return nullptr;
        }
        Block* block = free_.front();
        free_.pop_front();
        return block;
    }

    // Hands the block's rows on to be calculated and then written. A batch of no more than one
    // slice of rows is calculated and written here: threads would cost more than its rows.
    void Submit(Block& block, bool last) {
        if (block.slices.size() < block.SliceCount()) {
            block.slices.resize(block.SliceCount());
        }
        block.slicesHandedOut = 0;
        block.slicesLeft = block.SliceCount();
        block.failure = nullptr;
        if (threads_.empty()) {
            if (last && block.SliceCount() == 1) {
                CalculateRows(map_, block.Slice(0), settings_, block.slices[0]);
                stopped_ = !WriteBlock(block);
                return;
            }
            StartThreads();
        }
        const std::lock_guard lock(mutex_);
        toCalculate_.push_back(&block);
        toWrite_.push_back(&block);
        changed_.notify_all();
    }

    // Waits until every block handed on is written, or the batch has stopped; rethrows what a
    // calculation threw.
    void Finish() {
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] { return stopped_ || toWrite_.empty(); });
        }
        threads_.clear();  // asks the threads to stop, and joins them
        if (failure_) {
            std::rethrow_exception(failure_);
        }
    }

  private:
    void StartThreads() {
        const std::size_t workers =
            std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 16);
        for (std::size_t i = 0; i < workers; ++i) {
            threads_.emplace_back([this](std::stop_token stop) { Calculate(stop); });
        }
        threads_.emplace_back([this](std::stop_token stop) { Write(stop); });
    }

    void Calculate(std::stop_token stop) {
        std::unique_lock lock(mutex_);
        while (changed_.wait(lock, stop, [&] { return !toCalculate_.empty(); })) {
            Block& block = *toCalculate_.front();
            const std::size_t slice = block.slicesHandedOut++;
            if (block.slicesHandedOut == block.SliceCount()) {
                toCalculate_.pop_front();
            }
            lock.unlock();
            // An exception must not leave a thread: it would end the program unreported.
            std::exception_ptr failure;
            try {
                CalculateRows(map_, block.Slice(slice), settings_, block.slices[slice]);
            } catch (...) {
                failure = std::current_exception();
            }
            lock.lock();
            if (failure && !block.failure) {
                block.failure = failure;
            }
            if (--block.slicesLeft == 0) {
                changed_.notify_all();
            }
        }
    }

    void Write(std::stop_token stop) {
        std::unique_lock lock(mutex_);
        while (changed_.wait(
            lock, stop, [&] { return !toWrite_.empty() && toWrite_.front()->slicesLeft == 0; })) {
            Block& block = *toWrite_.front();
            lock.unlock();
            const bool written = WriteBlock(block);
            lock.lock();
            toWrite_.pop_front();
            free_.push_back(&block);
            stopped_ = !written;
            changed_.notify_all();
            if (stopped_) {
                return;
            }
        }
    }

    // Only the writer thread counts rows and records an output problem.
    bool WriteBlock(const Block& block) {
        if (block.failure) {
            failure_ = block.failure;
            return false;
        }
        for (std::size_t i = 0; i < block.SliceCount(); ++i) {
            if (auto problem = WriteAndFlush(out_, block.slices[i].lines.View())) {
                summary_.outputProblem = *problem;
                return false;
            }
            summary_.failedRows += block.slices[i].failedRows;
        }
        summary_.rows += static_cast<std::int64_t>(block.count);
        return true;
    }

    const ColumnMap& map_;
    std::ostream& out_;
    const BatchSettings& settings_;
    BatchSummary& summary_;
    std::array<Block, kBlocksInFlight> blocks_;
    std::mutex mutex_;
    std::condition_variable_any changed_;
    std::deque<Block*> free_;
    std::deque<Block*> toCalculate_;  // blocks with slices not yet handed out
    std::deque<Block*> toWrite_;      // every block handed on and not yet written, in input order
    bool stopped_ = false;
    std::exception_ptr failure_;
    // Last, so the threads are stopped and joined before anything they use is destroyed.
    std::vector<std::jthread> threads_;
};
}  // namespace

BatchSummary RunBatch(std::istream& in, std::ostream& out, const BatchSettings& settings) {
    BatchSummary summary;
    engine::ClearUpperVectorHalves();  // for the reading and writing, and the threads started here
    CsvReader reader(in, settings.limits, settings.firstLine);
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

    BatchPipeline pipeline(map, out, settings, summary);
    const std::size_t blockRows = settings.withDasha ? kDashaBlockRows : kBlockRows;
    bool more = true;
    while (more) {
        Block* block = pipeline.FreeBlock();
        if (block == nullptr) {
            break;  // a write failed
        }
        std::size_t count = 0;
        std::size_t bytes = 0;
        while (count < blockRows && bytes < kBlockBytes) {
            if (count == block->rows.size()) {
                block->rows.emplace_back();
            }
            if (!NextRecord(reader, block->rows[count], summary.inputProblem)) {
                more = false;
                break;
            }
            bytes += RecordBytes(block->rows[count]);
            ++count;
            if (reader.InLongLine()) {
                break;  // the rest of the line may never end: answer the rows read so far first
            }
        }
        if (count == 0) {
            break;
        }
        block->count = count;
        pipeline.Submit(*block, !more);
    }
    pipeline.Finish();
    return summary;
}

}  // namespace cli
