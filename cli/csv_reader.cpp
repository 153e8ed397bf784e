#include "cli/csv_reader.h"

namespace cli {

CsvReader::CsvReader(std::istream& in) : in_(in) {}

bool CsvReader::ReadLine() {
    if (!std::getline(in_, line_)) {
        return false;
    }
    ++linesRead_;
    if (!line_.empty() && line_.back() == '\r') {
        line_.pop_back();
    }
    return true;
}

bool CsvReader::Next(CsvRecord& record) {
    do {
        if (!ReadLine()) {
            return false;
        }
    } while (line_.empty());

    record.lineNumber = linesRead_;
    record.fields.clear();
    record.problem.reset();

    std::string field;
    bool quoted = false;        // inside a quoted field
    bool afterClosing = false;  // just past a quoted field's closing quote
    std::size_t i = 0;
    while (true) {
        if (i == line_.size()) {
            if (!quoted) {
                break;
            }
            if (!ReadLine()) {
                record.problem = "a quoted field is not closed";
                return true;
            }
            field += '\n';
            i = 0;
            continue;
        }
        const char c = line_[i++];
        if (quoted) {
            if (c != '"') {
                field += c;
            } else if (i < line_.size() && line_[i] == '"') {
                field += '"';
                ++i;
            } else {
                quoted = false;
                afterClosing = true;
            }
        } else if (c == ',') {
            record.fields.push_back(std::move(field));
            field.clear();
            afterClosing = false;
        } else if (afterClosing) {
            // Text after a closing quote means the quotes were not meant as CSV quoting; better
            // to refuse the row than to guess what its fields are.
            record.problem = "a quoted field must end at a comma or the end of the line";
            return true;
        } else if (c == '"' && field.empty()) {
            quoted = true;
        } else {
            field += c;
        }
    }
    record.fields.push_back(std::move(field));
    return true;
}

}  // namespace cli
