#include "cli/command.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <fstream>
#include <functional>
#include <ios>
#include <new>
#include <sstream>
#include <system_error>
#include <thread>

#include "cli/batch.h"
#include "command_run.h"
#include "files/reading_file.h"
#include "reading/sample_birth.h"

namespace cli {
namespace {

const QStringList kDelhi{"--name", "Asha Rao", "--date",  "1980-06-15", "--time",    "10:30",
                         "--zone", "34",       "--lat",   "28:37N",     "--lon",     "77:13E",
                         "--city", "Delhi",    "--state", "Delhi",      "--country", "India"};

TEST(CommandTest, ReportOfTheDelhiBirth) {
    const CommandRun run = RunCommand(kDelhi);
    EXPECT_EQ(run.status, kExitSuccess);
    EXPECT_EQ(run.err, "");
    // Positions and ayanamsa as computed for this birth by hand; lines 9 and 20 come out empty.
    EXPECT_EQ(run.out,
              "Name: Asha Rao\n"
              "Date of Birth: June 15, 1980\n"
              "Time of Birth: 10 Hour 30 Minute\n"
              "Latitude: 28 Degree 37 Minute \n"
              "Longitude: 77 Degree 13 Minute \n"
              "City: Delhi\n"
              "State: Delhi\n"
              "Country: India\n"
              "\n"
              "Planetary Position\n"
              "Sun 00 Gem 40\n"
              "Moon 00 Can 13\n"
              "Mercury 25 Gem 07\n"
              "Venus 00 Gem 49\n"
              "Mars 23 Leo 03\n"
              "Jupiter 10 Leo 09\n"
              "Saturn 27 Leo 06\n"
              "Rahu 29 Can 35\n"
              "Ketu 29 Cap 35\n"
              "\n"
              "Ayanamsa: 23° 34' 54\"\n"
              "Lagna / Asc: Simha\n"
              "Nakshatra: Punarvasu\n"
              "Rashi / Moon Sign: Kataka\n"
              "Pada: 4\n"
              "Lord: Jupiter\n");
}

TEST(CommandTest, JsonOfTheDelhiBirth) {
    const CommandRun run = RunCommand(QStringList(kDelhi) << "--json");
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    QJsonParseError error;
    const QJsonObject root =
        QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out;

    const QJsonObject birth = root["birth"].toObject();
    EXPECT_EQ(birth.size(), 20);
    EXPECT_EQ(birth["name"].toString(), "Asha Rao");
    EXPECT_EQ(birth["month"].toInt(), 6);
    EXPECT_EQ(birth["zoneHours"].toInt(), 5);
    EXPECT_EQ(birth["zoneMinutes"].toInt(), 30);
    EXPECT_EQ(birth["zoneHourOffset"].toInt(), -5);
    EXPECT_EQ(birth["zoneMinuteOffset"].toInt(), -30);
    EXPECT_EQ(birth["latitudeDegrees"].toInt(), 28);
    EXPECT_EQ(birth["isEast"].toBool(), true);
    EXPECT_EQ(birth["isDaylightSaving"].toBool(), false);
    EXPECT_EQ(birth["country"].toString(), "India");

    const QJsonObject chart = root["reading"].toObject();
    EXPECT_EQ(chart["planetNames"].toArray().size(), 11);
    EXPECT_EQ(chart["planetLabels"].toArray()[0].toString(), "Surya");
    const QJsonArray positions = chart["planetPositions"].toArray();
    ASSERT_EQ(positions.size(), 11);
    EXPECT_EQ(positions[1].toString(), "00 Can 13");
    EXPECT_EQ(positions[9].toString(), "06 Leo 31");
    EXPECT_EQ(positions[10].toString(), "04 Tau 31");
    EXPECT_EQ(chart["signedAyanamsaText"].toString(), "-23° 34' 54\"");
    EXPECT_EQ(chart["ayanamsaText"].toString(), "23° 34' 54\"");
    EXPECT_EQ(chart["lagnaSign"].toString(), "Leo");
    EXPECT_EQ(chart["moonPositionText"].toString(), "0° 13' 14\" Can");
    EXPECT_EQ(chart["retrograde"].toArray().size(), 5);
    EXPECT_EQ(chart["navamsa"].toArray(),
              QJsonArray({"Lib", "Can", "Tau", "Lib", "Lib", "Can", "Sag", "Pis", "Vir", "Tau"}));
    // The divisional charts in their order, each of the ten bodies; the D9 is the navamsa.
    // Counted by hand: the Moon at 0° 13′ 14″ Cancer, an even sign, is in its first dasamsa,
    // counted from the ninth sign, Pisces; the ascendant at 6° 31′ 23″ Leo, odd, in its third
    // dasamsa from Leo itself, Libra, and in its fourteenth shashtiamsa, Virgo.
    const QJsonObject vargas = chart["vargas"].toObject();
    std::size_t previous = 0;
    for (const char* key : {"D1", "D2", "D3", "D4", "D7", "D9", "D10", "D12", "D16", "D20", "D24",
                            "D27", "D30", "D40", "D45", "D60"}) {
        EXPECT_EQ(vargas[key].toArray().size(), 10) << key;
        const std::size_t at = run.out.find("\"" + std::string(key) + "\":");
        EXPECT_GT(at, previous) << key;
        previous = at;
    }
    EXPECT_EQ(vargas.size(), 16);
    EXPECT_EQ(vargas["D9"], chart["navamsa"]);
    EXPECT_EQ(vargas["D1"].toArray()[9].toString(), "Leo");
    EXPECT_EQ(vargas["D10"].toArray()[1].toString(), "Pis");
    EXPECT_EQ(vargas["D10"].toArray()[9].toString(), "Lib");
    EXPECT_EQ(vargas["D60"].toArray()[9].toString(), "Vir");
    EXPECT_FALSE(chart.contains("dasha")) << "the dasha is only written when asked for";
    EXPECT_EQ(root["universalTime"].toString(), "1980-06-15T05:00:00Z");
}

// The dasha in its documented form: nine periods of nine antardashas, touching, dated as
// YYYY-MM-DD, the first lord the lord of the reading.
TEST(CommandTest, DashaOfTheDelhiBirthInJson) {
    const CommandRun run = RunCommand(QStringList(kDelhi) << "--json"
                                                          << "--dasha");
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    const QJsonObject chart =
        QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object()["reading"].toObject();
    const QJsonObject dasha = chart["dasha"].toObject();
    EXPECT_EQ(dasha.keys(), QStringList({"balance", "periods", "yearDays"}));
    EXPECT_EQ(dasha["yearDays"].toDouble(), 365.25);
    const QJsonObject balance = dasha["balance"].toObject();
    EXPECT_EQ(balance["lord"].toString(), chart["nakshatraLord"].toString());
    // 0° 13′ 14″ Cancer: 11 206″ of Punarvasu's 48 000″ remain, of Jupiter's 16 years.
    EXPECT_EQ(balance["years"].toDouble(), 3.7353);

    const QJsonArray periods = dasha["periods"].toArray();
    ASSERT_EQ(periods.size(), 9);
    EXPECT_EQ(periods[0].toObject()["lord"].toString(), "Jupiter");
    EXPECT_EQ(periods[0].toObject()["end"].toString(), "1984-03-10");
    EXPECT_EQ(periods[8].toObject()["lord"].toString(), "Rahu");
    QString previousEnd = periods[0].toObject()["start"].toString();
    for (const QJsonValue& value : periods) {
        const QJsonObject period = value.toObject();
        EXPECT_EQ(period.keys(), QStringList({"antardashas", "end", "lord", "start"}));
        EXPECT_EQ(period["start"].toString(), previousEnd);
        previousEnd = period["end"].toString();
        const QJsonArray antardashas = period["antardashas"].toArray();
        ASSERT_EQ(antardashas.size(), 9);
        EXPECT_EQ(antardashas[0].toObject()["lord"], period["lord"]);
        EXPECT_EQ(antardashas[0].toObject()["start"], period["start"]);
        EXPECT_EQ(antardashas[8].toObject()["end"], period["end"]);
        EXPECT_EQ(antardashas[4].toObject().keys(), QStringList({"end", "lord", "start"}));
        EXPECT_TRUE(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d$")
                        .match(antardashas[4].toObject()["end"].toString())
                        .hasMatch());
    }
}

TEST(CommandTest, RefusalGoesToStandardErrorWithStatusOne) {
    QStringList arguments = kDelhi;
    arguments[arguments.indexOf("Delhi") + 2] = "";  // the state
    const CommandRun run = RunCommand(arguments);
    EXPECT_EQ(run.status, kExitRefused);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "rashi-report: Please Enter Your State name\n");
}

TEST(CommandTest, ImpossiblePlacesAreRefusedAsInTheWindow) {
    QStringList arguments = kDelhi;
    arguments[arguments.indexOf("28:37N")] = "95:00N";
    const CommandRun one = RunCommand(arguments);
    EXPECT_EQ(one.status, kExitRefused);
    EXPECT_EQ(one.out, "");
    EXPECT_EQ(one.err, "rashi-report: Please Enter Degree of Latitude from 0 to 90\n");

    const CommandRun batch = RunCommand(
        {"--batch", "-"},
        std::string(kBatchHeader) +
            "\nAsha Rao,15,6,1980,10,30,34,28,37,false,180,30,true,false,Delhi,Delhi,India\n");
    EXPECT_EQ(batch.status, kExitRefused);
    EXPECT_EQ(batch.out,
              "{\"line\": 2, \"error\": \"Please Enter 0 Minute of Longitude with 180 Degree "
              "(Longitude goes from 0 to 180 Degree)\"}\n");
}

TEST(CommandTest, UsageProblemsHaveStatusTwo) {
    const CommandRun run = RunCommand({"--zone", "99"});
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "rashi-report: --date is required\n"
              "Try 'rashi-report --help' for more information.\n");
}

TEST(CommandTest, BatchFromStandardInput) {
    const CommandRun run = RunCommand(
        {"--batch", "-"},
        std::string(
            "name,day,month,year,hour,minute,zone,latDeg,latMin,south,lonDeg,lonMin,east,dst,city,"
            "state,country\n"
            "Asha Rao,15,6,1980,10,30,34,28,37,false,77,13,true,false,Delhi,Delhi,India\n"
            "Asha Rao,15,6,1980,10,30,34,28,37,false,77,13,true,false,Delhi,Delhi,\n"));
    EXPECT_EQ(run.status, kExitRefused);
    EXPECT_EQ(run.err, "rashi-report: 1 of 2 rows could not be calculated\n");
    const std::size_t firstEnd = run.out.find('\n');
    ASSERT_NE(firstEnd, std::string::npos);
    EXPECT_EQ(run.out.substr(0, 19), "{\"line\":2,\"birth\":{");
    EXPECT_EQ(run.out.substr(firstEnd + 1),
              "{\"line\": 3, \"error\": \"Please Enter Your Country name\"}\n");
}

TEST(CommandTest, UnreadableInputsHaveStatusTwo) {
    const CommandRun missing = RunCommand({"--batch", "/nonexistent/births.csv"});
    EXPECT_EQ(missing.status, kExitUsage);
    EXPECT_EQ(missing.err,
              "rashi-report: cannot read /nonexistent/births.csv: No such file or "
              "directory\n");
    const CommandRun folder = RunCommand({"--batch", "/"});
    EXPECT_EQ(folder.status, kExitUsage);
    EXPECT_EQ(folder.err, "rashi-report: cannot read /: it is a folder\n");
    const CommandRun header = RunCommand({"--batch", "-"}, "a,b\n");
    EXPECT_EQ(header.status, kExitUsage);
    EXPECT_TRUE(header.err.starts_with(
        "rashi-report: standard input: the header names an unknown column \"a\""))
        << header.err;
}

const std::string kRow =
    "Asha Rao,15,6,1980,10,30,34,28,37,false,77,13,true,false,Delhi,Delhi,India\n";

// Serves a text, then fails the next read the way a stream's buffer does.
class FailingInput : public std::streambuf {
  public:
    FailingInput(std::string text, std::function<void()> fail)
        : text_(std::move(text)), fail_(std::move(fail)) {}

  protected:
    int_type underflow() override {
        if (served_ || text_.empty()) {
            fail_();
        }
        served_ = true;
        setg(text_.data(), text_.data(), text_.data() + text_.size());
        return traits_type::to_int_type(text_[0]);
    }

  private:
    std::string text_;
    std::function<void()> fail_;
    bool served_ = false;
};

CommandRun RunBatchFrom(std::streambuf* input) {
    std::istream in(input);
    std::ostringstream out;
    std::ostringstream err;
    CommandRun run;
    run.status = RunReportCommand({"rashi-report", "--batch", "-"}, in, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

TEST(CommandTest, AFailedReadIsReportedAsItIsAfterTheRowsBeforeIt) {
    const struct {
        std::function<void()> fail;
        std::string message;
    } cases[] = {
        {[] {
             throw std::ios_base::failure("read", std::error_code(EIO, std::generic_category()));
         },
         "rashi-report: cannot read standard input: Input/output error\n"},
        {[] { throw std::bad_alloc(); },
         "rashi-report: cannot read standard input: out of memory\n"},
    };
    for (const auto& c : cases) {
        FailingInput twoRows(std::string(kBatchHeader) + "\n" + kRow + kRow, c.fail);
        const CommandRun partWay = RunBatchFrom(&twoRows);
        EXPECT_EQ(partWay.status, kExitUsage);
        EXPECT_EQ(partWay.err, c.message);
        EXPECT_EQ(std::count(partWay.out.begin(), partWay.out.end(), '\n'), 2) << partWay.out;

        FailingInput nothing("", c.fail);
        const CommandRun atOnce = RunBatchFrom(&nothing);
        EXPECT_EQ(atOnce.status, kExitUsage);
        EXPECT_EQ(atOnce.err, c.message);
    }
    const CommandRun closed = RunBatchFrom(nullptr);
    EXPECT_EQ(closed.status, kExitUsage);
    EXPECT_EQ(closed.err, "rashi-report: cannot read standard input: it is closed\n");
}

TEST(CommandTest, ListsTheZonesByRow) {
    const CommandRun run = RunCommand({"--list-zones"});
    EXPECT_EQ(run.status, kExitSuccess);
    EXPECT_TRUE(run.out.starts_with(" 0  Alaska/Hawaii Daylight Time,AHDT,-9.0\n"));
    EXPECT_NE(run.out.find("\n34  Indian Time, IST, +5.3\n"), std::string::npos);
    EXPECT_TRUE(run.out.ends_with("\n70  Yukon War Time,YWT,-8.0\n"));
}

// Writes bytes to a file in dir and returns its path.
QString WriteFile(const QTemporaryDir& dir, const QString& name, const std::string& bytes) {
    const QString path = dir.filePath(name);
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
    return path;
}

TEST(CommandTest, ReadingFileGivesTheSameReportAndJsonAsTheOptions) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path =
        WriteFile(dir, "asha.vlj",
                  files::EncodeReadingFile(files::FieldsForSave(reading::SampleBirth(), 34)));
    const CommandRun fromFile = RunCommand({path});
    EXPECT_EQ(fromFile.status, kExitSuccess) << fromFile.err;
    EXPECT_EQ(fromFile.out, RunCommand(kDelhi).out);
    const CommandRun jsonFromFile = RunCommand({"--json", path});
    EXPECT_EQ(jsonFromFile.out, RunCommand(QStringList(kDelhi) << "--json").out);
}

TEST(CommandTest, ReadingFileFaults) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Sixteen lines: nothing here could complete the file, so it is refused where it ended.
    std::string bytes = files::EncodeReadingFile(files::FieldsForSave(reading::SampleBirth(), 34));
    bytes.resize(bytes.rfind('\n', bytes.size() - 2) + 1);
    const CommandRun shortFile = RunCommand({WriteFile(dir, "short.vlj", bytes)});
    EXPECT_EQ(shortFile.status, kExitUsage);
    EXPECT_TRUE(shortFile.err.ends_with(
        "short.vlj: The file ended after line 16 (State); the lines after it are empty.\n"))
        << shortFile.err;
    EXPECT_EQ(shortFile.out, "");

    // A value outside its list is not replaced by another.
    files::ReadingFileFields fields = files::FieldsForSave(reading::SampleBirth(), 34);
    fields[4] = "25";
    const CommandRun hour =
        RunCommand({"--json", WriteFile(dir, "hour.vlj", files::EncodeReadingFile(fields))});
    EXPECT_EQ(hour.status, kExitUsage);
    EXPECT_TRUE(
        hour.err.ends_with("hour.vlj: Line 5 (Hour) holds 25, outside its list of 0 to 24.\n"))
        << hour.err;
    EXPECT_EQ(hour.out, "");

    const CommandRun binary = RunCommand({WriteFile(dir, "binary.vlj", std::string("a\0b", 3))});
    EXPECT_EQ(binary.status, kExitUsage);
    EXPECT_TRUE(
        binary.err.ends_with("binary.vlj: The file holds binary data, not a saved "
                             "reading.\n"))
        << binary.err;

    const std::string large(files::kReadingFileMaxBytes + 1, 'x');
    const CommandRun tooLarge = RunCommand({WriteFile(dir, "large.vlj", large)});
    EXPECT_EQ(tooLarge.status, kExitUsage);
    EXPECT_TRUE(tooLarge.err.ends_with("The file is too large to be a saved reading.\n"));

    const CommandRun missing = RunCommand({dir.filePath("none.vlj")});
    EXPECT_EQ(missing.status, kExitUsage);
    EXPECT_TRUE(missing.err.ends_with("none.vlj: No such file or directory\n"));
    EXPECT_EQ(missing.out, "");

    // The window's rules: a file whose lines are no reading is refused, not calculated.
    const CommandRun text = RunCommand({WriteFile(dir, "text.vlj", "Name: Asha\n")});
    EXPECT_EQ(text.status, kExitUsage);
    EXPECT_TRUE(text.err.ends_with("text.vlj: Line 1 (Name) holds control characters.\n"))
        << text.err;
}

TEST(CommandTest, APipeGivenAsAReadingFileIsRefusedAtOnce) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pipe = dir.filePath("pipe.vlj");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    // Should the reader wait for a writer, this one comes after a few seconds and ends the wait,
    // so a failure shows as a failure rather than a test that never ends.
    std::atomic<bool> finished = false;
    std::thread writer([&] {
        for (int tenth = 0; tenth < 50 && !finished; ++tenth) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) {
            ::close(fd);
        }
    });
    const CommandRun run = RunCommand({pipe});
    finished = true;
    writer.join();
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_EQ(run.err,
              "rashi-report: " + pipe.toStdString() + ": Is a named pipe, not a regular file\n");
}

}  // namespace
}  // namespace cli
