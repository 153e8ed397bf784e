#include "ui/chart_display.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTransform>
#include <algorithm>

#include "reading/sign_tables.h"
#include "ui/chart/chart_painter.h"
#include "ui/chart/chart_words.h"
#include "ui/program_fonts.h"
#include "ui/program_texts.h"

namespace ui {

namespace {

// Readers of the screen get the display's texts, since it is drawn rather than built of labels:
// the shown chart box by box, then the birth lines, details and positions.
QString AccessibleText(const ChartDisplayContent& content, ChartKind chart) {
    QStringList parts;
    const BoxTexts& boxes = content.boxTextsOf(chart);
    for (int box = 0; box < kBoxCount; ++box) {
        if (!boxes[box].empty()) {
            QString entries = QString::fromStdString(boxes[box]);
            entries.replace(QString::fromLatin1(kBoxLineBreak.data(), kBoxLineBreak.size()),
                            QStringLiteral(", "));
            parts << ChartWord(reading::RashiNames[box]) + QStringLiteral(": ") + entries;
        }
    }
    for (const auto& line : content.birthLines) {
        parts << QString::fromStdString(line);
    }
    for (const auto& value : content.detailValues) {
        parts << QString::fromStdString(value);
    }
    for (const auto& position : content.planetPositions) {
        parts << QString::fromStdString(position);
    }
    for (const auto& note : content.notes) {
        parts << QString::fromStdString(note);
    }
    return parts.join(QLatin1Char('\n'));
}

}  // namespace

ChartDisplay::ChartDisplay(ChartDisplayContent content, QWidget* parent)
    : QWidget(parent), content_(std::move(content)) {
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(QString::fromLatin1(kChartDisplayCaption));
    setFont(ProgramFont(8.25));
    resize(kChartDisplaySize);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    describeChart();
}

void ChartDisplay::setContent(ChartDisplayContent content) {
    content_ = std::move(content);
    picture_.reset();
    describeChart();
    update();
}

void ChartDisplay::setChart(ChartKind chart) {
    chart_ = chart;
    describeChart();
    update();
}

void ChartDisplay::setChartStyle(ChartStyle style) {
    style_ = style;
    update();
}

void ChartDisplay::describeChart() {
    setAccessibleName(ChartCaption(chart_));
    setAccessibleDescription(AccessibleText(content_, chart_));
}

QSize ChartDisplay::sizeHint() const {
    return kChartDisplaySize;
}

void ChartDisplay::paint(QPainter& painter) const {
    PaintChartDisplay(painter, content_, palette(), chart_, style_);
}

QImage ChartDisplay::picture() const {
    const qint64 paletteKey = palette().cacheKey();
    if (!picture_ || picture_->chart != chart_ || picture_->style != style_ ||
        picture_->paletteKey != paletteKey) {
        // The drawing begins by painting its whole size white, so the image is not filled first.
        QImage image(kChartDisplaySize, QImage::Format_RGB32);
        {
            QPainter painter(&image);
            paint(painter);
        }
        picture_ = DrawnPicture{image, chart_, style_, paletteKey};
    }
    return picture_->image;
}

QTransform ChartDisplay::drawingTransform() const {
    const QSizeF designed(kChartDisplaySize);
    const double scale = std::min(width() / designed.width(), height() / designed.height());
    QTransform transform;
    transform.translate((width() - designed.width() * scale) / 2,
                        (height() - designed.height() * scale) / 2);
    transform.scale(scale, scale);
    return transform;
}

void ChartDisplay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setTransform(drawingTransform());
    paint(painter);
}

bool ChartDisplay::overLogo(const QPointF& position) const {
    return ChartLogoArea().contains(drawingTransform().inverted().map(position));
}

void ChartDisplay::mouseMoveEvent(QMouseEvent* event) {
    const bool overLogo = this->overLogo(event->position());
    setCursor(overLogo ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QWidget::mouseMoveEvent(event);
}

void ChartDisplay::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && overLogo(event->position())) {
        emit logoClicked();
    }
    QWidget::mouseReleaseEvent(event);
}

}  // namespace ui
