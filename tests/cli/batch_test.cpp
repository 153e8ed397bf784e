#include "cli/batch.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <sstream>
#include <string_view>

namespace cli {
namespace {

const std::string kHeader = std::string(kBatchHeader) + "\n";
const std::string kDelhiRow =
    "Asha Rao,15,6,1980,10,30,34,28,37,false,77,13,true,false,Delhi,Delhi,India\n";

struct BatchRun {
    BatchSummary summary;
    std::vector<QJsonObject> lines;
    std::string text;  // as written
};

BatchRun RunBatchOn(const std::string& input, bool withDasha = false) {
    std::istringstream in(input);
    std::ostringstream out;
    BatchRun run;
    run.summary = RunBatch(
        in, out, {.withDasha = withDasha, .chart = {}, .withSettings = false, .limits = {}});
    run.text = out.str();
    std::istringstream written(run.text);
    std::string line;
    while (std::getline(written, line)) {
        QJsonParseError error;
        const QJsonDocument document =
            QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << line;
        run.lines.push_back(document.object());
    }
    return run;
}

QString Error(const QJsonObject& line) {
    return line["error"].toString();
}

// A line without the member that ties it to its input row, to compare charts of different rows.
QJsonObject Unkeyed(QJsonObject line) {
    line.remove("line");
    return line;
}

TEST(BatchTest, EveryRowAnswersInOrderAndFailuresDoNotStopTheRest) {
    const BatchRun run = RunBatchOn(
        kHeader + kDelhiRow +
        ",15,6,1980,10,30,34,28,37,false,77,13,true,false,Delhi,Delhi,India\n" +
        "Asha Rao,32,6,1980,10,30,34,28,37,0,77,13,1,0,Delhi,Delhi,India\n" + "too,few,fields\n" +
        "\"Rao,\nAsha\",15,6,1980,10,30,34,28,37,,77,13,1,0,Delhi,Delhi,India\n" +
        "Asha,31,4,1980,10,30,34,28,37,0,77,13,1,0,Delhi,Delhi,India\n" +
        "Asha,15,6,1980,10,30,34,2x,37,0,77,13,1,0,Delhi,Delhi,India\n" + kDelhiRow);
    EXPECT_TRUE(run.summary.headerProblem.empty());
    EXPECT_EQ(run.summary.rows, 8);
    EXPECT_EQ(run.summary.failedRows, 6);
    ASSERT_EQ(run.lines.size(), 8u);

    EXPECT_EQ(run.lines[0]["birth"].toObject()["name"].toString(), "Asha Rao");
    EXPECT_EQ(run.lines[1], QJsonObject({{"line", 3}, {"error", "Please Enter Your Name"}}));
    EXPECT_EQ(run.lines[2]["line"].toInt(), 4);
    EXPECT_EQ(Error(run.lines[2]), "day must be a whole number from 1 to 31");
    EXPECT_EQ(run.lines[3]["line"].toInt(), 5);
    EXPECT_EQ(Error(run.lines[3]), "the row has 3 fields; the header has 17");
    // The row that starts on line 6 spans two lines, and a name holds no line break.
    EXPECT_EQ(run.lines[4]["line"].toInt(), 6);
    EXPECT_EQ(Error(run.lines[4]),
              "name holds a control character (a line break, tab or escape); it must be one line "
              "of text");
    EXPECT_EQ(run.lines[5]["line"].toInt(), 8);
    EXPECT_EQ(Error(run.lines[5]), "Please Enter Correct Date Or Month !");
    EXPECT_EQ(Error(run.lines[6]), "Please enter only numbers");
    EXPECT_EQ(Unkeyed(run.lines[7]), Unkeyed(run.lines[0]));
}

// Blank lines are skipped and a quoted field may span lines, so a reader can only match output
// to input by the line each row starts on; charts carry it as well as errors.
TEST(BatchTest, EveryLineNamesTheLineItsRowStartsOn) {
    const BatchRun run =
        RunBatchOn("\n" + kHeader + "\n\r\n" + kDelhiRow + "x\n\n" +
                   "\"Asha\nRao\",15,6,1980,10,30,34,28,37,0,77,13,1,0,Delhi,Delhi,"
                   "India\n" +
                   kDelhiRow + "\n");
    ASSERT_EQ(run.lines.size(), 4u);
    const int expected[] = {5, 6, 8, 10};
    for (std::size_t i = 0; i < run.lines.size(); ++i) {
        EXPECT_EQ(run.lines[i]["line"].toInt(), expected[i]) << i;
    }
    EXPECT_TRUE(run.text.starts_with("{\"line\":5,\"birth\":{")) << run.text;
    EXPECT_TRUE(Error(run.lines[2]).startsWith("name holds a control character"));
    EXPECT_EQ(Unkeyed(run.lines[3]), Unkeyed(run.lines[0]));
}

// The caller's key comes back in every line, error rows included, and a chunk of a larger file
// numbers its lines as that file does.
TEST(BatchTest, EveryLineCarriesTheIdAndChunksKeepTheirLineNumbers) {
    const std::string header = "id," + std::string(kBatchHeader) + "\n";
    const std::string input = header + "\"A-1, \"\"x\"\"\"," + kDelhiRow +  // quoted, with quotes
                              "  B 2 ," + kDelhiRow +                       // kept as it stands
                              "C3,," + kDelhiRow.substr(kDelhiRow.find(',') + 1) +  // no name
                              "D4,too,few\n" +           // which field is the id cannot be told
                              "\"E\t5\"," + kDelhiRow +  // an id is one line, as a name is
                              "\"F6," + kDelhiRow + "G7," +
                              kDelhiRow;  // an unclosed quote: no id to be had
    std::istringstream in(input);
    std::ostringstream out;
    RunBatch(
        in, out,
        {.withDasha = false, .chart = {}, .withSettings = false, .firstLine = 1001, .limits = {}});
    std::istringstream written(out.str());
    std::vector<QJsonObject> lines;
    for (std::string line; std::getline(written, line);) {
        lines.push_back(QJsonDocument::fromJson(QByteArray::fromStdString(line)).object());
    }
    ASSERT_EQ(lines.size(), 7u) << out.str();
    const struct {
        QJsonValue id;
        int line;
        const char* error;
    } expected[] = {
        {"A-1, \"x\"", 1002, nullptr},
        {"  B 2 ", 1003, nullptr},
        {"C3", 1004, "Please Enter Your Name"},
        {QJsonValue::Null, 1005, "the row has 3 fields; the header has 18"},
        {"E\t5", 1006,
         "id holds a control character (a line break, tab or escape); it must be one line of "
         "text"},
        {QJsonValue::Null, 1007, "unclosed quote opened on line 1007"},
    };
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(lines[i]["id"], expected[i].id) << i;
        EXPECT_EQ(lines[i]["line"].toInt(), expected[i].line) << i;
        EXPECT_EQ(Error(lines[i]), expected[i].error ? expected[i].error : "") << i;
    }
    // Reading goes on after the stray quote's line, with the file's numbers.
    EXPECT_EQ(lines[6]["line"].toInt(), 1008);
    EXPECT_EQ(lines[6]["id"], "G7");
    EXPECT_EQ(lines[0]["birth"], lines[1]["birth"]);
    EXPECT_TRUE(out.str().starts_with("{\"line\":1002,\"id\":\"A-1, \\\"x\\\"\",\"birth\":"))
        << out.str();
}

TEST(BatchTest, ColumnsInAnyOrderQuotedAndPadded) {
    const BatchRun run = RunBatchOn(
        "\xEF\xBB\xBF"
        "country,state,city,dst,east,lonMin,lonDeg,south,latMin,latDeg,zone,minute,hour,year,"
        "month,day,name\r\n"
        "India,Delhi,\"Delhi\", FALSE , TRUE ,13,77,0,37,28,34,30,10,1980,6,15,\"Rao, "
        "\"\"Asha\"\"\"\r\n"
        "\r\n");
    ASSERT_EQ(run.lines.size(), 1u);
    EXPECT_EQ(run.summary.failedRows, 0);
    const QJsonObject birth = run.lines[0]["birth"].toObject();
    EXPECT_EQ(birth["name"].toString(), "Rao, \"Asha\"");
    EXPECT_EQ(birth["day"].toInt(), 15);
    EXPECT_EQ(birth["isEast"].toBool(), true);
    EXPECT_EQ(birth["isSouth"].toBool(), false);
    EXPECT_EQ(birth["zoneHourOffset"].toInt(), -5);
}

TEST(BatchTest, UnusableHeadersAreRefusedBeforeAnyRow) {
    const struct {
        std::string input;
        std::string problemStart;
    } cases[] = {
        {"", "the input is empty"},
        {"\n\n", "the input is empty"},
        {kDelhiRow + kDelhiRow, "the header names an unknown column \"Asha Rao\""},
        {"name,day,month\n", "the header lacks the column(s) year, hour, minute, zone"},
        {std::string(kBatchHeader) + ",day\n", "the header names the column \"day\" twice"},
        {"\"name,day\n", "the header line cannot be read: unclosed quote opened on line 1"},
        {std::string(70000, 'x') + "\n" + kHeader,
         "the header line cannot be read: the line is longer than 65536 bytes"},
    };
    for (const auto& c : cases) {
        const BatchRun run = RunBatchOn(c.input);
        EXPECT_TRUE(run.summary.headerProblem.starts_with(c.problemStart))
            << run.summary.headerProblem;
        EXPECT_TRUE(run.lines.empty());
    }
}

TEST(BatchTest, HeaderOnlyGivesNoLines) {
    const BatchRun run = RunBatchOn(kHeader);
    EXPECT_TRUE(run.summary.headerProblem.empty());
    EXPECT_EQ(run.summary.rows, 0);
    EXPECT_TRUE(run.lines.empty());
}

TEST(BatchTest, ManyRowsFlushInBlocksWithoutLosingAny) {
    std::string input = kHeader;
    constexpr int kRows = 500;
    for (int i = 0; i < kRows; ++i) {
        input += i % 100 == 50 ? "x\n" : kDelhiRow;
    }
    const BatchRun run = RunBatchOn(input);
    ASSERT_EQ(run.lines.size(), static_cast<std::size_t>(kRows));
    EXPECT_EQ(run.summary.failedRows, 5);
    EXPECT_EQ(run.lines[150]["line"].toInt(), 152);
    EXPECT_EQ(run.lines[499]["reading"].toObject()["pada"].toString(), "4");
}

TEST(BatchTest, NavamsaAlwaysAndTheDashaWhenAskedFor) {
    const BatchRun plain = RunBatchOn(kHeader + kDelhiRow);
    ASSERT_EQ(plain.lines.size(), 1u);
    const QJsonObject plainReading = plain.lines[0]["reading"].toObject();
    EXPECT_EQ(plainReading["navamsa"].toArray().size(), 10);
    EXPECT_FALSE(plainReading.contains("dasha"));

    const BatchRun withDasha = RunBatchOn(kHeader + kDelhiRow + kDelhiRow, true);
    ASSERT_EQ(withDasha.lines.size(), 2u);
    const QJsonObject reading = withDasha.lines[0]["reading"].toObject();
    EXPECT_EQ(reading["dasha"].toObject()["periods"].toArray().size(), 9);
    QJsonObject withoutDasha = reading;
    withoutDasha.remove("dasha");
    EXPECT_EQ(withoutDasha, plainReading);
    EXPECT_EQ(Unkeyed(withDasha.lines[1]), Unkeyed(withDasha.lines[0]));
}

TEST(BatchTest, AStrayQuoteCostsOnlyItsOwnRow) {
    std::string input = kHeader + kDelhiRow + "\"Rao," + kDelhiRow;
    for (int i = 0; i < 1000; ++i) {
        input += kDelhiRow;
    }
    const BatchRun run = RunBatchOn(input);
    ASSERT_EQ(run.lines.size(), 1002u);
    EXPECT_EQ(run.summary.rows, 1002);
    EXPECT_EQ(run.summary.failedRows, 1);
    EXPECT_EQ(run.lines[1],
              QJsonObject({{"line", 3}, {"error", "unclosed quote opened on line 3"}}));
    EXPECT_EQ(Unkeyed(run.lines[2]), Unkeyed(run.lines[0]));
    EXPECT_EQ(Unkeyed(run.lines[1001]), Unkeyed(run.lines[0]));
}

// Serves a text, then as many LF as asked for, then a last text, without holding the LFs.
class GeneratedInput : public std::streambuf {
  public:
    GeneratedInput(std::string first, std::int64_t lineEnds, std::string last)
        : first_(std::move(first)), lineEnds_(lineEnds), last_(std::move(last)) {}

  protected:
    int_type underflow() override {
        if (!firstServed_) {
            firstServed_ = true;
            Serve(first_);
        } else if (lineEnds_ > 0) {
            static const std::string kLineEnds(1 << 20, '\n');
            const auto count = std::min<std::int64_t>(lineEnds_, kLineEnds.size());
            lineEnds_ -= count;
            Serve(std::string_view(kLineEnds).substr(0, static_cast<std::size_t>(count)));
        } else if (!lastServed_) {
            lastServed_ = true;
            Serve(last_);
        } else {
            return traits_type::eof();
        }
        return gptr() == egptr() ? underflow() : traits_type::to_int_type(*gptr());
    }

  private:
    void Serve(std::string_view text) {
        char* begin = const_cast<char*>(text.data());
        setg(begin, begin, begin + text.size());
    }

    std::string first_;
    std::int64_t lineEnds_;
    std::string last_;
    bool firstServed_ = false;
    bool lastServed_ = false;
};

TEST(BatchTest, LinesPastTwoToTheThirtyFirstKeepTheirNumbers) {
    // The header is line 1; the row after 2^31 + 1 empty lines is line 2^31 + 3.
    GeneratedInput source(kHeader, (std::int64_t{1} << 31) + 1, "x\n");
    std::istream in(&source);
    std::ostringstream out;
    const BatchSummary summary = RunBatch(in, out);
    EXPECT_EQ(summary.rows, 1);
    EXPECT_EQ(out.str(),
              "{\"line\": 2147483651, \"error\": \"the row has 1 field; the header has 17\"}\n");
}

}  // namespace
}  // namespace cli

namespace cli {
namespace {

// Rows of every kind drawn from a seed: births over the whole range, names that need escaping or
// are not UTF-8, and rows that fail in the reader, the entry or the validation.
std::string SeededBatchInput(int rows) {
    std::mt19937_64 random(2026);
    const auto below = [&random](int limit) { return static_cast<int>(random() % limit); };
    constexpr std::array<std::string_view, 8> kNames = {"Asha",
                                                        "\"Rao, \"\"Asha\"\"\"",
                                                        "Zoë Ünal",
                                                        "tab\there",
                                                        "\xFF\xFE"
                                                        "bad",
                                                        "\"two\nlines\"",
                                                        "",
                                                        "Ł\\ž"};
    std::string input(kBatchHeader);
    input += '\n';
    for (int i = 0; i < rows; ++i) {
        if (below(50) == 0) {
            input += below(2) == 0 ? "too,few\n" : "\"open,1,1\n";
            continue;
        }
        const auto field = [&](int value) { input += std::to_string(value) + ','; };
        input += std::string(kNames[below(kNames.size())]) + ',';
        field(1 + below(below(40) == 0 ? 35 : 28));
        field(1 + below(12));
        field(1901 + below(150));
        field(below(24));
        field(below(60));
        field(below(71));
        field(below(67));
        field(below(60));
        input += below(2) == 0 ? "true," : "false,";
        field(below(180));
        field(below(60));
        input += below(2) == 0 ? "1," : "0,";
        input += below(2) == 0 ? "true," : "false,";
        input += "City " + std::to_string(i) + ",State,Country\n";
    }
    return input;
}

// Takes in the output as it is written, keeping only its hash and its count of lines, so the
// test holds no copy of the long output (child processes of later tests would inherit it).
class HashingOutput : public std::streambuf {
  public:
    std::uint64_t hash = 14695981039346656037u;  // FNV-1a
    std::int64_t lines = 0;

  protected:
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            const char byte = traits_type::to_char_type(c);
            xsputn(&byte, 1);
        }
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* bytes, std::streamsize count) override {
        for (const char c : std::string_view(bytes, static_cast<std::size_t>(count))) {
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
            lines += c == '\n';
        }
        return count;
    }
};

// The batch's whole output, byte for byte, as the program wrote it before its pipeline and JSON
// writer were made faster: any change to a single byte or to the order of the lines shows here.
TEST(BatchTest, OutputStaysTheSameByteForByte) {
    const std::string input = SeededBatchInput(6000);
    for (const auto& [withDasha, expected] :
         {std::pair{false, std::uint64_t{14503413144944057121u}},
          std::pair{true, std::uint64_t{1408648106265105610u}}}) {
        std::istringstream in(input);
        HashingOutput written;
        std::ostream out(&written);
        const BatchSummary summary = RunBatch(
            in, out, {.withDasha = withDasha, .chart = {}, .withSettings = false, .limits = {}});
        // Quoted line breaks and unclosed quotes join some of the lines into one row.
        EXPECT_EQ(summary.rows, 5762);
        EXPECT_EQ(written.lines, 5762);
        EXPECT_EQ(written.hash, expected) << "with the dasha: " << withDasha;
    }
}

}  // namespace
}  // namespace cli
