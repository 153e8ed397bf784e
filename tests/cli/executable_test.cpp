#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

namespace {

struct ProgramRun {
    int status = -1;
    QString out;
    QString err;
};

// Runs the built rashi-report with the given locale and standard input.
ProgramRun RunProgram(const QStringList& arguments, const QByteArray& input = {},
                      const QString& locale = "C") {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", locale);
    process.setProcessEnvironment(environment);
    process.start(RASHI_REPORT_PATH, arguments);
    EXPECT_TRUE(process.waitForStarted());
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

const QStringList kDelhi{"--name", "Asha Rao", "--date",  "1980-06-15", "--time",    "10:30",
                         "--zone", "34",       "--lat",   "28:37N",     "--lon",     "77:13E",
                         "--city", "Delhi",    "--state", "Delhi",      "--country", "India"};

TEST(ExecutableTest, ReportInTheUsersLanguage) {
    const ProgramRun english = RunProgram(kDelhi);
    EXPECT_EQ(english.status, 0) << english.err.toStdString();
    const QStringList lines = english.out.split('\n');
    ASSERT_EQ(lines.size(), 27);  // 26 lines, each ended by LF
    EXPECT_EQ(lines[1], "Date of Birth: June 15, 1980");
    EXPECT_EQ(lines[8], "");
    EXPECT_EQ(lines[20], "Ayanamsa: 23° 34' 54\"");
    EXPECT_FALSE(english.out.contains('\r'));

    const ProgramRun german = RunProgram(kDelhi, {}, "de_DE.UTF-8");
    EXPECT_EQ(german.out.split('\n')[1], "Date of Birth: Juni 15, 1980");
}

TEST(ExecutableTest, ExitStatuses) {
    EXPECT_EQ(RunProgram(kDelhi).status, 0);
    EXPECT_EQ(RunProgram(QStringList(kDelhi) << "--json").status, 0);
    EXPECT_EQ(RunProgram({"--help"}).status, 0);
    EXPECT_EQ(RunProgram({"--version"}).status, 0);

    QStringList noName = kDelhi;
    noName[1] = "";
    const ProgramRun refused = RunProgram(noName);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "rashi-report: Please Enter Your Name\n");
    EXPECT_EQ(refused.out, "");

    QStringList february = kDelhi;
    february[3] = "1901-02-29";
    EXPECT_EQ(RunProgram(february).err, "rashi-report: Please Enter Correct Date Or Month!\n");

    const ProgramRun unknown = RunProgram({"--frobnicate"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.err.startsWith("rashi-report: Unknown option 'frobnicate'."));
    EXPECT_EQ(RunProgram({}).status, 2);
    EXPECT_EQ(RunProgram(QStringList(kDelhi) << "--zone"
                                             << "71")
                  .status,
              2);
    EXPECT_EQ(RunProgram({"--batch", "/nonexistent.csv"}).status, 2);
}

// The system's reason for a failed write, in every mode; a closed output is named as such.
TEST(ExecutableTest, WriteFailuresSayWhy) {
    const auto runShell = [](const QString& redirect, const QStringList& arguments) {
        QProcess process;
        process.start(
            "/bin/sh",
            QStringList{"-c", "exec \"$0\" \"$@\" " + redirect, RASHI_REPORT_PATH} + arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        return ProgramRun{
            process.exitCode(), {}, QString::fromUtf8(process.readAllStandardError())};
    };
    const QStringList modes[] = {
        {"--help"}, {"--version"}, QStringList(kDelhi) << "--json", kDelhi, {"--list-zones"}};
    for (const QStringList& arguments : modes) {
        if (QFile::exists("/dev/full")) {
            const ProgramRun full = runShell(">/dev/full", arguments);
            EXPECT_EQ(full.status, 2) << arguments.join(' ').toStdString();
            EXPECT_EQ(full.err, "rashi-report: cannot write the output: No space left on device\n");
        }
        const ProgramRun closed = runShell(">&-", arguments);
        EXPECT_EQ(closed.status, 2);
        EXPECT_EQ(closed.err, "rashi-report: cannot write the output: it is closed\n");
    }
    const ProgramRun batch = runShell(">&- </dev/null", {"--batch", "-"});
    EXPECT_EQ(batch.err, "rashi-report: cannot write the output: it is closed\n");
}

TEST(ExecutableTest, BatchThroughAPipe) {
    const QByteArray csv =
        "name,day,month,year,hour,minute,zone,latDeg,latMin,south,lonDeg,lonMin,east,dst,city,"
        "state,country\r\n"
        "Asha Rao,15,6,1980,10,30,34,28,37,false,77,13,true,false,Delhi,Delhi,India\r\n"
        "Asha Rao,15,6,1980,10,30,34,28,37,false,77,13,true,false,Delhi,Delhi,India\r\n";
    const ProgramRun good = RunProgram({"--batch", "-"}, csv);
    EXPECT_EQ(good.status, 0) << good.err.toStdString();
    EXPECT_EQ(good.out.count('\n'), 2);
    EXPECT_TRUE(good.out.contains("\"universalTime\":\"1980-06-15T05:00:00Z\""));

    const ProgramRun bad = RunProgram({"--batch", "-"}, csv + "x\r\n");
    EXPECT_EQ(bad.status, 1);
    EXPECT_TRUE(
        bad.out.endsWith("{\"line\": 4, \"error\": \"the row has 1 field; the header has 17\"}\n"));
}

}  // namespace
