#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

namespace files {

// A baseline JPEG of image at quality (0 to 100), or nothing with libjpeg's reason in error.
// Pictures in Format_RGB32 go to libjpeg as they lie in memory; the bytes are those Qt's JPEG
// writer gives for the same picture, which first copies every row into RGB triples. Other
// pictures, and those carrying a colour profile or texts, are left to Qt's writer.
std::optional<QByteArray> WriteJpeg(const QImage& image, int quality, QString* error);

}  // namespace files
