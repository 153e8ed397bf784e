// The yardstick for the batch: reads a births CSV as rashi-report --batch does and writes one JSON
// line a row, of a given length, without calculating anything. Its time is what reading the
// rows and writing lines of that size costs on this machine. Usage:
//   plain_csv_to_json BIRTHS.csv LINE_BYTES > OUT
// Each line holds the row's fields as strings under their header's names, padded with spaces
// inside a last field to LINE_BYTES bytes, its line feed included.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Splits one CSV record (no line breaks inside quotes in the births files) into fields.
void SplitFields(const std::string& line, std::vector<std::string>& fields) {
    fields.clear();
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.push_back(field);
            field.clear();
        } else if (c != '\r') {
            field += c;
        }
    }
    fields.push_back(field);
}

void AppendJsonString(std::string& out, const std::string& text) {
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    out += '"';
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: plain_csv_to_json BIRTHS.csv LINE_BYTES\n");
        return 2;
    }
    std::FILE* in = std::fopen(argv[1], "rb");
    const std::size_t lineBytes = std::strtoul(argv[2], nullptr, 10);
    if (in == nullptr || lineBytes < 2) {
        std::fprintf(stderr, "plain_csv_to_json: cannot read %s\n", argv[1]);
        return 1;
    }
    std::vector<char> input(1 << 16);
    std::string pending;
    std::string out;
    std::vector<std::string> header;
    std::vector<std::string> fields;
    const auto writeLine = [&](const std::string& line) {
        if (header.empty()) {
            SplitFields(line, header);
            return;
        }
        SplitFields(line, fields);
        const std::size_t start = out.size();
        out += '{';
        for (std::size_t i = 0; i < fields.size() && i < header.size(); ++i) {
            AppendJsonString(out, header[i]);
            out += ':';
            AppendJsonString(out, fields[i]);
            out += ',';
        }
        out += "\"padding\":\"";
        const std::size_t closing = 3;  // "} and the line feed
        const std::size_t used = out.size() - start + closing;
        out.append(used < lineBytes ? lineBytes - used : 0, ' ');
        out += "\"}\n";
        if (out.size() >= (1 << 16)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    };
    std::size_t read;
    while ((read = std::fread(input.data(), 1, input.size(), in)) > 0) {
        std::size_t begin = 0;
        for (std::size_t i = 0; i < read; ++i) {
            if (input[i] == '\n') {
                pending.append(input.data() + begin, i - begin);
                writeLine(pending);
                pending.clear();
                begin = i + 1;
            }
        }
        pending.append(input.data() + begin, read - begin);
    }
    if (!pending.empty()) {
        writeLine(pending);
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fclose(in);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
