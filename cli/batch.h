#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/csv_reader.h"
#include "reading/chart_settings.h"

namespace cli {

// The header a batch file starts with; the columns may come in any order.
// An optional column id holds the caller's key for the row, any text, echoed as "id" in the
// row's output line; the column offset may stand for zone and dst, and place for the place's
// columns.
inline constexpr std::string_view kBatchHeader =
    "name,day,month,year,hour,minute,zone,latDeg,latMin,south,lonDeg,lonMin,east,dst,city,state,"
    "country";

// The largest number a batch's first line may take. Counting on from it cannot overflow, and the
// line numbers stay below 2^53, which JSON readers that hold every number as a double read exactly.
inline constexpr std::int64_t kMaxFirstLine = 1'000'000'000'000'000;

struct BatchSummary {
    std::string headerProblem;  // not empty when no row could be read at all
    std::string inputProblem;  // why reading stopped before the end ("out of memory", errno's text)
    std::string outputProblem;  // why writing failed; the batch stopped there
    std::int64_t rows = 0;
    std::int64_t failedRows = 0;
};

// Reads birth rows as CSV and writes, for each row in input order, one line: the reading's JSON
// object led by "line": N, or {"line": N, "error": "…"} for a row that cannot be read or that
// the form's validation refuses; N is the input line the row starts on, so that lines can be
// matched to rows although blank lines are skipped. A failing row never stops the rows after it.
// Blocks of rows are calculated on all the processor's cores while the next block is read and the
// one before is written; the lines still come out in input order. Memory stays bounded whatever the
// input: three blocks are in flight, each holds at most a few MiB of rows, and each row is bounded
// by limits. A read that fails ends the input after the rows read before it have been written; a
// write that fails stops the batch. With withDasha each reading holds its Vimshottari dasha.
struct BatchSettings {
    bool withDasha = false;
    reading::ChartSettings chart;  // how every row's chart is calculated
    bool withSettings = false;     // each line says how ("settings")
    // The number of the input's first line, its header: a chunk cut from a larger file numbers
    // its lines as that file does. From 1 to kMaxFirstLine.
    std::int64_t firstLine = 1;
    CsvLimits limits;
};
BatchSummary RunBatch(std::istream& in, std::ostream& out, const BatchSettings& settings = {});

}  // namespace cli
