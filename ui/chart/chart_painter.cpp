#include "ui/chart/chart_painter.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include "ui/chart/chart_layout.h"
#include "ui/chart/details_layout.h"
#include "ui/chart/painted_line.h"
#include "ui/chart/style_layout.h"
#include "ui/language.h"
#include "ui/program_fonts.h"
#include "ui/program_texts.h"
#include "ui/qt_text.h"

namespace ui {

namespace {

QPointF PointIn(const TwipsRect& frame, double left, double top) {
    return ToPixelsF(frame.left + left, frame.top + top);
}

// Chart lines fall on whole pixels, as the chart's twips did on a screen of 96 dots per inch:
// square 0, 5 twips smaller than the others, then shares its edges with its neighbours.
QPointF GridPoint(const TwipsRect& frame, int left, int top) {
    return QPointF(TwipsToWholePixels(frame.left + left), TwipsToWholePixels(frame.top + top));
}

QPen LinePen(const QColor& colour, double width = 1.0) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// Text from the top-left corner of a cell, whole: set smaller than designed when the cell is too
// narrow for it. Only a typed text too long even at the smallest size is cut with an ellipsis.
void DrawWholeText(QPainter& painter, const QRectF& cell, const QString& text, double designedSize,
                   bool bold) {
    // Nearly every text fits at its designed size: laid out once, it is measured and drawn from
    // the one layout, which gives the same width and pixels as the steps below where the device
    // measures as the fitting does.
    if (MeasuresAsFitting(painter.device()) && painter.layoutDirection() != Qt::RightToLeft &&
        PaintedLine::IsPlain(text)) {
        const QFont font = PaintFont(designedSize, bold, painter.device());
        const PaintedLine line(text, font, painter.device());
        if (line.width() <= cell.width()) {
            painter.setFont(font);
            line.draw(painter, cell.topLeft());
            return;
        }
    }
    const std::optional<double> size =
        FittingPointSize(text, cell.width(), designedSize, kSmallestCellTextSize, bold);
    painter.setFont(PaintFont(size.value_or(kSmallestCellTextSize), bold, painter.device()));
    QString shown = text;
    if (!size) {
        const QFontMetricsF metrics(painter.font(), painter.device());
        shown = metrics.elidedText(text, Qt::ElideRight, cell.width());
    }
    painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                     shown);
}

void PaintChart(QPainter& painter, const ChartDisplayContent& content, ChartKind kind,
                ChartStyle style) {
    const TwipsRect& chart = layout::kChart;
    const StyleLayout& shape = LayoutOf(style);
    // The colour ends where the border line is drawn, on the same whole pixels.
    painter.fillRect(QRectF(GridPoint(chart, shape.frame.left, shape.frame.top),
                            GridPoint(chart, shape.frame.right(), shape.frame.bottom())),
                     QColor(kChartColour));

    painter.setPen(LinePen(Qt::black));
    painter.setBrush(Qt::NoBrush);
    for (const TwipsRect& square : shape.squares) {
        painter.drawRect(QRectF(GridPoint(chart, square.left, square.top),
                                GridPoint(chart, square.right(), square.bottom())));
    }
    const std::optional<int> lagna = content.lagnaSignOf(kind);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const auto& line : shape.lines) {
        painter.drawLine(GridPoint(chart, line.x1, line.y1), GridPoint(chart, line.x2, line.y2));
    }
    if (shape.marksLagnaBox && lagna) {
        const auto mark = LagnaMark(shape.boxes[shape.boxOfSign(*lagna, lagna)]);
        painter.drawLine(GridPoint(chart, mark.x1, mark.y1), GridPoint(chart, mark.x2, mark.y2));
    }
    painter.restore();

    // The chart's name where no sign is, in the centre if the style leaves it free.
    painter.setFont(PaintFont(layout::kDisplayFontSize, true, painter.device()));
    const TwipsRect& centre = shape.caption;
    painter.drawText(
        ToPixelsF({chart.left + centre.left, chart.top + centre.top, centre.width, centre.height}),
        Qt::AlignCenter | Qt::TextWordWrap, ChartCaption(kind));

    // The number of the sign each box holds, in the styles that number them.
    painter.setFont(PaintFont(layout::kDisplayFontSize, false, painter.device()));
    for (int box = 0; box < kBoxCount; ++box) {
        const auto& anchor = shape.boxes[box].numberAnchor;
        const std::optional<int> sign = shape.signOfBox(box, lagna);
        if (anchor && sign) {
            const QPointF centrePoint = PointIn(chart, anchor->left, anchor->top);
            painter.drawText(QRectF(centrePoint - QPointF(15, 10), QSizeF(30, 20)),
                             Qt::AlignCenter | Qt::TextDontClip,
                             WithLanguageDigits(QString::number(*sign + 1)));
        }
    }

    const ProgramFontMeasure measure;
    const BoxTexts boxTexts = TextsByBox(shape, content.boxTextsOf(kind), lagna);
    for (int box = 0; box < kBoxCount; ++box) {
        const BoxTextLayout boxLayout = LayoutBoxText(shape.boxes[box], boxTexts[box], measure);
        if (boxLayout.lines.empty()) {
            continue;
        }
        painter.setFont(PaintFont(boxLayout.pointSize, false, painter.device()));
        const double ascent = QFontMetricsF(painter.font(), painter.device()).ascent();
        for (const auto& line : boxLayout.lines) {
            const QPointF topLeft = PointIn(chart, line.left, line.top);
            painter.drawText(topLeft + QPointF(0, ascent), QStringOf(line.text));
        }
    }
}

void PaintBirthLines(QPainter& painter, const ChartDisplayContent& content) {
    painter.setPen(Qt::black);
    for (int i = 0; i < kBirthLineCount; ++i) {
        const int top = layout::kBirthLineTops[i];
        // A line beside the planet table must not run into it; the others may use the display's
        // whole width.
        const bool besideTable = top + layout::kBirthLineHeight > layout::kPlanetTable.top;
        const int right = besideTable ? layout::kPlanetTable.left : layout::kDisplay.right();
        const TwipsRect cell{layout::kBirthLinesLeft, top, right - layout::kBirthLinesLeft - 60,
                             layout::kBirthLineHeight + 60};
        DrawWholeText(painter, ToPixelsF(cell), QStringOf(content.birthLines[i]),
                      layout::kDisplayFontSize, true);
    }
}

// The notes of how the chart was cast, small, one under the other.
void PaintNotes(QPainter& painter, const ChartDisplayContent& content) {
    painter.setPen(Qt::black);
    const int count = std::min(static_cast<int>(content.notes.size()), layout::kNoteCount);
    for (int i = 0; i < count; ++i) {
        const TwipsRect cell{layout::kNotesLeft, layout::kNotesTop + i * layout::kNoteLineHeight,
                             layout::kDisplay.right() - layout::kNotesLeft - 120,
                             layout::kNoteLineHeight};
        DrawWholeText(painter, ToPixelsF(cell),
                      QStringOf(content.notes[static_cast<std::size_t>(i)]), layout::kNoteFontSize,
                      false);
    }
}

// A framed panel with its caption set into the top edge.
void PaintFrame(QPainter& painter, const TwipsRect& frame, const QString& caption,
                const QPalette& palette) {
    const QRectF area = ToPixelsF(frame);
    painter.setFont(PaintFont(layout::kDisplayFontSize, true, painter.device()));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double edgeTop = metrics.height() / 2;

    painter.fillRect(area, palette.color(QPalette::Window));
    painter.setPen(LinePen(palette.color(QPalette::Mid)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0.5, edgeTop, -0.5, -0.5));

    const QRectF captionArea(area.left() + 7, area.top(), metrics.horizontalAdvance(caption) + 6,
                             metrics.height());
    painter.fillRect(captionArea, palette.color(QPalette::Window));
    painter.setPen(palette.color(QPalette::WindowText));
    painter.drawText(captionArea, Qt::AlignCenter | Qt::TextSingleLine, caption);
}

// A cell's text, one line or two, from the cell's top-left corner less its insets.
void PaintCell(QPainter& painter, const QRectF& cell, const CellLines& text,
               const QPalette& palette, const QColor& textColour) {
    painter.fillRect(cell, palette.color(QPalette::Base));
    painter.setPen(textColour);
    const QRectF room =
        cell.adjusted(kCellTextInsetLeft, kCellTextInsetTop, -kCellTextInsetRight, 0);
    const double pitch = PaintLineHeight(text.pointSize, false);
    for (qsizetype i = 0; i < text.lines.size(); ++i) {
        DrawWholeText(painter, room.translated(0, i * pitch), text.lines[i], text.pointSize, false);
    }
}

void PaintRow(QPainter& painter, const TwipsRect& frame, int rowTop, const TwipsRect& cellShape,
              const QString& text, const QPalette& palette, const QColor& textColour) {
    const QRectF cell = ToPixelsF(
        {frame.left + cellShape.left, frame.top + rowTop, cellShape.width, cellShape.height});
    PaintCell(painter, cell, {layout::kTableFontSize, {text}}, palette, textColour);
}

void PaintDetails(QPainter& painter, const ChartDisplayContent& content, const QPalette& palette) {
    const TwipsRect& frame = layout::kDetailsPanel;
    PaintFrame(painter, frame, QCoreApplication::translate("ChartDisplay", "Other Vedic Details"),
               palette);
    std::array<QString, kDetailCount> captions;
    std::array<QString, kDetailCount> values;
    for (int row = 0; row < kDetailCount; ++row) {
        captions[row] = QCoreApplication::translate("ChartDisplay", layout::kDetailCaptions[row]);
        values[row] = QStringOf(content.detailValues[row]);
    }
    const QColor text = palette.color(QPalette::Text);
    const DetailRowPlaces rows = LayOutDetailRows(captions, values);
    for (const DetailRowPlace& row : rows) {
        for (const auto& [shape, lines] : {std::pair{layout::kDetailCaptionCell, &row.caption},
                                           std::pair{layout::kDetailValueCell, &row.value}}) {
            const QRectF cell(ToPixelsF(frame.left + shape.left, frame.top + row.top),
                              QSizeF(TwipsToPixels(shape.width), TwipsToPixels(row.height)));
            PaintCell(painter, cell, *lines, palette, text);
        }
    }
}

void PaintPlanetTable(QPainter& painter, const ChartDisplayContent& content,
                      const QPalette& palette) {
    const TwipsRect& frame = layout::kPlanetTable;
    PaintFrame(painter, frame,
               QCoreApplication::translate("ChartDisplay", "Vedic Planetary Position"), palette);
    const QColor darkText(0x20, 0x20, 0x20);
    for (int row = 0; row < reading::kChartBodyCount; ++row) {
        const int top = layout::kPlanetRowTops[row];
        PaintRow(painter, frame, top, layout::kPlanetNameCell,
                 QCoreApplication::translate("ChartDisplay", layout::kPlanetRowNames[row]), palette,
                 darkText);
        PaintRow(painter, frame, top, layout::kPlanetPositionCell,
                 QStringOf(content.planetPositions[row]), palette, darkText);
    }
}

}  // namespace

QRectF ChartLogoArea() {
    return ToPixelsF(layout::kLogo);
}

void PaintChartEmblem(QPainter& painter, const QRectF& area) {
    painter.save();
    const double side = std::min(area.width(), area.height());
    const QRectF square(area.center() - QPointF(side / 2, side / 2), QSizeF(side, side));
    painter.fillRect(square, QColor(kChartColour));
    painter.setPen(LinePen(QColor(0x80, 0x20, 0x10), std::max(1.0, side / 24)));
    painter.setBrush(Qt::NoBrush);
    const double third = side / 3;
    painter.drawRect(square);
    for (int i = 1; i < 3; ++i) {
        painter.drawLine(QPointF(square.left() + i * third, square.top()),
                         QPointF(square.left() + i * third, square.bottom()));
        painter.drawLine(QPointF(square.left(), square.top() + i * third),
                         QPointF(square.right(), square.top() + i * third));
    }
    const QPointF tl = square.topLeft();
    painter.drawLine(tl, tl + QPointF(third, third));
    painter.drawLine(square.topRight(), square.topRight() + QPointF(-third, third));
    painter.drawLine(square.bottomLeft(), square.bottomLeft() + QPointF(third, -third));
    painter.drawLine(square.bottomRight(), square.bottomRight() - QPointF(third, third));
    painter.restore();
}

void PaintLogo(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card = area.adjusted(4, 6, -4, -6);
    QPainterPath outline;
    outline.addRoundedRect(card, 8, 8);
    painter.fillPath(outline, QColor(0x7a, 0x1f, 0x12));

    const double emblemSide = card.height() - 16;
    const QRectF emblem(card.left() + 8, card.top() + 8, emblemSide, emblemSide);
    PaintChartEmblem(painter, emblem);

    const QRectF words(emblem.right() + 8, card.top() + 8, card.right() - emblem.right() - 14,
                       card.height() - 16);
    painter.setPen(QColor(kChartColour));
    painter.setFont(PaintFont(13, true, painter.device()));
    painter.drawText(words, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Velmora"));
    painter.setPen(Qt::white);
    painter.setFont(PaintFont(8.25, false, painter.device()));
    painter.drawText(words, Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap,
                     QStringLiteral("Astrology\nRashi Chart"));
    painter.restore();
}

void PaintChartDisplay(QPainter& painter, const ChartDisplayContent& content,
                       const QPalette& palette, ChartKind chart, ChartStyle style) {
    painter.save();
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(kChartDisplaySize)), Qt::white);
    PaintLogo(painter, ChartLogoArea());
    PaintChart(painter, content, chart, style);
    PaintBirthLines(painter, content);
    PaintDetails(painter, content, palette);
    PaintPlanetTable(painter, content, palette);
    PaintNotes(painter, content);
    painter.restore();
}

void PaintChartDisplay(QPainter& painter, const ChartDisplayContent& content, ChartKind chart,
                       ChartStyle style) {
    PaintChartDisplay(painter, content, QGuiApplication::palette(), chart, style);
}

}  // namespace ui
