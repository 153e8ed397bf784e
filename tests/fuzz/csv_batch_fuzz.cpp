// Feeds arbitrary bytes to the batch as the rows after its header, followed by a good row, and
// to the CSV reader on its own. Small row limits stand for the real ones, so that short inputs
// reach them. Checked: every output line is a JSON object, there is one line per record the
// reader finds, every line names its record's line, and the good row at the end always comes
// out, whatever came before it; without quotes, every line that is not blank is one record.
// The same rows are fed once more after a header with an id column, numbered from a later first
// line as a chunk of a larger file is: every line then carries "id", a text or null, and the line
// numbers move by as much.

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "cli/csv_reader.h"
#include "engine/vector_state.h"

namespace {

constexpr cli::CsvLimits kLimits{160, 4};  // the header and the good row fit
const std::string kHeader = std::string(cli::kBatchHeader) + "\n";
const std::string kGoodRow =
    "Asha Rao,15,6,1980,10,30,34,28,37,false,77,13,true,false,Delhi,Delhi,India\n";

void Require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

std::vector<cli::CsvRecord> ReadRecords(const std::string& text) {
    std::istringstream in(text);
    cli::CsvReader reader(in, kLimits);
    std::vector<cli::CsvRecord> records;
    cli::CsvRecord record;
    while (reader.Next(record)) {
        records.push_back(record);
    }
    return records;
}

// The numbers of the lines that hold more than a line end, as a reader without quotes sees them.
std::vector<std::int64_t> LinesNotBlank(std::string_view text) {
    std::vector<std::int64_t> lines;
    std::int64_t number = 0;
    while (!text.empty()) {
        ++number;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (!line.empty()) {
            lines.push_back(number);
        }
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

std::string BatchOutput(const std::string& input, cli::BatchSummary& summary,
                        std::int64_t firstLine = 1) {
    std::istringstream in(input);
    std::ostringstream out;
    summary = cli::RunBatch(in, out,
                            {.withDasha = false,
                             .chart = {},
                             .withSettings = false,
                             .firstLine = firstLine,
                             .limits = kLimits});
    return out.str();
}

// The output's lines as JSON objects, one for each record after the header; traps on any other.
std::vector<QJsonObject> OutputObjects(const std::string& output, std::size_t rows) {
    Require(output.ends_with('\n'));
    std::vector<QJsonObject> objects;
    std::size_t start = 0;
    for (std::size_t row = 0; row < rows; ++row) {
        const std::size_t end = output.find('\n', start);
        Require(end != std::string::npos);
        const QByteArray line = QByteArray::fromStdString(output.substr(start, end - start));
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(line, &error);
        Require(error.error == QJsonParseError::NoError && document.isObject());
        objects.push_back(document.object());
        start = end + 1;
    }
    Require(start == output.size());
    return objects;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    engine::ClearUpperVectorHalves();  // Qt leaves them in use, and SSE code slows down
    const std::string rows(reinterpret_cast<const char*>(data), size);
    static const std::string goodLine = [] {
        cli::BatchSummary summary;
        return BatchOutput(kHeader + kGoodRow, summary);
    }();

    const std::string input = kHeader + rows + "\n" + kGoodRow;
    const std::vector<cli::CsvRecord> records = ReadRecords(input);
    Require(!records.empty() && !records.front().problem);
    for (std::size_t i = 1; i < records.size(); ++i) {
        Require(records[i].lineNumber > records[i - 1].lineNumber);
    }
    if (rows.find('"') == std::string::npos) {
        const std::vector<std::int64_t> lines = LinesNotBlank(input);
        Require(lines.size() == records.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            Require(records[i].lineNumber == lines[i]);
        }
    }

    cli::BatchSummary summary;
    const std::string output = BatchOutput(input, summary);
    Require(summary.headerProblem.empty() && summary.inputProblem.empty() &&
            summary.outputProblem.empty());
    Require(summary.rows == static_cast<std::int64_t>(records.size()) - 1);
    const std::vector<QJsonObject> objects = OutputObjects(output, records.size() - 1);
    for (std::size_t row = 1; row < records.size(); ++row) {
        Require(objects[row - 1]["line"].toInteger() == records[row].lineNumber);
        Require(!objects[row - 1].contains("id"));
    }
    // The good row's chart, after the line it was read on.
    const std::string goodChart = goodLine.substr(goodLine.find(','));
    Require(output.ends_with(goodChart));
    // The good row is read on its own line, the last.
    Require(!records.back().problem &&
            records.back().lineNumber == std::count(input.begin(), input.end(), '\n'));

    // The header and the good row gain an id field, which leaves every line where it was.
    constexpr std::int64_t kFirstLine = 4'000'000'001;
    const std::string withIds = "id," + kHeader + rows + "\n" + "good," + kGoodRow;
    const std::string idOutput = BatchOutput(withIds, summary, kFirstLine);
    Require(summary.headerProblem.empty() &&
            summary.rows == static_cast<std::int64_t>(records.size()) - 1);
    const std::vector<QJsonObject> idObjects = OutputObjects(idOutput, records.size() - 1);
    for (std::size_t row = 1; row < records.size(); ++row) {
        const QJsonObject& object = idObjects[row - 1];
        Require(object["line"].toInteger() == records[row].lineNumber + kFirstLine - 1);
        Require(object["id"].isString() || object["id"].isNull());
    }
    Require(idObjects.back()["id"] == QStringLiteral("good"));
    Require(idOutput.ends_with(goodChart));
    return 0;
}
