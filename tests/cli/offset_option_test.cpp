// Births whose clock no zone row holds: --offset, the batch's offset column, and --place.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

#include "command_run.h"

namespace cli {
namespace {

QJsonObject JsonOf(const std::string& text) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
}

QStringList Birth(const char* time, QStringList clock) {
    return QStringList{"--name",  "Asha",    "--date",    "1990-06-15", "--time", time,
                       "--lat",   "27:42N",  "--lon",     "85:19E",     "--city", "Kathmandu",
                       "--state", "Bagmati", "--country", "Nepal",      "--json"} +
           clock;
}

// A clock offset moves the universal instant and nothing else: each birth must be charted as the
// same instant given on a zone row's clock.
TEST(OffsetOption, CastsTheChartAtTheGivenOffset) {
    const struct {
        const char* time;
        const char* offset;
        const char* rowTime;  // the same instant on the row's clock
        const char* row;
        const char* universalTime;
    } cases[] = {
        {"12:00", "+05:45", "11:45", "34", "1990-06-15T06:15:00Z"},  // Nepal, on Indian Time
        {"12:00", "+04:30", "11:30", "63", "1990-06-15T07:30:00Z"},  // Kabul, on USSR Zone 3
        {"10:00", "-03:30", "10:00", "50", "1990-06-15T13:30:00Z"},  // Newfoundland's own row
        {"10:00", "-00:30", "10:30", "29", "1990-06-15T10:30:00Z"},  // minutes alone, west
        {"10:00", "+00:45", "09:15", "29", "1990-06-15T09:15:00Z"},  // minutes alone, east
    };
    for (const auto& c : cases) {
        const CommandRun byOffset = RunCommand(Birth(c.time, {"--offset", c.offset}));
        ASSERT_EQ(byOffset.status, kExitSuccess) << byOffset.err;
        const CommandRun byRow = RunCommand(Birth(c.rowTime, {"--zone", c.row}));
        const QJsonObject offsetJson = JsonOf(byOffset.out);
        EXPECT_EQ(offsetJson["universalTime"].toString(), c.universalTime) << c.offset;
        EXPECT_EQ(offsetJson["reading"], JsonOf(byRow.out)["reading"]) << c.offset;
        EXPECT_FALSE(offsetJson["birth"].toObject()["isDaylightSaving"].toBool());
    }
    // An offset that a row holds gives that row's report, line for line.
    QStringList plain = Birth("12:00", {"--offset", "+05:30"});
    plain.removeAll("--json");
    QStringList onRow = Birth("12:00", {"--zone", "34"});
    onRow.removeAll("--json");
    EXPECT_EQ(RunCommand(plain).out, RunCommand(onRow).out);
}

// The place's own offset when no row holds it; the JSON and standard error say so.
TEST(OffsetOption, PlaceWithoutARowUsesItsClockToTheMinute) {
    const QStringList birth{"--name", "A", "--time", "12:00", "--json"};
    const CommandRun nepal =
        RunCommand(birth + QStringList{"--date", "1990-06-15", "--place", "Kathmandu"});
    ASSERT_EQ(nepal.status, kExitSuccess) << nepal.err;
    EXPECT_EQ(nepal.err,
              "rashi-report: no zone of the list has the clock's offset +05:45; the chart is cast "
              "at that offset.\n");
    const QJsonObject json = JsonOf(nepal.out);
    EXPECT_EQ(json["place"].toObject()["exactOffset"].toString(), "+05:45");
    EXPECT_EQ(json["universalTime"].toString(), "1990-06-15T06:15:00Z");

    // A local mean time with seconds is cast at its nearest minute.
    const CommandRun bombay =
        RunCommand(birth + QStringList{"--date", "1901-06-15", "--place", "Mumbai"});
    ASSERT_EQ(bombay.status, kExitSuccess) << bombay.err;
    const QJsonObject place = JsonOf(bombay.out)["place"].toObject();
    EXPECT_EQ(place["utcOffset"].toString(), "+05:21:10");
    EXPECT_EQ(place["exactOffset"].toString(), "+05:21");
    EXPECT_EQ(JsonOf(bombay.out)["universalTime"].toString(), "1901-06-15T06:39:00Z");
    EXPECT_NE(bombay.err.find("+05:21, its nearest minute."), std::string::npos) << bombay.err;

    // --offset with --place keeps the offset given, as --zone does.
    const CommandRun given = RunCommand(
        birth + QStringList{"--date", "1990-06-15", "--place", "Kathmandu", "--offset", "+05:30"});
    EXPECT_EQ(JsonOf(given.out)["universalTime"].toString(), "1990-06-15T06:30:00Z");
    EXPECT_FALSE(JsonOf(given.out)["place"].toObject().contains("exactOffset"));
}

// A zone given with --place is kept; where the place's clock says otherwise, both standard error
// and the JSON say so.
TEST(OffsetOption, AZoneThatContradictsThePlacesClockIsNamed) {
    const QStringList newYork{"--name", "A",     "--date",  "2021-11-07",
                              "--time", "01:30", "--place", "New York City, New York",
                              "--json"};
    const struct {
        QStringList clock;
        bool differs;
    } cases[] = {
        {{"--zone", "10", "--dst"}, true},  // +9:00
        {{"--offset", "+05:45"}, true},
        {{"--zone", "24"}, false},           // -4:00, the first 1:30 that night
        {{"--zone", "27"}, false},           // -5:00, the second
        {{"--zone", "27", "--dst"}, false},  // -4:00 again
        {{"--offset", "-04:00"}, false},
    };
    for (const auto& c : cases) {
        const CommandRun run = RunCommand(newYork + c.clock);
        ASSERT_EQ(run.status, kExitSuccess) << run.err;
        EXPECT_EQ(JsonOf(run.out)["place"].toObject()["zoneDiffers"].toBool(), c.differs)
            << c.clock.join(' ').toStdString();
        EXPECT_EQ(run.err.find("but the clocks of") != std::string::npos, c.differs) << run.err;
    }
    const CommandRun far = RunCommand(newYork + QStringList{"--zone", "10", "--dst"});
    EXPECT_EQ(far.err,
              "rashi-report: the zone given is +9:00, but the clocks of New York City, New York, "
              "United States were -4:00 on 7 Nov 2021; the chart uses the zone given.\n");
    EXPECT_EQ(JsonOf(far.out)["universalTime"].toString(), "2021-11-06T16:30:00Z");
    // Without a zone given, the place decides, and nothing differs.
    const CommandRun own = RunCommand(newYork);
    EXPECT_FALSE(JsonOf(own.out)["place"].toObject().contains("zoneDiffers"));
}

TEST(OffsetColumn, StandsForZoneAndDst) {
    const CommandRun run = RunCommand(
        {"--batch", "-"},
        "name,day,month,year,hour,minute,offset,latDeg,latMin,south,lonDeg,lonMin,east,city,"
        "state,country\n"
        "A,15,6,1990,12,0, +05:45 ,27,42,0,85,19,1,Kathmandu,Bagmati,Nepal\n"
        "B,15,6,1990,12,0,5:45,27,42,0,85,19,1,Kathmandu,Bagmati,Nepal\n"
        "C,15,6,1990,24,30,+05:45,27,42,0,85,19,1,Kathmandu,Bagmati,Nepal\n");
    // Hour 24 takes minutes in a row, as in the window's lists: the next day's 0:30.
    EXPECT_EQ(run.status, kExitRefused);
    const std::size_t end = run.out.find('\n');
    EXPECT_EQ(JsonOf(run.out.substr(0, end))["universalTime"].toString(), "1990-06-15T06:15:00Z");
    const std::size_t secondEnd = run.out.find('\n', end + 1);
    EXPECT_EQ(JsonOf(run.out.substr(end + 1, secondEnd - end - 1))["error"].toString(),
              "offset must be a sign, hours and minutes from -14:00 to +14:00, e.g. +05:45");
    EXPECT_EQ(JsonOf(run.out.substr(secondEnd + 1))["universalTime"].toString(),
              "1990-06-15T18:45:00Z");

    const CommandRun withPlace = RunCommand({"--batch", "-"},
                                            "name,day,month,year,hour,minute,place,offset\n"
                                            "A,15,6,1990,12,0,Kathmandu,+05:30\n");
    EXPECT_EQ(JsonOf(withPlace.out)["universalTime"].toString(), "1990-06-15T06:30:00Z");

    for (const char* header : {"name,day,month,year,hour,minute,offset,zone,place\n",
                               "name,day,month,year,hour,minute,offset,dst,place\n"}) {
        const CommandRun refused = RunCommand({"--batch", "-"}, header);
        EXPECT_EQ(refused.status, kExitUsage);
        EXPECT_NE(refused.err.find("the column offset gives the clock's whole offset; give it or "
                                   "zone and dst"),
                  std::string::npos)
            << refused.err;
    }
}

}  // namespace
}  // namespace cli
