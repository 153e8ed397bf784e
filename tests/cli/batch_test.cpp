#include "cli/batch.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstdint>
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
};

BatchRun RunBatchOn(const std::string& input, bool withDasha = false) {
    std::istringstream in(input);
    std::ostringstream out;
    BatchRun run;
    run.summary = RunBatch(in, out, {.withDasha = withDasha, .limits = {}});
    std::istringstream written(out.str());
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
    // The row that starts on line 6 spans two lines; an empty south chooses no direction.
    EXPECT_EQ(run.lines[4]["line"].toInt(), 6);
    EXPECT_EQ(Error(run.lines[4]), "Please Select Direction For The Latitude");
    EXPECT_EQ(run.lines[5]["line"].toInt(), 8);
    EXPECT_EQ(Error(run.lines[5]), "Please Enter Correct Date Or Month !");
    EXPECT_EQ(Error(run.lines[6]), "Please enter only numbers");
    EXPECT_EQ(run.lines[7], run.lines[0]);
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
    EXPECT_EQ(withDasha.lines[1], withDasha.lines[0]);
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
    EXPECT_EQ(run.lines[2], run.lines[0]);
    EXPECT_EQ(run.lines[1001], run.lines[0]);
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
