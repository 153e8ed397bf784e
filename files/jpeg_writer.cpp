#include "files/jpeg_writer.h"

#include <jpeglib.h>
#include <QBuffer>
#include <QColorSpace>
#include <QImageWriter>
#include <cmath>
#include <csetjmp>
#include <cstdlib>
#include <vector>

#ifndef JCS_EXTENSIONS
#error "libjpeg-turbo is needed: it reads 32-bit pixels without a copy"
#endif

namespace files {

namespace {

// Room for the markers and tables before the first pixel, for pictures of a few pixels.
constexpr qsizetype kHeaderRoom = 4096;

// Where Qt keeps a 32-bit pixel's padding byte decides libjpeg's name for its layout.
constexpr J_COLOR_SPACE kRgb32Layout =
    Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;

// libjpeg reports a failure by calling error_exit, which must not return.
struct JumpOnError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JumpBack(j_common_ptr info) {
    auto* errors = reinterpret_cast<JumpOnError*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// The picture's resolution in the unit, inch or centimetre, whose whole numbers come nearer to
// it, as Qt's writer records it.
void SetResolution(const QImage& image, jpeg_compress_struct* info) {
    const double perMetre[2] = {double(image.dotsPerMeterX()), double(image.dotsPerMeterY())};
    double inchError = 0;
    double centimetreError = 0;
    for (const double dots : perMetre) {
        inchError += std::abs(dots * 0.0254 - qRound(dots * 0.0254));
        centimetreError += std::abs(dots / 100 - qRound(dots / 100)) * 2.54;
    }
    if (inchError < centimetreError) {
        info->density_unit = 1;
        info->X_density = static_cast<UINT16>(qRound(perMetre[0] * 0.0254));
        info->Y_density = static_cast<UINT16>(qRound(perMetre[1] * 0.0254));
    } else {
        info->density_unit = 2;
        info->X_density = static_cast<UINT16>((image.dotsPerMeterX() + 50) / 100);
        info->Y_density = static_cast<UINT16>((image.dotsPerMeterY() + 50) / 100);
    }
}

// Where libjpeg writes: first the caller's buffer, and only when that is full one of its own
// (malloc), which the caller frees.
struct Destination {
    unsigned char* bytes;
    unsigned long size;
};

// The settings are those of Qt's writer: libjpeg's defaults (4:2:0, Huffman tables of the
// standard), the quality kept to baseline tables, the picture's resolution. The jump back
// from libjpeg passes no C++ object, so only plain data lives here.
bool Compress(const QImage& image, int quality, JSAMPROW* rows, Destination* out,
              JumpOnError* errors) {
    jpeg_compress_struct info;
    info.err = jpeg_std_error(&errors->manager);
    errors->manager.error_exit = JumpBack;
    if (setjmp(errors->jump) != 0) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &out->bytes, &out->size);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = 4;
    info.in_color_space = kRgb32Layout;
    jpeg_set_defaults(&info);
    SetResolution(image, &info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        jpeg_write_scanlines(&info, rows + info.next_scanline,
                             info.image_height - info.next_scanline);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

bool IsPlainRgb32(const QImage& image) {
    return image.format() == QImage::Format_RGB32 && !image.isNull() &&
           !image.colorSpace().isValid() && image.textKeys().isEmpty();
}

std::optional<QByteArray> WriteWithQt(const QImage& image, int quality, QString* error) {
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    if (!writer.write(image)) {
        *error = writer.errorString();
        return std::nullopt;
    }
    return jpeg;
}

}  // namespace

std::optional<QByteArray> WriteJpeg(const QImage& image, int quality, QString* error) {
    if (!IsPlainRgb32(image)) {
        return WriteWithQt(image, quality, error);
    }
    // libjpeg only reads the rows, though its type says otherwise.
    std::vector<JSAMPROW> rows(static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        rows[static_cast<std::size_t>(y)] = const_cast<JSAMPLE*>(image.constScanLine(y));
    }
    // A byte a pixel holds the chart's picture several times over, so the JPEG is written in
    // place; a picture that needs more continues in libjpeg's own buffer.
    QByteArray jpeg(qsizetype(image.width()) * image.height() + kHeaderRoom, Qt::Uninitialized);
    unsigned char* const own = reinterpret_cast<unsigned char*>(jpeg.data());
    Destination out{own, static_cast<unsigned long>(jpeg.size())};
    JumpOnError errors;
    const bool written = Compress(image, quality, rows.data(), &out, &errors);
    std::optional<QByteArray> result;
    if (!written) {
        *error = QString::fromLocal8Bit(errors.message);
    } else if (out.bytes == own) {
        jpeg.truncate(static_cast<qsizetype>(out.size));
        result = std::move(jpeg);
    } else {
        result =
            QByteArray(reinterpret_cast<const char*>(out.bytes), static_cast<qsizetype>(out.size));
    }
    if (out.bytes != own) {
        std::free(out.bytes);
    }
    return result;
}

}  // namespace files
