#include "files/report_export.h"

#include <gtest/gtest.h>

#include "reading/sample_birth.h"
#include "test_folder.h"

namespace files {
namespace {

// The reading of the Delhi birth, as the calculation gives it.
reading::ChartReading DelhiReading() {
    reading::ChartReading chart;
    chart.planetNames = {"Sun",    "Moon", "Mercury", "Venus",     "Mars",     "Jupiter",
                         "Saturn", "Rahu", "Ketu",    "Ascendant", "Midheaven"};
    chart.planetLabels = {"Surya", "Chandra", "Budha", "Shukra",    "Mangala",  "Guru",
                          "Shani", "Rahu",    "Ketu",  "Ascendant", "Midheaven"};
    chart.planetPositions = {"00 Gem 40", "00 Can 13", "25 Gem 07", "00 Gem 49",
                             "23 Leo 03", "10 Leo 09", "27 Leo 06", "29 Can 35",
                             "29 Cap 35", "06 Leo 31", "04 Tau 31"};
    chart.ayanamsaText = "23\u00B0 34' 54\"";
    chart.signedAyanamsaText = "-";
    chart.signedAyanamsaText.Append(chart.ayanamsaText);
    chart.lagnaSign = "Leo";
    chart.lagnaName = "Simha";
    chart.nakshatra = "Punarvasu";
    chart.rashi = "Kataka";
    chart.nakshatraLord = "Jupiter";
    chart.pada = "4";
    return chart;
}

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

// Every byte of the report: Latin-1, CR LF line ends, CR CR LF on the two empty-looking lines.
const QByteArray kDelhiReport =
    "Name: Asha Rao\r\n"
    "Date of Birth: June 15, 1980\r\n"
    "Time of Birth: 10 Hour 30 Minute\r\n"
    "Latitude: 28 Degree 37 Minute \r\n"
    "Longitude: 77 Degree 13 Minute \r\n"
    "City: Delhi\r\n"
    "State: Delhi\r\n"
    "Country: India\r\n"
    "\r\r\n"
    "Planetary Position\r\n"
    "Sun 00 Gem 40\r\n"
    "Moon 00 Can 13\r\n"
    "Mercury 25 Gem 07\r\n"
    "Venus 00 Gem 49\r\n"
    "Mars 23 Leo 03\r\n"
    "Jupiter 10 Leo 09\r\n"
    "Saturn 27 Leo 06\r\n"
    "Rahu 29 Can 35\r\n"
    "Ketu 29 Cap 35\r\n"
    "\r\r\n"
    "Ayanamsa: 23\xB0 34' 54\"\r\n"
    "Lagna / Asc: Simha\r\n"
    "Nakshatra: Punarvasu\r\n"
    "Rashi / Moon Sign: Kataka\r\n"
    "Pada: 4\r\n"
    "Lord: Jupiter\r\n";

TEST(TextReport, DelhiIn1980ByteForByte) {
    TestFolder folder;
    const QString path = folder.path(QStringLiteral("asha.txt"));
    ASSERT_FALSE(ExportReport(path, reading::SampleBirth(), DelhiReading(), kEnglish));
    EXPECT_EQ(folder.read(QStringLiteral("asha.txt")), kDelhiReport);
    EXPECT_EQ(kDelhiReport.count("\r\n"), 26);
}

TEST(TextReport, MonthNamesComeFromTheLocaleOrInEnglishWhereLatin1CannotWriteThem) {
    reading::BirthData birth = reading::SampleBirth();
    birth.month = 3;
    const std::vector<std::pair<QLocale::Language, QByteArray>> cases{
        {QLocale::German, "M\xE4rz"}, {QLocale::French, "mars"},   {QLocale::Spanish, "marzo"},
        {QLocale::Russian, "March"},  {QLocale::Hindi, "March"},   {QLocale::Greek, "March"},
        {QLocale::Japanese, "March"}, {QLocale::English, "March"},
    };
    for (const auto& [language, month] : cases) {
        const QByteArray report = ReportFileBytes(birth, DelhiReading(), QLocale(language));
        EXPECT_TRUE(report.contains("\r\nDate of Birth: " + month + " 15, 1980\r\n"))
            << QLocale::languageToString(language).toStdString() << ": " << report.toStdString();
    }
}

TEST(TextReport, AlwaysHasTwentySixLines) {
    const QByteArray empty = ReportFileBytes({}, {}, kEnglish);
    EXPECT_EQ(empty.count("\r\n"), 26);
    EXPECT_TRUE(empty.startsWith("Name: \r\nDate of Birth:  0, 0\r\n"));
    reading::BirthData birth = reading::SampleBirth();
    birth.latitudeMinutes = 36;
    EXPECT_TRUE(ReportFileBytes(birth, DelhiReading(), kEnglish)
                    .contains("\r\nLatitude: 28 Degree 36 Minute \r\n"));
}

TEST(TextReport, ExportingTwiceKeepsOnlyTheSecond) {
    TestFolder folder;
    const QString path = folder.path(QStringLiteral("asha.txt"));
    reading::BirthData other = reading::SampleBirth();
    other.name = "A much longer name than the second report's one";
    ASSERT_FALSE(ExportReport(path, other, DelhiReading(), kEnglish));
    ASSERT_FALSE(ExportReport(path, reading::SampleBirth(), DelhiReading(), kEnglish));
    EXPECT_EQ(folder.read(QStringLiteral("asha.txt")), kDelhiReport);
}

}  // namespace
}  // namespace files
