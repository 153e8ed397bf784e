#include "ui/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

#include "ui/chart/chart_painter.h"
#include "ui/program_fonts.h"

namespace ui {

namespace {

constexpr QSize kPictureSize{16, 15};

// Draws in the 16 × 15 grid at each scale.
QIcon DrawnIcon(const std::function<void(QPainter&)>& draw) {
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap pixmap(kPictureSize * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

const QColor kInk(0x30, 0x30, 0x30);

}  // namespace

QIcon NewPicture() {
    return DrawnIcon([](QPainter& p) {
        // A blank sheet with a folded corner.
        QPainterPath sheet;
        sheet.moveTo(3.5, 1.5);
        sheet.lineTo(10.5, 1.5);
        sheet.lineTo(13.5, 4.5);
        sheet.lineTo(13.5, 13.5);
        sheet.lineTo(3.5, 13.5);
        sheet.closeSubpath();
        p.fillPath(sheet, Qt::white);
        p.setPen(QPen(kInk, 1));
        p.drawPath(sheet);
        p.drawPolyline(QPolygonF{{10.5, 1.5}, {10.5, 4.5}, {13.5, 4.5}});
    });
}

QIcon SavePicture() {
    return DrawnIcon([](QPainter& p) {
        // A diskette: body, label and shutter.
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(0x2a, 0x4f, 0x9a));
        p.drawRoundedRect(QRectF(1.5, 1.5, 13, 12), 1, 1);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(0xc8, 0xc8, 0xc8));
        p.drawRect(QRectF(4.5, 9.5, 7, 4));
    });
}

QIcon PrintPicture() {
    return DrawnIcon([](QPainter& p) {
        // A printer with a sheet coming out.
        p.setPen(QPen(kInk, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(0xa0, 0xa0, 0xa0));
        p.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1, 1);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 9.5, 7, 4));
        p.setPen(QPen(QColor(0x20, 0xa0, 0x20), 1));
        p.drawPoint(QPointF(12.5, 7.5));
    });
}

QIcon NavamsaPicture() {
    return DrawnIcon([](QPainter& p) {
        // The chart figure with a 9 for the ninths of the signs.
        PaintChartEmblem(p, QRectF(0, 0, 16, 15));
        QImage probe(1, 1, QImage::Format_RGB32);
        p.setFont(PaintFont(6.75, true, &probe));
        p.setPen(QColor(0x80, 0x20, 0x10));
        p.drawText(QRectF(0, 0, 16, 15), Qt::AlignCenter, QStringLiteral("9"));
    });
}

QIcon HelpPicture() {
    return DrawnIcon([](QPainter& p) {
        // A question mark in a blue disc.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1f, 0x5f, 0xbf));
        p.drawEllipse(QRectF(1, 0.5, 14, 14));
        QImage probe(1, 1, QImage::Format_RGB32);
        QFont font = PaintFont(8.25, true, &probe);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(1, 0.5, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
    });
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        PaintChartEmblem(painter, QRectF(0, 0, side, side));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace ui
