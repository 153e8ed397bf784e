#include "files/reading_file_io.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "files/file_dialog_texts.h"
#include "files/safe_file.h"

namespace files {

namespace {

const QString kCheckTheFile = QStringLiteral("Please Check The File.");

LoadedReadingFile Refusal(const QString& path, const QString& reason) {
    QString text = kCheckTheFile;
    if (!reason.isEmpty()) {
        text += QStringLiteral("\n\n%1\n%2").arg(QDir::toNativeSeparators(path), reason);
    }
    return {std::nullopt, FileProblem{text, {}}};
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
    // A pipe or a device would block the program or never end; only ordinary files are read.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        return Refusal(path, QStringLiteral("This is not an ordinary file."));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Refusal(path, file.errorString());
    }
    // Read at most one byte past the limit, which is enough to tell a file that is too large;
    // the size a special file reports cannot be trusted.
    const QByteArray bytes = file.read(static_cast<qint64>(kReadingFileMaxBytes) + 1);
    if (file.error() != QFileDevice::NoError) {
        return Refusal(path, file.errorString());
    }
    const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (const auto problem = ReadingFileProblem(view)) {
        return Refusal(path, QString::fromStdString(*problem));
    }
    return {DecodeReadingFile(view), std::nullopt};
}

}  // namespace files
