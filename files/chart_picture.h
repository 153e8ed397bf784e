#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

#include "files/file_problem.h"

namespace files {

// Pictures never replace a file: a taken name gets a number instead, up to this many copies.
inline constexpr int kMaxPictureCopies = 999;

using PathTest = std::function<bool(const QString& path)>;

// True when anything is at path: a file, a folder, or a link, even a broken one.
bool PathTaken(const QString& path);

// The extensions of the chart's pictures and documents.
inline constexpr char kJpegExtension[] = ".jpg";
inline constexpr char kPdfExtension[] = ".pdf";
inline constexpr char kSvgExtension[] = ".svg";

// The folder and picture file name a name chosen in the dialog stands for: the file name is cut
// at its first "." and given the extension ("chart.bmp" and "chart" both give "chart.jpg"); the
// folder is kept whole, dots included.
struct PictureName {
    QString folder;
    QString fileName;
};
PictureName PictureNameFor(const QString& chosenPath, const char* extension = kJpegExtension);

// The free path for a picture named fileName in folder: the name itself, or else the first of
// its numbered copies ("chart_001.jpg" … "chart_999.jpg") that is not taken. With all taken,
// there is no path and the problem says so.
struct PictureTarget {
    std::optional<QString> path;
    std::optional<FileProblem> problem;
};
PictureTarget ChoosePictureTarget(const QString& folder, const QString& fileName,
                                  const PathTest& taken);

// A picture of the given size in pixels, white, with paint's drawing on it.
QImage RenderPicture(QSize size, const std::function<void(QPainter&)>& paint);

// The image as a JPEG of the highest quality, or nothing with the encoder's reason in error.
std::optional<QByteArray> EncodeJpeg(const QImage& image, QString* error);

// Writes image to path as a JPEG of the highest quality.
std::optional<FileProblem> SaveJpeg(const QImage& image, const QString& path);

// The picture command after its dialog: picks the free name for the chosen one and writes the
// JPEG there. Gives the path written, or the problem to show.
struct SavedPicture {
    std::optional<QString> path;
    std::optional<FileProblem> problem;
};
SavedPicture SaveChartPicture(const QString& chosenPath, const QImage& image,
                              const PathTest& taken = PathTaken);

// The same for a picture or document already encoded: the chosen name with the extension, or
// its first free numbered copy.
SavedPicture SaveUnderFreeName(const QString& chosenPath, const char* extension,
                               const QByteArray& bytes, const PathTest& taken = PathTaken);

}  // namespace files
