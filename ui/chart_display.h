#pragma once

#include <QImage>
#include <QWidget>
#include <optional>

#include "ui/chart/chart_display_content.h"
#include "ui/chart/chart_style.h"

class QPainter;
class QTransform;

namespace ui {

// The chart display (frmDisplay): one reading's chart, planet table, Vedic details and birth
// details, all drawn by PaintChartDisplay. Its texts change only when the language or the way the
// birth is calculated does; the chart shown and its style may change at any time. Whatever its
// size, the drawing fills it as far as its proportions allow, centred.
class ChartDisplay : public QWidget {
    Q_OBJECT

  public:
    explicit ChartDisplay(ChartDisplayContent content, QWidget* parent = nullptr);

    const ChartDisplayContent& content() const { return content_; }
    // The same reading's texts in another language, or the birth calculated another way.
    void setContent(ChartDisplayContent content);

    // The chart shown: the Rashi chart at first, or one of the divisional charts.
    ChartKind chart() const { return chart_; }
    void setChart(ChartKind chart);

    // The way the chart is drawn: East Indian at first.
    ChartStyle chartStyle() const { return style_; }
    void setChartStyle(ChartStyle style);

    // Draws the display from the painter's origin, in logical pixels: the one drawing that the
    // screen, the picture and the printed page share.
    void paint(QPainter& painter) const;

    // The display as a picture of its designed size, however large it is shown, drawn again only
    // for the other chart, new texts or a new palette.
    QImage picture() const;

    // Where the drawing stands in the widget: from logical pixels of the designed display to the
    // widget's own.
    QTransform drawingTransform() const;

    QSize sizeHint() const override;

  signals:
    void logoClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool overLogo(const QPointF& position) const;
    void describeChart();

    ChartDisplayContent content_;
    ChartKind chart_ = ChartKind::kRashi;
    ChartStyle style_ = ChartStyle::kEast;

    struct DrawnPicture {
        QImage image;
        ChartKind chart;
        ChartStyle style;
        qint64 paletteKey;
    };
    mutable std::optional<DrawnPicture> picture_;
};

}  // namespace ui
