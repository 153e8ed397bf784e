// rashi-report with places from the atlas: --place, --find and the batch's place column.
#include <gtest/gtest.h>

#include <algorithm>

#include <QJsonDocument>
#include <QJsonObject>

#include "command_run.h"

namespace cli {
namespace {

QStringList BirthAt(const char* date, const char* time, QStringList more) {
    return QStringList{"--name", "Asha", "--date", date, "--time", time} + more;
}

QJsonObject JsonOf(const std::string& text) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
}

// India's war time: the zone row is Indian Time with daylight saving, and the JSON tells the
// place and its clock.
TEST(PlaceOption, TakesCoordinatesNamesAndClockFromTheAtlas) {
    const CommandRun run =
        RunCommand(BirthAt("1943-03-15", "10:00", {"--place", "Kolkata, India", "--json"}));
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(run.err, "");
    const QJsonObject json = JsonOf(run.out);
    const QJsonObject birth = json["birth"].toObject();
    EXPECT_EQ(birth["city"].toString(), "Kolkata");
    EXPECT_EQ(birth["state"].toString(), "West Bengal");
    EXPECT_EQ(birth["latitudeDegrees"].toInt(), 22);
    EXPECT_EQ(birth["latitudeMinutes"].toInt(), 33);
    EXPECT_EQ(birth["longitudeMinutes"].toInt(), 21);
    EXPECT_TRUE(birth["isEast"].toBool());
    EXPECT_EQ(birth["zoneHourOffset"].toInt(), -5);
    EXPECT_EQ(birth["zoneMinuteOffset"].toInt(), -30);
    EXPECT_TRUE(birth["isDaylightSaving"].toBool());
    EXPECT_EQ(json["universalTime"].toString(), "1943-03-15T03:30:00Z");
    EXPECT_EQ(json["place"].toObject(), (QJsonObject{{"name", "Kolkata"},
                                                     {"state", "West Bengal"},
                                                     {"country", "India"},
                                                     {"latitude", 22.56263},
                                                     {"longitude", 88.36304},
                                                     {"timeZone", "Asia/Kolkata"},
                                                     {"utcOffset", "+06:30"},
                                                     {"daylightSaving", true}}));
}

TEST(PlaceOption, RefusesWhatItCannotDo) {
    struct Case {
        QStringList arguments;
        int status;
        const char* err;  // a part of standard error
    };
    const Case cases[] = {
        {BirthAt("1990-06-15", "12:00", {"--place", "Nowhereville"}), kExitUsage,
         "no place in the atlas is called \"Nowhereville\""},
        {BirthAt("2000-04-02", "02:30", {"--place", "New York City"}), kExitUsage,
         "never occurred in New York City, New York, United States on 2 Apr 2000: the clocks were "
         "turned forward that night. Please check the time of birth. Give --zone (and --dst) or "
         "--offset with --place to choose the clock.\n"},
        {BirthAt("1990-06-15", "12:00", {"--place", "Kolkata", "--lat", "1:0N"}), kExitUsage,
         "--place gives the coordinates and the names"},
        {BirthAt("1990-06-15", "12:00", {"--place", "Kolkata", "--dst"}), kExitUsage,
         "--dst with --place needs --zone"},
        {BirthAt("1990-06-15", "12:00", {"--place", " , India"}), kExitUsage,
         "--place needs the name of a place"},
        {{"--find", "Kolkata", "--date", "1990-06-15"}, kExitUsage, "give it alone"},
        {{"--find", "Nowhereville"}, kExitRefused, "no place in the atlas starts with"},
        {{"--find", ""}, kExitUsage, "--find needs a name or its beginning"},
        {{"--find", " , India"}, kExitUsage, "--find needs a name or its beginning"},
    };
    for (const Case& c : cases) {
        const CommandRun run = RunCommand(c.arguments);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

// A whole name, its own, its ASCII form or an other name, narrowed by state and country; the
// places without a division of their own take one, so they chart too.
TEST(PlaceOption, TakesWholeNamesOnly) {
    const std::pair<const char*, const char*> taken[] = {
        {"Calcutta", "City: Kolkata\nState: West Bengal\n"},
        {"sao paulo, Brazil", "City: São Paulo\nState: São Paulo\n"},
        {"Kwangchow, Guangdong", "City: Guangzhou\nState: Guangdong\n"},
        {"Singapore", "City: Singapore\nState: Singapore\nCountry: Singapore\n"},
        {"Macau", "City: Macau\nState: Macau\nCountry: Macao\n"},
        {"Da Nang", "City: Da Nang\nState: Da Nang\nCountry: Vietnam\n"},
        {"Nouakchott", "City: Nouakchott\nState: Nouakchott\nCountry: Mauritania\n"},
    };
    for (const auto& [text, names] : taken) {
        const CommandRun run = RunCommand(BirthAt("1990-06-15", "12:00", {"--place", text}));
        EXPECT_EQ(run.status, kExitSuccess) << text << ": " << run.err;
        EXPECT_NE(run.out.find(names), std::string::npos) << run.out;
    }
    // A beginning is refused, with at most five places whose names begin so.
    for (const char* beginning : {"K", "New", "Kolk"}) {
        const CommandRun run = RunCommand(BirthAt("1990-06-15", "12:00", {"--place", beginning}));
        EXPECT_EQ(run.status, kExitUsage) << beginning;
        EXPECT_EQ(run.out, "");
        const std::string said = "no place in the atlas is called \"" + std::string(beginning) +
                                 "\"; places whose names begin so: ";
        ASSERT_NE(run.err.find(said), std::string::npos) << run.err;
        const std::string offered = run.err.substr(run.err.find(said) + said.size());
        EXPECT_LE(std::count(offered.begin(), offered.end(), ';'), 4) << offered;
    }
    EXPECT_NE(RunCommand(BirthAt("1990-06-15", "12:00", {"--place", "Kolk"}))
                  .err.find("begin so: Kolkata, West Bengal, India"),
              std::string::npos);
}

// With --zone the place gives only its coordinates and names; its clock is still reported.
TEST(PlaceOption, KeepsAGivenZone) {
    const CommandRun run = RunCommand(
        BirthAt("1990-06-15", "12:00", {"--place", "Kathmandu", "--zone", "34", "--json"}));
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    const QJsonObject json = JsonOf(run.out);
    EXPECT_EQ(json["birth"].toObject()["zoneMinuteOffset"].toInt(), -30);
    EXPECT_FALSE(json["birth"].toObject()["isDaylightSaving"].toBool());
    EXPECT_EQ(json["place"].toObject()["utcOffset"].toString(), "+05:45");
}

TEST(PlaceOption, NamesOtherMatchesAndTimesThatCameTwice) {
    const CommandRun delhi = RunCommand(BirthAt("1980-06-15", "10:30", {"--place", "Delhi"}));
    EXPECT_EQ(delhi.status, kExitSuccess);
    EXPECT_NE(delhi.err.find("Delhi, Delhi, India is taken; the name also finds"),
              std::string::npos)
        << delhi.err;
    EXPECT_NE(delhi.err.find("Delhi, New York, United States"), std::string::npos);
    EXPECT_NE(delhi.out.find("City: Delhi\n"), std::string::npos);

    const CommandRun twice = RunCommand(
        BirthAt("2000-10-29", "01:30", {"--place", "New York City, New York", "--json"}));
    EXPECT_EQ(twice.status, kExitSuccess);
    EXPECT_NE(twice.err.find("The earlier, 1:30 with daylight saving (-4:00), is used"),
              std::string::npos)
        << twice.err;
    EXPECT_EQ(JsonOf(twice.out)["universalTime"].toString(), "2000-10-29T05:30:00Z");
}

// Each line ends with the other name that found the place, if one did; a list cut at its limit
// says so.
TEST(FindOption, ListsMatchesMostPopulousFirst) {
    const CommandRun calcutta = RunCommand({"--find", "Calcutta"});
    ASSERT_EQ(calcutta.status, kExitSuccess);
    EXPECT_TRUE(calcutta.out.starts_with(
        "Kolkata, West Bengal, India\t22.56263\t88.36304\tAsia/Kolkata\t4631392\tCalcutta\n"))
        << calcutta.out;
    EXPECT_EQ(calcutta.err, "");

    const CommandRun kolkata = RunCommand({"--find", "kolkata, india"});
    ASSERT_EQ(kolkata.status, kExitSuccess);
    EXPECT_TRUE(
        kolkata.out.starts_with("Kolkata, West Bengal, India\t22.56263\t88.36304\t"
                                "Asia/Kolkata\t4631392\t\n"))
        << kolkata.out;

    const CommandRun many = RunCommand({"--find", "San"});
    ASSERT_EQ(many.status, kExitSuccess);
    EXPECT_EQ(std::count(many.out.begin(), many.out.end(), '\n'), 50);
    EXPECT_EQ(many.err,
              "rashi-report: the 50 most populous places are listed, and more begin so; a state "
              "or country after a comma (\"San, India\") narrows the list\n");
}

TEST(BatchPlaceColumn, StandsForCoordinatesNamesAndZone) {
    const CommandRun run = RunCommand({"--batch", "-"},
                                      "name,day,month,year,hour,minute,place\n"
                                      "A,15,3,1943,10,0,\"Kolkata, West Bengal, India\"\n"
                                      "B,15,6,1990,12,0,Kathmandu\n"
                                      "C,15,6,1990,12,0,a\n"
                                      "D,15,6,1990,12,0,New\n");
    EXPECT_EQ(run.status, kExitRefused);
    const std::size_t end = run.out.find('\n');
    const QJsonObject first = JsonOf(run.out.substr(0, end));
    EXPECT_EQ(first["place"].toObject()["utcOffset"].toString(), "+06:30");
    EXPECT_TRUE(first["birth"].toObject()["isDaylightSaving"].toBool());
    EXPECT_FALSE(first["place"].toObject().contains("exactOffset"));
    // No zone row holds Nepal's clock: the row is cast at the clock's own offset.
    const std::size_t secondEnd = run.out.find('\n', end + 1);
    const QJsonObject second = JsonOf(run.out.substr(end + 1, secondEnd - end - 1));
    EXPECT_EQ(second["place"].toObject()["exactOffset"].toString(), "+05:45");
    EXPECT_EQ(second["universalTime"].toString(), "1990-06-15T06:15:00Z");
    for (const char* beginning :
         {"4, \"error\": \"no place in the atlas is called \\\"a\\\"; places",
          "5, \"error\": \"no place in the atlas is called \\\"New\\\"; places"}) {
        EXPECT_NE(run.out.find(beginning), std::string::npos) << run.out;
    }

    const std::pair<const char*, const char*> headers[] = {
        {"name,day,month,year,hour,minute,place,latDeg\n",
         "the column place stands for the column \"latDeg\""},
        {"name,day,month,year,hour,minute,place,dst\n", "only together with the column zone"},
    };
    for (const auto& [header, problem] : headers) {
        const CommandRun refused = RunCommand({"--batch", "-"}, header);
        EXPECT_EQ(refused.status, kExitUsage);
        EXPECT_NE(refused.err.find(problem), std::string::npos) << refused.err;
    }
}

}  // namespace
}  // namespace cli
