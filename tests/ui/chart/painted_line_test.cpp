// A line laid out once must measure as the fitting measures and draw as QPainter::drawText draws.
#include "ui/chart/painted_line.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "ui/program_fonts.h"

namespace {

QImage Blank() {
    QImage image(460, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

TEST(PaintedLine, MeasuresAndDrawsAsTheFittingAndDrawTextDo) {
    const QString texts[] = {
        QStringLiteral("Name: Asha Rao"),
        QStringLiteral("Shani (R) "),
        QStringLiteral("  spaces before and after  "),
        QStringLiteral("AV To Wa ffi fl \uFB01"),
        QStringLiteral("\u00C9mile Zo\u00EB \u00DCnal"),
        QStringLiteral("\u0936\u094D\u0930\u0940 \u0930\u093E\u092E"),
        QStringLiteral("\u674E\u5C0F\u9F99"),
        QStringLiteral("23\u00B0 39' 2\""),
        QStringLiteral("Date of Birth: June 15, 1980"),
        QString(),
    };
    // A corner off the pixel grid, as the cells' corners are.
    const QPointF topLeft(3.4, 5.6);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;
    for (const QString& text : texts) {
        for (const double size : {6.0, 8.25, 9.75}) {
            for (const bool bold : {false, true}) {
                QImage laidOut = Blank();
                QImage drawn = Blank();
                const QFont font = ui::PaintFont(size, bold, &laidOut);
                const ui::PaintedLine line(text, font, &laidOut);
                EXPECT_EQ(line.width(), ui::PaintTextWidth(text, size, bold))
                    << text.toStdString() << " at " << size;
                {
                    QPainter painter(&laidOut);
                    painter.setFont(font);
                    line.draw(painter, topLeft);
                }
                {
                    QPainter painter(&drawn);
                    painter.setFont(font);
                    painter.drawText(QRectF(topLeft, QSizeF(20, 20)), flags, text);
                }
                EXPECT_EQ(laidOut, drawn) << text.toStdString() << " at " << size;
            }
        }
    }
}

// Right-to-left text, tabs and line breaks are drawText's own: they stay with it.
TEST(PaintedLine, TakesOnlyPlainLeftToRightText) {
    EXPECT_TRUE(ui::PaintedLine::IsPlain(QStringLiteral("Asha Rao, 23\u00B0 39'")));
    EXPECT_TRUE(ui::PaintedLine::IsPlain(QString()));
    EXPECT_FALSE(ui::PaintedLine::IsPlain(QStringLiteral("\u05E9\u05DC\u05D5\u05DD")));
    EXPECT_FALSE(ui::PaintedLine::IsPlain(QStringLiteral("a\tb")));
    EXPECT_FALSE(ui::PaintedLine::IsPlain(QStringLiteral("a\nb")));
    EXPECT_FALSE(ui::PaintedLine::IsPlain(QStringLiteral("a") + QChar(QChar::LineSeparator)));
}

}  // namespace
