#include "files/chart_documents.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "files/printing.h"

namespace files {

namespace {

constexpr int kPdfResolution = 1200;  // dots per inch: fine enough for any printer
constexpr double kPageMargin = 10;    // millimetres
constexpr int kSvgResolution = 96;    // the drawing's own logical pixels

}  // namespace

QByteArray ChartPdf(QSize logicalSize, const std::function<void(QPainter&)>& paint,
                    const QString& title) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(title);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                        QMarginsF(kPageMargin, kPageMargin, kPageMargin, kPageMargin),
                        QPageLayout::Millimeter));
        DrawOnPage(writer, QSizeF(logicalSize), paint);
    }
    return pdf;
}

QByteArray ChartSvg(QSize logicalSize, const std::function<void(QPainter&)>& paint,
                    const QString& title) {
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setTitle(title);
    generator.setResolution(kSvgResolution);
    generator.setSize(logicalSize);
    generator.setViewBox(QRect(QPoint(0, 0), logicalSize));
    {
        QPainter painter(&generator);
        paint(painter);
    }
    return svg;
}

}  // namespace files
