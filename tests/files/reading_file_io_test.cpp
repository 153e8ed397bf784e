#include "files/reading_file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "reading/sample_birth.h"
#include "test_folder.h"

namespace files {
namespace {

const QString kCheckTheFile = QStringLiteral("Please Check The File.");

TEST(ReadingFileOnDisk, SaveThenLoadGivesTheSavedFields) {
    TestFolder folder;
    const QString path = folder.path(QStringLiteral("asha.vlj"));
    ASSERT_FALSE(SaveReadingFile(path, reading::SampleBirth(), 34));
    const std::string expected = EncodeReadingFile(FieldsForSave(reading::SampleBirth(), 34));
    EXPECT_EQ(folder.read(QStringLiteral("asha.vlj")).toStdString(), expected);
    const LoadedReadingFile loaded = LoadReadingFile(path);
    ASSERT_TRUE(loaded.fields);
    EXPECT_FALSE(loaded.problem);
    EXPECT_EQ(*loaded.fields, FieldsForSave(reading::SampleBirth(), 34));
}

TEST(ReadingFileOnDisk, OnlyTheLowerCaseExtensionIsOpened) {
    TestFolder folder;
    const QByteArray bytes =
        QByteArray::fromStdString(EncodeReadingFile(FieldsForSave(reading::SampleBirth(), 34)));
    for (const QString& name :
         {QStringLiteral("asha.VLJ"), QStringLiteral("asha.Vlj"), QStringLiteral("asha.txt")}) {
        folder.write(name, bytes);
        const LoadedReadingFile loaded = LoadReadingFile(folder.path(name));
        EXPECT_FALSE(loaded.fields) << name.toStdString();
        ASSERT_TRUE(loaded.problem);
        EXPECT_EQ(loaded.problem->text, kCheckTheFile);
    }
}

// A refusal must say "Please Check The File.", name the file and give a reason.
void ExpectRefused(const QString& path, const char* what) {
    const LoadedReadingFile loaded = LoadReadingFile(path);
    EXPECT_FALSE(loaded.fields) << what;
    ASSERT_TRUE(loaded.problem) << what;
    const QStringList lines = loaded.problem->text.split('\n');
    ASSERT_EQ(lines.size(), 4) << loaded.problem->text.toStdString();
    EXPECT_EQ(lines[0], kCheckTheFile);
    EXPECT_EQ(lines[2], path);
    EXPECT_FALSE(lines[3].isEmpty()) << what;
}

TEST(ReadingFileOnDisk, FilesThatCannotBeReadOrAreNoReadingsAreRefused) {
    TestFolder folder;
    ExpectRefused(folder.path(QStringLiteral("nowhere.vlj")), "missing file");

    ASSERT_TRUE(QDir(folder.path({})).mkdir(QStringLiteral("folder.vlj")));
    ExpectRefused(folder.path(QStringLiteral("folder.vlj")), "a folder");

    const QString pipe = folder.path(QStringLiteral("pipe.vlj"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ExpectRefused(pipe, "a pipe, which would block");

    folder.write(QStringLiteral("big.vlj"), QByteArray(int(kReadingFileMaxBytes) + 1, 'a'));
    ExpectRefused(folder.path(QStringLiteral("big.vlj")), "too large");

    folder.write(QStringLiteral("binary.vlj"), QByteArray("R\x84y\0\r\n", 6));
    ExpectRefused(folder.path(QStringLiteral("binary.vlj")), "binary");
}

TEST(ReadingFileOnDisk, AFileAtTheSizeLimitStillOpens) {
    TestFolder folder;
    QByteArray bytes =
        QByteArray::fromStdString(EncodeReadingFile(FieldsForSave(reading::SampleBirth(), 34)));
    bytes += QByteArray(int(kReadingFileMaxBytes) - bytes.size(), 'x');  // past the 17th line
    folder.write(QStringLiteral("full.vlj"), bytes);
    const LoadedReadingFile loaded = LoadReadingFile(folder.path(QStringLiteral("full.vlj")));
    ASSERT_TRUE(loaded.fields);
    EXPECT_EQ((*loaded.fields)[16], "India");
}

}  // namespace
}  // namespace files
