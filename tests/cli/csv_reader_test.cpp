#include "cli/csv_reader.h"

#include <gtest/gtest.h>

#include <sstream>

namespace cli {
namespace {

using Fields = std::vector<std::string>;

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
    EXPECT_EQ(records[0].fields, (Fields{"a", "b", "c"}));
    EXPECT_EQ(records[1].fields, (Fields{"Rao, Asha", "say \"hi\"", ""}));
    EXPECT_EQ(records[2].fields, (Fields{"", "", ""}));
    EXPECT_EQ(records[3].fields, (Fields{"x", "", "a,\"b\",c"}));
    for (const auto& record : records) {
        EXPECT_FALSE(record.problem) << *record.problem;
    }
}

TEST(CsvReaderTest, CrLfAndBlankLinesAndLineNumbers) {
    const auto records = ReadAll("h1,h2\r\none,1\r\n\r\ntwo,2\r\n\n");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].fields, (Fields{"one", "1"}));
    EXPECT_EQ(records[2].fields, (Fields{"two", "2"}));
    EXPECT_EQ(records[0].lineNumber, 1);
    EXPECT_EQ(records[1].lineNumber, 2);
    EXPECT_EQ(records[2].lineNumber, 4);
}

TEST(CsvReaderTest, LastLineWithoutLineEnd) {
    const auto records = ReadAll("a,b\nc,d");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].fields, (Fields{"c", "d"}));
}

TEST(CsvReaderTest, QuotedLineBreaksJoinLinesAndKeepNumbering) {
    const auto records = ReadAll("\"two\r\nlines\",x\n\"three\n\nlines\",y\nlast,z\n");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].fields, (Fields{"two\nlines", "x"}));
    EXPECT_EQ(records[1].fields, (Fields{"three\n\nlines", "y"}));
    EXPECT_EQ(records[0].lineNumber, 1);
    EXPECT_EQ(records[1].lineNumber, 3);
    EXPECT_EQ(records[2].lineNumber, 6);
}

TEST(CsvReaderTest, MalformedRecordsSayWhyAndReadingGoesOn) {
    const auto records = ReadAll("\"closed\"late,x\nnext,row\n\"never closed,x\nmore\n");
    ASSERT_EQ(records.size(), 3u);
    ASSERT_TRUE(records[0].problem);
    EXPECT_EQ(*records[0].problem, "a quoted field must end at a comma or the end of the line");
    EXPECT_FALSE(records[1].problem);
    EXPECT_EQ(records[1].fields, (Fields{"next", "row"}));
    ASSERT_TRUE(records[2].problem);
    EXPECT_EQ(*records[2].problem, "a quoted field is not closed");
    EXPECT_EQ(records[2].lineNumber, 3);
}

TEST(CsvReaderTest, QuoteInsideAnUnquotedFieldIsText) {
    const auto records = ReadAll("5'10\" tall,b\n");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].fields, (Fields{"5'10\" tall", "b"}));
}

TEST(CsvReaderTest, EmptyInputHasNoRecords) {
    EXPECT_TRUE(ReadAll("").empty());
    EXPECT_TRUE(ReadAll("\n\r\n").empty());
}

}  // namespace
}  // namespace cli
