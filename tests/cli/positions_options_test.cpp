// --positions, --ayanamsa and --node: which combinations are taken, what the JSON says of them,
// and that output without them stays as it was.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <fstream>

#include "cli/batch.h"
#include "cli/options.h"
#include "command_run.h"
#include "files/reading_file.h"
#include "reading/sample_birth.h"

namespace cli {
namespace {

using engine::AyanamsaMode;
using engine::NodeKind;
using reading::PositionsKind;

const QStringList kDelhi{"--name", "Asha Rao", "--date",  "1980-06-15", "--time",    "10:30",
                         "--zone", "34",       "--lat",   "28:37N",     "--lon",     "77:13E",
                         "--city", "Delhi",    "--state", "Delhi",      "--country", "India"};

QJsonObject JsonOf(const std::string& text) {
    QJsonParseError error;
    const QJsonObject object =
        QJsonDocument::fromJson(QByteArray::fromStdString(text), &error).object();
    EXPECT_EQ(error.error, QJsonParseError::NoError) << text;
    return object;
}

TEST(PositionsOptionsTest, AcceptedCombinations) {
    const struct {
        QStringList arguments;
        reading::ChartSettings settings;
    } cases[] = {
        {{"--positions", "mean"}, {}},
        {{"--positions", "precise"}, {PositionsKind::kPreciseEphemeris}},
        {{"--positions=precise", "--ayanamsa=true-chitra", "--node=true"},
         {PositionsKind::kPreciseEphemeris, AyanamsaMode::kTrueChitrapaksha, NodeKind::kTrue}},
        {{"--node", "mean", "--ayanamsa", "krishnamurti", "--positions", "precise"},
         {PositionsKind::kPreciseEphemeris, AyanamsaMode::kKrishnamurti, NodeKind::kMean}},
        {{"--positions", "precise", "--ayanamsa", "raman"},
         {PositionsKind::kPreciseEphemeris, AyanamsaMode::kRaman, NodeKind::kMean}},
    };
    for (const auto& c : cases) {
        for (const QStringList& where :
             {QStringList(kDelhi), QStringList{"--batch", "-"}, QStringList{"asha.vlj"}}) {
            const QStringList arguments = QStringList{"rashi-report"} + where + c.arguments;
            const ParsedOptions parsed = ParseOptions(arguments);
            ASSERT_TRUE(parsed.options)
                << arguments.join(' ').toStdString() << ": " << parsed.usageProblem;
            EXPECT_EQ(parsed.options->chart, c.settings) << arguments.join(' ').toStdString();
            EXPECT_TRUE(parsed.options->chartGiven);
        }
    }
    const ParsedOptions plain = ParseOptions(QStringList{"rashi-report"} + kDelhi);
    EXPECT_EQ(plain.options->chart, reading::ChartSettings{});
    EXPECT_FALSE(plain.options->chartGiven);
}

TEST(PositionsOptionsTest, RefusedCombinationsExitWithStatusTwo) {
    const std::string precisePlease =
        "--ayanamsa and --node choose how the precise ephemeris is read; give them with "
        "--positions precise (the mean elements have their own ayanamsa and the mean node)";
    const struct {
        QStringList arguments;
        std::string problem;
    } cases[] = {
        {QStringList(kDelhi) << "--ayanamsa"
                             << "lahiri",
         precisePlease},
        {QStringList(kDelhi) << "--node"
                             << "true",
         precisePlease},
        {{"--batch", "-", "--positions", "mean", "--node", "mean"}, precisePlease},
        {{"asha.vlj", "--ayanamsa", "raman"}, precisePlease},
        {QStringList(kDelhi) << "--positions"
                             << "swiss",
         "--positions must be mean or precise"},
        {QStringList(kDelhi) << "--positions"
                             << "Precise",
         "--positions must be mean or precise"},
        {QStringList(kDelhi) << "--positions"
                             << "precise"
                             << "--ayanamsa"
                             << "fagan",
         "--ayanamsa must be lahiri, raman, krishnamurti or true-chitra"},
        {QStringList(kDelhi) << "--positions"
                             << "precise"
                             << "--node"
                             << "osculating",
         "--node must be mean or true"},
        {{"--positions"}, "Missing value after '--positions'."},
        {{"--find", "Delhi", "--positions", "precise"}, "--find lists places; give it alone"},
    };
    for (const auto& c : cases) {
        const CommandRun run = RunCommand(c.arguments);
        EXPECT_EQ(run.status, kExitUsage) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "rashi-report: " + c.problem +
                               "\nTry 'rashi-report --help' for more information.\n")
            << c.arguments.join(' ').toStdString();
    }
}

// Output without the options is the old output; with --positions mean it gains the settings
// and nothing else.
TEST(PositionsOptionsTest, MeanPositionsOnlyAddTheSettings) {
    const CommandRun plain = RunCommand(QStringList(kDelhi) << "--json"
                                                            << "--dasha");
    ASSERT_EQ(plain.status, kExitSuccess) << plain.err;
    EXPECT_EQ(plain.out.find("\"settings\""), std::string::npos);
    EXPECT_EQ(plain.out.find("\"speeds\""), std::string::npos);

    const CommandRun mean = RunCommand(QStringList(kDelhi) << "--json"
                                                           << "--dasha"
                                                           << "--positions"
                                                           << "mean");
    ASSERT_EQ(mean.status, kExitSuccess) << mean.err;
    QJsonObject json = JsonOf(mean.out);
    EXPECT_EQ(json["settings"].toObject(),
              QJsonObject({{"positions", "mean"}, {"ayanamsa", "lahiri"}, {"node", "mean"}}));
    json.remove("settings");
    EXPECT_EQ(json, JsonOf(plain.out));
    EXPECT_EQ(RunCommand(QStringList(kDelhi) << "--positions"
                                             << "mean")
                  .out,
              RunCommand(kDelhi).out);
}

TEST(PositionsOptionsTest, PreciseJsonNamesTheSettingsAndHoldsTheSpeeds) {
    const CommandRun run = RunCommand(QStringList(kDelhi) << "--json"
                                                          << "--positions"
                                                          << "precise"
                                                          << "--ayanamsa"
                                                          << "raman"
                                                          << "--node"
                                                          << "true");
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    const QJsonObject json = JsonOf(run.out);
    EXPECT_EQ(json.keys(), QStringList({"birth", "reading", "settings", "universalTime"}));
    EXPECT_EQ(json["settings"].toObject(),
              QJsonObject({{"positions", "precise"}, {"ayanamsa", "raman"}, {"node", "true"}}));
    const QJsonObject chart = json["reading"].toObject();
    const QJsonArray speeds = chart["speeds"].toArray();
    ASSERT_EQ(speeds.size(), 9);
    const QJsonArray longitudes = chart["longitudes"].toArray();
    ASSERT_EQ(longitudes.size(), 11);
    // Ketu opposite Rahu, moving with it; the marks from the planets' speeds.
    EXPECT_NEAR(std::fmod(longitudes[7].toDouble() + 180, 360), longitudes[8].toDouble(), 1e-9);
    EXPECT_EQ(speeds[7], speeds[8]);
    EXPECT_GT(speeds[1].toDouble(), 10) << "the Moon moves about 13° a day";
    for (int planet = 0; planet < 5; ++planet) {
        EXPECT_EQ(chart["retrograde"].toArray()[planet].toBool(),
                  speeds[2 + planet].toDouble() < 0);
    }

    // The same chart in a batch line and from a reading file; the report keeps its 26 lines.
    const CommandRun batch = RunCommand(
        {"--batch", "-", "--positions", "precise", "--ayanamsa", "raman", "--node", "true"},
        std::string(kBatchHeader) +
            "\nAsha Rao,15,6,1980,10,30,34,28,37,false,77,13,true,false,Delhi,Delhi,India\n");
    ASSERT_EQ(batch.status, kExitSuccess) << batch.err;
    QJsonObject line = JsonOf(batch.out);
    EXPECT_EQ(line["settings"], json["settings"]);
    EXPECT_EQ(line["reading"], json["reading"]);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("asha.vlj");
    std::ofstream(path.toStdString(), std::ios::binary)
        << files::EncodeReadingFile(files::FieldsForSave(reading::SampleBirth(), 34));
    const CommandRun fromFile = RunCommand(
        {"--json", path, "--positions", "precise", "--ayanamsa", "raman", "--node", "true"});
    EXPECT_EQ(fromFile.out, run.out);

    const CommandRun report = RunCommand(QStringList(kDelhi) << "--positions"
                                                             << "precise");
    ASSERT_EQ(report.status, kExitSuccess) << report.err;
    EXPECT_EQ(std::count(report.out.begin(), report.out.end(), '\n'), 26);
}

}  // namespace
}  // namespace cli
