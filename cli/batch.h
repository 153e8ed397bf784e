#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

namespace cli {

// The header a batch file starts with; the columns may come in any order.
inline constexpr std::string_view kBatchHeader =
    "name,day,month,year,hour,minute,zone,latDeg,latMin,south,lonDeg,lonMin,east,dst,city,state,"
    "country";

struct BatchSummary {
    std::string headerProblem;  // not empty when no row could be read at all
    int rows = 0;
    int failedRows = 0;
};

// Reads birth rows as CSV and writes, for each row in input order, one line: the reading's JSON
// object, or {"line": N, "error": "…"} for a row that cannot be read or that the form's
// validation refuses. A failing row never stops the rows after it. Blocks of rows are
// calculated on all the processor's cores; the lines still come out in input order. With
// withDasha each reading holds its Vimshottari dasha.
BatchSummary RunBatch(std::istream& in, std::ostream& out, bool withDasha = false);

}  // namespace cli
