#include "files/safe_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <cerrno>

#include "files/regular_file.h"

namespace files {

namespace {

std::optional<FileProblem> Failure(const QString& path, const QString& reason) {
    return FileProblem{SaveFailureText(path, reason), {}};
}

}  // namespace

QString SaveFailureText(const QString& path, const QString& reason) {
    return QCoreApplication::translate("FileProblems", "The file \"%1\" could not be saved.\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

std::optional<FileProblem> WriteFileSafely(const QString& path, const QByteArray& bytes) {
    // A save puts a new file in the target's place: a pipe or a device would be replaced by an
    // ordinary file instead of being written to, so only ordinary files and new names are taken.
    if (const auto reason = NotRegularFileReason(QFile::encodeName(path).toStdString())) {
        return Failure(path, QString::fromStdString(*reason));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return Failure(path, file.errorString());
    }
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Failure(path, reason);
    }
    // Flush before committing: commit() alone would put a file whose last writes failed (a full
    // disk) in place of the old one. The system's reason is in errno, which Qt does not keep.
    errno = 0;
    if (!file.flush()) {
        const int systemError = errno;
        const QString reason = systemError != 0 ? qt_error_string(systemError) : file.errorString();
        file.cancelWriting();
        return Failure(path, reason);
    }
    if (!file.commit()) {
        return Failure(path, file.errorString());
    }
    return std::nullopt;
}

}  // namespace files
