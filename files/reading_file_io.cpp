#include "files/reading_file_io.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "files/file_dialog_texts.h"
#include "files/safe_file.h"

namespace files {

namespace {

// Shown in the window program's language, as the other problems of this folder.
constexpr char kCheckTheFile[] = QT_TRANSLATE_NOOP("FileProblems", "Please Check The File.");

LoadedReadingFile Refusal(const QString& path, const QString& reason) {
    QString text = QCoreApplication::translate("FileProblems", kCheckTheFile);
    if (!reason.isEmpty()) {
        text += QStringLiteral("\n\n%1\n%2").arg(QDir::toNativeSeparators(path), reason);
    }
    return {std::nullopt, FileProblem{text, {}}, {}};
}

}  // namespace

std::optional<FileProblem> SaveReadingFile(const QString& path, const reading::BirthData& birth,
                                           int zoneIndex) {
    const std::string bytes = EncodeReadingFile(FieldsForSave(birth, zoneIndex));
    return WriteFileSafely(path, QByteArray::fromStdString(bytes));
}

LoadedReadingFile LoadReadingFile(const QString& path) {
    // Only the exact lower-case extension is a reading file; "chart.VLJ" is refused.
    const QString suffix = QString::fromUtf8(kReadingFileSuffix.data(), kReadingFileSuffix.size());
    if (!path.endsWith(suffix, Qt::CaseSensitive)) {
        return Refusal(path, {});
    }
    ReadingFileRead read = ReadReadingFile(QFile::encodeName(path).toStdString());
    if (!read.fields) {
        return Refusal(path, QString::fromStdString(read.problem));
    }
    QString endedEarly;
    if (read.linesHeld < kReadingFileLineCount) {
        endedEarly = QString::fromStdString(EndedEarlyText(read.linesHeld));
    }
    return {std::move(read.fields), std::nullopt, endedEarly};
}

}  // namespace files
