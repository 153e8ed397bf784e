#include "files/chart_picture.h"

#include <QDir>
#include <QFileInfo>

#include "files/jpeg_writer.h"
#include "files/safe_file.h"

namespace files {

namespace {

constexpr int kBestJpegQuality = 100;

QString Join(const QString& folder, const QString& fileName) {
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/'))) {
        return folder + fileName;
    }
    return folder + QLatin1Char('/') + fileName;
}

// "chart.jpg" → "chart_007.jpg": the copy's number goes before every dot of the name.
QString NumberedCopy(const QString& fileName, int copy) {
    const QString number = QStringLiteral("_%1.").arg(copy, 3, 10, QLatin1Char('0'));
    QString numbered = fileName;
    return numbered.replace(QLatin1Char('.'), number);
}

}  // namespace

bool PathTaken(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

PictureName PictureNameFor(const QString& chosenPath, const char* extension) {
    const QString path = QDir::fromNativeSeparators(chosenPath);
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString folder = path.left(slash + 1);
    const QString chosenName = path.mid(slash + 1);
    return {folder, chosenName.section(QLatin1Char('.'), 0, 0) + QString::fromLatin1(extension)};
}

PictureTarget ChoosePictureTarget(const QString& folder, const QString& fileName,
                                  const PathTest& taken) {
    const QString first = Join(folder, fileName);
    if (!taken(first)) {
        return {first, std::nullopt};
    }
    for (int copy = 1; copy <= kMaxPictureCopies; ++copy) {
        const QString candidate = Join(folder, NumberedCopy(fileName, copy));
        if (!taken(candidate)) {
            return {candidate, std::nullopt};
        }
    }
    return {std::nullopt,
            FileProblem{QStringLiteral("There are too many Copies of this file  ") + fileName,
                        QStringLiteral(" UNABLE  TO  CREATE  NEW  FILE") + fileName}};
}

QImage RenderPicture(QSize size, const std::function<void(QPainter&)>& paint) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter);
    return image;
}

std::optional<QByteArray> EncodeJpeg(const QImage& image, QString* error) {
    return WriteJpeg(image, kBestJpegQuality, error);
}

std::optional<FileProblem> SaveJpeg(const QImage& image, const QString& path) {
    // Encode in memory first, so the file itself is written by the one safe writer.
    QString error;
    const std::optional<QByteArray> jpeg = EncodeJpeg(image, &error);
    if (!jpeg) {
        return FileProblem{SaveFailureText(path, error), {}};
    }
    return WriteFileSafely(path, *jpeg);
}

SavedPicture SaveChartPicture(const QString& chosenPath, const QImage& image,
                              const PathTest& taken) {
    QString error;
    const std::optional<QByteArray> jpeg = EncodeJpeg(image, &error);
    if (!jpeg) {
        const PictureName name = PictureNameFor(chosenPath, kJpegExtension);
        return {std::nullopt,
                FileProblem{SaveFailureText(Join(name.folder, name.fileName), error), {}}};
    }
    return SaveUnderFreeName(chosenPath, kJpegExtension, *jpeg, taken);
}

SavedPicture SaveUnderFreeName(const QString& chosenPath, const char* extension,
                               const QByteArray& bytes, const PathTest& taken) {
    const PictureName name = PictureNameFor(chosenPath, extension);
    const PictureTarget target = ChoosePictureTarget(name.folder, name.fileName, taken);
    if (!target.path) {
        return {std::nullopt, target.problem};
    }
    if (auto problem = WriteFileSafely(*target.path, bytes)) {
        return {std::nullopt, std::move(problem)};
    }
    return {target.path, std::nullopt};
}

}  // namespace files
