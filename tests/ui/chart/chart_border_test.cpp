// The chart's colour stays inside its outer border line, in every style, at every zoom the window
// offers and on the printed page.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "printed_page.h"
#include "reading/driver.h"
#include "reading/sample_birth.h"
#include "ui/chart/chart_layout.h"
#include "ui/chart/chart_painter.h"
#include "ui/chart/chart_style.h"
#include "ui/chart_display.h"
#include "ui/program_texts.h"
#include "ui/window_sizing.h"
#include "zoom_steps.h"

namespace {

bool IsChartColour(QRgb pixel) {
    const QRgb fill = ui::kChartColour;
    return std::abs(qRed(pixel) - qRed(fill)) + std::abs(qGreen(pixel) - qGreen(fill)) +
               std::abs(qBlue(pixel) - qBlue(fill)) <
           40;
}

bool IsBackground(QRgb pixel) {
    return qRed(pixel) > 235 && qGreen(pixel) > 235 && qBlue(pixel) > 235;
}

// Walking in from outside the chart towards it, across every row and column that the chart spans,
// the first thing met must be the border line, never the chart's colour. chart is the chart's
// designed area in the image's pixels; the walk starts margin pixels outside it.
QStringList ColourOutsideTheBorder(const QImage& image, const QRectF& chart, int margin) {
    QStringList found;
    const QRect area =
        chart.toAlignedRect().adjusted(-margin, -margin, margin, margin) & image.rect();
    const auto firstMet = [&](QPoint from, QPoint step, int count) {
        for (int i = 0; i < count; ++i, from += step) {
            if (!IsBackground(image.pixel(from))) {
                if (IsChartColour(image.pixel(from)) && found.size() < 4) {
                    found << QStringLiteral("(%1, %2)").arg(from.x()).arg(from.y());
                }
                return;
            }
        }
    };
    const int inner = 3;  // rows and columns this far inside the corners cross the border squarely
    for (int y = int(chart.top()) + inner; y < int(chart.bottom()) - inner; ++y) {
        firstMet({area.left(), y}, {1, 0}, area.width());
        firstMet({area.right(), y}, {-1, 0}, area.width());
    }
    for (int x = int(chart.left()) + inner; x < int(chart.right()) - inner; ++x) {
        firstMet({x, area.top()}, {0, 1}, area.height());
        firstMet({x, area.bottom()}, {0, -1}, area.height());
    }
    return found;
}

ui::ChartDisplayContent DelhiContent() {
    reading::BirthData birth;
    reading::ChartReading reading;
    EXPECT_FALSE(reading::RunCalculation(reading::SampleBirthForm(), birth, reading));
    return ui::FillDisplay(birth, reading, "June");
}

// The chart's area on the display, in the display's logical pixels.
QRectF DesignedChart() {
    return ui::ToPixelsF(ui::layout::kChart);
}

TEST(ChartBorder, TheChartsColourStaysInsideItsBorderAtEveryZoom) {
    const ui::ChartDisplayContent content = DelhiContent();
    for (const ui::ChartStyleName& style : ui::kChartStyles) {
        for (const double zoom : ZoomSteps()) {
            ui::ChartDisplay display(content);
            display.setChartStyle(style.style);
            display.resize(ui::DisplaySizeFor(ui::kChartDisplaySize, ui::kChartDisplaySize, zoom));
            const QRectF chart = display.drawingTransform().mapRect(DesignedChart());
            QImage image(display.size(), QImage::Format_RGB32);
            image.fill(Qt::white);
            const QRect drawn = chart.toAlignedRect().adjusted(-20, -20, 20, 20);
            display.render(&image, drawn.topLeft(), QRegion(drawn));
            EXPECT_EQ(ColourOutsideTheBorder(image, chart, int(6 * zoom)), QStringList())
                << style.key << " at zoom " << zoom;
        }
    }
}

TEST(ChartBorder, TheChartsColourStaysInsideItsBorderOnThePrintedPage) {
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty()) {
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    }
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const ui::ChartDisplayContent content = DelhiContent();
    constexpr int kDotsPerInch = 384;  // four page pixels to each of the display's
    for (const ui::ChartStyleName& style : ui::kChartStyles) {
        const QImage page = PrintedChartPage(folder, content, style.style, kDotsPerInch);
        ASSERT_FALSE(page.isNull()) << style.key;
        const double scale = kDotsPerInch / 96.0;
        const QRectF chart(DesignedChart().topLeft() * scale, DesignedChart().size() * scale);
        EXPECT_EQ(ColourOutsideTheBorder(page, chart, 24), QStringList()) << style.key;
    }
}

}  // namespace
