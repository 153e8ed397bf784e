#include "cli/csv_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <variant>

namespace cli {
namespace {

using Fields = std::vector<std::string>;

Fields FieldsOf(const CsvRecord& record) {
    Fields fields;
    for (std::size_t i = 0; i < record.FieldCount(); ++i) {
        fields.emplace_back(record.Field(i));
    }
    return fields;
}

std::vector<CsvRecord> ReadAll(const std::string& text) {
    std::istringstream in(text);
    CsvReader reader(in);
    std::vector<CsvRecord> records;
    CsvRecord record;
    while (reader.Next(record)) {
        records.push_back(record);
    }
    return records;
}

TEST(CsvReaderTest, SplitsPlainAndQuotedFields) {
    const auto records = ReadAll(
        "a,b,c\n"
        "\"Rao, Asha\",\"say \"\"hi\"\"\",\"\"\n"
        ",,\n"
        "x,\"\",\"a,\"\"b\"\",c\"\n");
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(FieldsOf(records[0]), (Fields{"a", "b", "c"}));
    EXPECT_EQ(FieldsOf(records[1]), (Fields{"Rao, Asha", "say \"hi\"", ""}));
    EXPECT_EQ(FieldsOf(records[2]), (Fields{"", "", ""}));
    EXPECT_EQ(FieldsOf(records[3]), (Fields{"x", "", "a,\"b\",c"}));
    for (const auto& record : records) {
        EXPECT_FALSE(record.problem) << *record.problem;
    }
}

TEST(CsvReaderTest, CrLfAndBlankLinesAndLineNumbers) {
    const auto records = ReadAll("h1,h2\r\none,1\r\n\r\ntwo,2\r\n\n");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(FieldsOf(records[1]), (Fields{"one", "1"}));
    EXPECT_EQ(FieldsOf(records[2]), (Fields{"two", "2"}));
    EXPECT_EQ(records[0].lineNumber, 1);
    EXPECT_EQ(records[1].lineNumber, 2);
    EXPECT_EQ(records[2].lineNumber, 4);
}

TEST(CsvReaderTest, LastLineWithoutLineEnd) {
    const auto records = ReadAll("a,b\nc,d");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(FieldsOf(records[1]), (Fields{"c", "d"}));
}

TEST(CsvReaderTest, QuotedLineBreaksJoinLinesAndKeepNumbering) {
    const auto records = ReadAll("\"two\r\nlines\",x\n\"three\n\nlines\",y\nlast,z\n");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(FieldsOf(records[0]), (Fields{"two\nlines", "x"}));
    EXPECT_EQ(FieldsOf(records[1]), (Fields{"three\n\nlines", "y"}));
    EXPECT_EQ(records[0].lineNumber, 1);
    EXPECT_EQ(records[1].lineNumber, 3);
    EXPECT_EQ(records[2].lineNumber, 6);
}

TEST(CsvReaderTest, MalformedRecordsSayWhyAndReadingGoesOn) {
    const auto records = ReadAll("\"closed\"late,x\nnext,row\n\"never closed,x\nmore\n");
    ASSERT_EQ(records.size(), 4u);
    ASSERT_TRUE(records[0].problem);
    EXPECT_EQ(*records[0].problem, "a quoted field must end at a comma or the end of the line");
    EXPECT_FALSE(records[1].problem);
    EXPECT_EQ(FieldsOf(records[1]), (Fields{"next", "row"}));
    ASSERT_TRUE(records[2].problem);
    EXPECT_EQ(*records[2].problem, "unclosed quote opened on line 3");
    EXPECT_EQ(records[2].lineNumber, 3);
    EXPECT_EQ(FieldsOf(records[3]), Fields{"more"});
    EXPECT_EQ(records[3].lineNumber, 4);
}

// Small limits stand for the real ones (64 KiB, 100 lines), which the batch tests reach.
TEST(CsvReaderTest, RowsAreBoundedAndWhatAStrayQuoteTookInIsReadAgain) {
    const CsvLimits limits{16, 3};
    const std::string longLine(40, 'x');
    const std::string kLong = "the line is longer than 16 bytes";
    struct Expected {
        std::int64_t lineNumber;
        std::variant<Fields, std::string> fieldsOrProblem;
    };
    const struct {
        const char* what;
        std::string input;
        std::vector<Expected> records;
    } cases[] = {
        {"a long line is one record",
         "ok,1\n" + longLine + "\r\nnext,2\n",
         {{1, Fields{"ok", "1"}}, {2, kLong}, {3, Fields{"next", "2"}}}},
        {"a long last line without a line end", "ok\n" + longLine, {{1, Fields{"ok"}}, {2, kLong}}},
        {"sixteen bytes and CR LF are not too long",
         "0123456789abcdef\r\n",
         {{1, Fields{"0123456789abcdef"}}}},
        {"a stray quote reaches the line limit",
         "\"stray,a\nb,1\nc,2\nd,3\n",
         {{1, "unclosed quote opened on line 1"},
          {2, Fields{"b", "1"}},
          {3, Fields{"c", "2"}},
          {4, Fields{"d", "3"}}}},
        {"a quote left open on the row's second line",
         "\"x\ny\",\"open\nb,1\n",
         {{1, "unclosed quote opened on line 2"}, {3, Fields{"b", "1"}}}},
        {"a quoted row reaches the byte limit",
         "\"abcdefgh\nabcdefgh\nz,1\n",
         {{1, "unclosed quote opened on line 1"}, {2, Fields{"abcdefgh"}}, {3, Fields{"z", "1"}}}},
        {"a long line inside quotes",
         "\"a\n" + longLine + "\nz\n",
         {{1, "unclosed quote opened on line 1"}, {2, kLong}, {3, Fields{"z"}}}},
        {"a quoted field within both limits",
         "\"a\nb\",c\n\nd\n",
         {{1, Fields{"a\nb", "c"}}, {4, Fields{"d"}}}},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.input);
        CsvReader reader(in, limits);
        CsvRecord record;
        for (const Expected& expected : c.records) {
            ASSERT_TRUE(reader.Next(record)) << c.what;
            EXPECT_EQ(record.lineNumber, expected.lineNumber) << c.what;
            if (const auto* fields = std::get_if<Fields>(&expected.fieldsOrProblem)) {
                EXPECT_FALSE(record.problem) << c.what << ": " << *record.problem;
                EXPECT_EQ(FieldsOf(record), *fields) << c.what;
            } else {
                EXPECT_EQ(record.problem, std::get<std::string>(expected.fieldsOrProblem))
                    << c.what;
            }
        }
        EXPECT_FALSE(reader.Next(record)) << c.what;
    }
}

TEST(CsvReaderTest, QuoteInsideAnUnquotedFieldIsText) {
    const auto records = ReadAll("5'10\" tall,b\n");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(FieldsOf(records[0]), (Fields{"5'10\" tall", "b"}));
}

TEST(CsvReaderTest, EmptyInputHasNoRecords) {
    EXPECT_TRUE(ReadAll("").empty());
    EXPECT_TRUE(ReadAll("\n\r\n").empty());
}

}  // namespace
}  // namespace cli
