#include "cli/reading_json.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "engine/angles.h"
#include "reading/driver.h"
#include "reading/iso_dates.h"
#include "reading/sample_birth.h"

namespace cli {
namespace {

TEST(ReadingJsonTest, UniversalTimeAsIso8601) {
    EXPECT_EQ(reading::IsoUniversalTime({1980, 6, 15, 5, 0}), "1980-06-15T05:00:00Z");
    EXPECT_EQ(reading::IsoUniversalTime({1900, 12, 31, 11, 0}), "1900-12-31T11:00:00Z");
    EXPECT_EQ(reading::IsoUniversalTime({2051, 1, 1, 23, 59}), "2051-01-01T23:59:00Z");
    EXPECT_EQ(reading::IsoDate({2096, 10, 9}), "2096-10-09");
}

// The instant crosses the day, month and year when the zone or hour 24 carries it.
TEST(ReadingJsonTest, UniversalTimeCarriesIntoTheCalendar) {
    const struct {
        int year, month, day, hour, minute, zoneHourOffset, zoneMinuteOffset;
        bool daylightSaving;
        const char* expected;
    } cases[] = {
        {2000, 2, 29, 24, 0, 0, 0, false, "2000-03-01T00:00:00Z"},
        {1901, 1, 1, 0, 0, -13, 0, false, "1900-12-31T11:00:00Z"},
        {2050, 12, 31, 23, 30, 12, 0, false, "2051-01-01T11:30:00Z"},
        {1980, 6, 15, 10, 30, -5, -30, true, "1980-06-15T04:00:00Z"},
    };
    for (const auto& c : cases) {
        reading::BirthData birth;
        birth.name = "A";
        birth.year = c.year;
        birth.month = c.month;
        birth.day = c.day;
        birth.hour = c.hour;
        birth.minute = c.minute;
        birth.zoneHourOffset = c.zoneHourOffset;
        birth.zoneMinuteOffset = c.zoneMinuteOffset;
        birth.isDaylightSaving = c.daylightSaving;
        std::string out;
        AppendReadingJson(out, birth, reading::CalculateReading(birth));
        const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(out)).object();
        EXPECT_EQ(root["universalTime"].toString().toStdString(), c.expected) << out;
    }
}

// Other programs compare by the numbers: read back, each must give exactly the text shown.
TEST(ReadingJsonTest, LongitudesReadBackToThePositionTexts) {
    const reading::BirthData birth = reading::SampleBirth();
    const reading::ChartReading chart = reading::CalculateReading(birth);
    std::string out;
    AppendReadingJson(out, birth, chart);
    const QJsonObject json =
        QJsonDocument::fromJson(QByteArray::fromStdString(out)).object()["reading"].toObject();
    const QJsonArray longitudes = json["longitudes"].toArray();
    ASSERT_EQ(longitudes.size(), reading::kBodyCount) << out;
    for (int body = 0; body < reading::kBodyCount; ++body) {
        EXPECT_EQ(longitudes[body].toDouble(), chart.longitudes[body]);
        EXPECT_EQ(engine::ShortPositionTextOf(longitudes[body].toDouble()),
                  chart.planetPositions[body]);
    }
    const double ayanamsa = json["ayanamsaDegrees"].toDouble();
    EXPECT_EQ(engine::SignedAngleText(-ayanamsa), chart.signedAyanamsaText);
}

TEST(ReadingJsonTest, RowErrorKeepsItsLayoutAndEscapes) {
    std::string out;
    AppendRowErrorJson(out, {.line = 12, .id = {}}, "a \"quoted\" field is not closed");
    EXPECT_EQ(out, R"({"line": 12, "error": "a \"quoted\" field is not closed"})");
}

}  // namespace
}  // namespace cli
