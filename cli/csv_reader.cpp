#include "cli/csv_reader.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace cli {

namespace {

// How much is asked of the stream at a time.
constexpr std::size_t kReadBytes = 64 * 1024;

// A record's field list or text that grew past these (a line of commas, a long row) is given
// back, so that the caller's records, reused row after row, do not keep them.
constexpr std::size_t kKeptFieldCapacity = 64;
constexpr std::size_t kKeptTextCapacity = 1024;

// Appends to buffer the bytes the stream has ready, at most max, after one read of its own when
// it has none; false at the end of the input. A read that fails throws before anything is taken,
// so bytes read earlier are never lost with it.
//
// A file stream says how much of its file is left, and a pipe how much waits in it; those bytes
// are asked for in one piece, which the stream reads straight into buffer. Asking for one byte
// first would make it read into a buffer of its own, a few KiB at a time, and on some machines
// each read costs more than copying the bytes.
bool AppendSome(std::streambuf& source, std::string& buffer, std::size_t max) {
    using Traits = std::streambuf::traits_type;
    std::streamsize ready = source.in_avail();
    if (ready <= 0) {
        if (Traits::eq_int_type(source.sgetc(), Traits::eof())) {
            return false;
        }
        ready = std::max<std::streamsize>(source.in_avail(), 1);
    }
    const auto take = static_cast<std::size_t>(std::min(ready, static_cast<std::streamsize>(max)));
    const std::size_t kept = buffer.size();
    buffer.resize(kept + take);
    try {
        buffer.resize(kept + static_cast<std::size_t>(source.sgetn(
                                 buffer.data() + kept, static_cast<std::streamsize>(take))));
    } catch (...) {
        buffer.resize(kept);
        throw;
    }
    return true;
}

}  // namespace

CsvReader::CsvReader(std::istream& in, CsvLimits limits, std::int64_t firstLine)
    : source_(in.rdbuf()), limits_(limits), linesRead_(firstLine - 1) {}

bool CsvReader::Refill() {
    // Bytes before the current record are done with; the record's own may be read again.
    buffer_.erase(0, rowStart_);
    position_ -= rowStart_;
    rowStart_ = 0;
    return source_ != nullptr && AppendSome(*source_, buffer_, kReadBytes);
}

CsvReader::Line CsvReader::ReadLine(std::size_t maxBytes) {
    line_.clear();
    bool started = false;
    while (true) {
        if (position_ == buffer_.size() && !Refill()) {
            if (!started) {
                return Line::kEnd;
            }
            break;  // the last line has no line end
        }
        if (!started) {
            started = true;
            ++linesRead_;
        }
        const char* begin = buffer_.data() + position_;
        const std::size_t available = buffer_.size() - position_;
        const auto* end = static_cast<const char*>(std::memchr(begin, '\n', available));
        const std::size_t length =
            end != nullptr ? static_cast<std::size_t>(end - begin) : available;
        // One byte past the limit may still be the CR of a CR LF.
        const std::size_t room = maxBytes + 1 - line_.size();
        if (length > room) {
            position_ += room;
            skippingLine_ = true;
            return Line::kTooLong;
        }
        line_.append(begin, length);
        position_ += length;
        if (end != nullptr) {
            ++position_;
            break;
        }
    }
    if (!line_.empty() && line_.back() == '\r') {
        line_.pop_back();
    }
    return line_.size() > maxBytes ? Line::kTooLong : Line::kRead;
}

void CsvReader::SkipBlankLines() {
    while (true) {
        while (position_ < buffer_.size() && buffer_[position_] == '\n') {
            ++position_;
            ++linesRead_;
        }
        rowStart_ = position_;
        if (position_ < buffer_.size() || !Refill()) {
            return;
        }
    }
}

void CsvReader::SkipRestOfLine() {
    skippingLine_ = false;
    while (true) {
        const char* begin = buffer_.data() + position_;
        const auto* end =
            static_cast<const char*>(std::memchr(begin, '\n', buffer_.size() - position_));
        if (end != nullptr) {
            position_ += static_cast<std::size_t>(end - begin) + 1;
            return;
        }
        position_ = rowStart_ = buffer_.size();
        if (!Refill()) {
            return;
        }
    }
}

bool CsvReader::Next(CsvRecord& record) {
    if (skippingLine_) {
        SkipRestOfLine();
    }
    ClearFields(record);
    record.problem.reset();

    Line read = Line::kRead;
    do {
        SkipBlankLines();
        read = ReadLine(limits_.maxRowBytes);
        if (read == Line::kEnd) {
            return false;
        }
    } while (read == Line::kRead && line_.empty());
    record.lineNumber = linesRead_;
    if (read == Line::kTooLong) {
        record.problem =
            "the line is longer than " + std::to_string(limits_.maxRowBytes) + " bytes";
        return true;
    }
    ParseFields(record);
    return true;
}

void CsvReader::ClearFields(CsvRecord& record) {
    record.text.clear();
    record.fieldEnds.clear();
    if (record.text.capacity() > kKeptTextCapacity) {
        record.text.shrink_to_fit();
    }
    if (record.fieldEnds.capacity() > kKeptFieldCapacity) {
        record.fieldEnds.shrink_to_fit();
    }
}

void CsvReader::ParseFields(CsvRecord& record) {
    std::string& text = record.text;
    const auto endField = [&] {
        record.fieldEnds.push_back(text.size());
        text += ',';
    };
    // A line without quotes, as nearly all are, is its fields and their commas as they stand.
    if (line_.find('"') == std::string::npos) {
        text = line_;
        for (std::size_t comma = text.find(','); comma != std::string::npos;
             comma = text.find(',', comma + 1)) {
            record.fieldEnds.push_back(comma);
        }
        endField();
        return;
    }
    std::size_t fieldStart = 0;
    bool quoted = false;           // inside a quoted field
    bool afterClosing = false;     // just past a quoted field's closing quote
    std::int64_t quoteLine = 0;    // the line where the open quote opened
    std::size_t resumeOffset = 0;  // from rowStart_, the line after it
    int rowLines = 1;
    std::size_t i = 0;
    while (true) {
        if (i == line_.size()) {
            if (!quoted) {
                break;
            }
            const std::size_t used = position_ - rowStart_;
            if (rowLines == limits_.maxRowLines || used >= limits_.maxRowBytes ||
                ReadLine(limits_.maxRowBytes - used) != Line::kRead) {
                // The quote was most likely a stray one: what it took in is read again as rows.
                ClearFields(record);
                record.problem = "unclosed quote opened on line " + std::to_string(quoteLine);
                position_ = rowStart_ + resumeOffset;
                linesRead_ = quoteLine;
                skippingLine_ = false;
                return;
            }
            ++rowLines;
            text += '\n';
            i = 0;
            continue;
        }
        const char c = line_[i++];
        if (quoted) {
            if (c != '"') {
                // The text up to the next quote goes in at once.
                const std::size_t end = std::min(line_.find('"', i), line_.size());
                text += c;
                text.append(line_, i, end - i);
                i = end;
            } else if (i < line_.size() && line_[i] == '"') {
                text += '"';
                ++i;
            } else {
                quoted = false;
                afterClosing = true;
            }
        } else if (c == ',') {
            endField();
            fieldStart = text.size();
            afterClosing = false;
        } else if (afterClosing) {
            // Text after a closing quote means the quotes were not meant as CSV quoting; better
            // to refuse the row than to guess what its fields are.
            ClearFields(record);
            record.problem = "a quoted field must end at a comma or the end of the line";
            return;
        } else if (c == '"' && text.size() == fieldStart) {
            quoted = true;
            quoteLine = linesRead_;
            resumeOffset = position_ - rowStart_;
        } else {
            // Past its first byte an unquoted field takes any quote as text, so the text up to
            // the next comma goes in at once.
            const std::size_t end = std::min(line_.find(',', i), line_.size());
            text += c;
            text.append(line_, i, end - i);
            i = end;
        }
    }
    endField();
}

}  // namespace cli
