// What every save has in common: the bytes written, the message of a failure, and the old file
// kept when the new one cannot be written.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QFileInfo>
#include <QImage>
#include <functional>

#include "files/chart_picture.h"
#include "files/reading_file_io.h"
#include "files/report_export.h"
#include "files/safe_file.h"
#include "test_folder.h"

namespace files {
namespace {

struct Save {
    const char* what;
    QString fileName;
    std::function<std::optional<FileProblem>(const QString& path)> run;
};

std::vector<Save> EverySave() {
    reading::BirthData birth;
    birth.name = "Asha Rao";
    birth.month = 6;
    reading::ChartReading chart;
    QImage picture(120, 80, QImage::Format_RGB32);
    picture.fill(Qt::darkYellow);
    return {
        {"reading file", "asha.vlj",
         [birth](const QString& path) { return SaveReadingFile(path, birth, 34); }},
        {"text report", "asha.txt",
         [birth, chart](const QString& path) { return ExportReport(path, birth, chart); }},
        {"picture", "asha.jpg", [picture](const QString& path) { return SaveJpeg(picture, path); }},
        {"plain bytes", "asha.bin",
         [](const QString& path) { return WriteFileSafely(path, QByteArray(100, 'x')); }},
    };
}

TEST(Saving, IntoAFolderThatDoesNotExistSaysSoAndLeavesNoFile) {
    for (const Save& save : EverySave()) {
        TestFolder folder;
        const QString path = folder.path(QStringLiteral("missing/") + save.fileName);
        const auto problem = save.run(path);
        ASSERT_TRUE(problem) << save.what;
        EXPECT_TRUE(problem->text.contains(path)) << problem->text.toStdString();
        EXPECT_TRUE(problem->text.contains(QStringLiteral("could not be saved")));
        EXPECT_TRUE(folder.entries().isEmpty()) << save.what;
    }
}

TEST(Saving, AFailedWriteKeepsTheOldFileAndGivesTheReason) {
    for (const Save& save : EverySave()) {
        TestFolder folder;
        const QByteArray old = "old contents";
        folder.write(save.fileName, old);
        std::optional<FileProblem> problem;
        {
            const TinyFileSizeLimit limit;
            problem = save.run(folder.path(save.fileName));
        }
        ASSERT_TRUE(problem) << save.what;
        EXPECT_TRUE(problem->text.contains(folder.path(save.fileName)));
        const QString reason = problem->text.split('\n').last();
        EXPECT_FALSE(reason.isEmpty() || reason == QStringLiteral("Unknown error")) << save.what;
        EXPECT_EQ(folder.read(save.fileName), old) << save.what;
        EXPECT_EQ(folder.entries(), QStringList{save.fileName}) << "temporary file left behind";
    }
}

TEST(Saving, APipeADeviceOrAFolderIsRefusedAndLeftAsItWas) {
    for (const Save& save : EverySave()) {
        TestFolder folder;
        const QString pipe = folder.path(QStringLiteral("pipe"));
        ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const QString device = folder.path(QStringLiteral("device"));
        ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), device));
        const QString subfolder = folder.path(QStringLiteral("folder"));
        ASSERT_TRUE(QDir().mkdir(subfolder));
        const std::pair<QString, const char*> targets[] = {
            {pipe, "Is a named pipe"}, {device, "Is a device"}, {subfolder, "Is a directory"}};
        for (const auto& [target, reason] : targets) {
            const auto problem = save.run(target);
            ASSERT_TRUE(problem) << save.what << " over " << reason;
            EXPECT_EQ(problem->text, SaveFailureText(target, problem->text.section('\n', 1)));
            EXPECT_TRUE(problem->text.contains(QString::fromLatin1(reason)))
                << problem->text.toStdString();
        }
        // Nothing replaced, and no temporary file left behind.
        EXPECT_FALSE(QFileInfo(pipe).isFile()) << save.what;
        EXPECT_TRUE(QFileInfo(device).isSymLink()) << save.what;
        const QStringList entries =
            QDir(folder.path({}))
                .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                           QDir::Name);
        EXPECT_EQ(entries.join(' ').toStdString(), "device folder pipe") << save.what;
    }
}

TEST(Saving, ReplacesAnExistingFileWhole) {
    for (const Save& save : EverySave()) {
        TestFolder folder;
        folder.write(save.fileName, QByteArray(100000, 'o'));
        ASSERT_FALSE(save.run(folder.path(save.fileName))) << save.what;
        EXPECT_LT(folder.read(save.fileName).size(), 100000) << save.what;
        EXPECT_EQ(folder.entries(), QStringList{save.fileName});
    }
}

}  // namespace
}  // namespace files
