#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "files/file_problem.h"

namespace files {

// Writes bytes to path through a temporary file that replaces the target only when everything
// was written, so a failed or interrupted save leaves an existing file as it was. A target that
// is not an ordinary file (a folder, a pipe, a device) is refused, not replaced. On failure the
// problem names the file and gives the system's reason.
std::optional<FileProblem> WriteFileSafely(const QString& path, const QByteArray& bytes);

// The text of a failed save: the file's name and the system's reason.
QString SaveFailureText(const QString& path, const QString& reason);

}  // namespace files
