#include "files/safe_file.h"

#include <QDir>
#include <QSaveFile>

namespace files {

QString SaveFailureText(const QString& path, const QString& reason) {
    return QStringLiteral("The file \"%1\" could not be saved.\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

std::optional<FileProblem> WriteFileSafely(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return FileProblem{SaveFailureText(path, file.errorString()), {}};
    }
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return FileProblem{SaveFailureText(path, reason), {}};
    }
    if (!file.commit()) {
        return FileProblem{SaveFailureText(path, file.errorString()), {}};
    }
    return std::nullopt;
}

}  // namespace files
