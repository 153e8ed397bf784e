#pragma once

#include <QPalette>
#include <QRectF>
#include <QSize>

#include "ui/chart/box_text_layout.h"
#include "ui/chart/chart_display_content.h"
#include "ui/chart/chart_style.h"

class QPainter;

namespace ui {

// The chart display's size in logical pixels (15000 × 8145 twips).
inline constexpr QSize kChartDisplaySize{1000, 543};

// Draws the whole chart display (logo, the chart with its box texts and its name, birth
// lines, Vedic details and planet table) in logical pixels of 96 per inch from the painter's
// origin. The same drawing serves the screen, pictures and paper: lines and text stay lines and
// text. chart chooses the divisional chart and style the way it is drawn; the rest of the display
// is the same.
void PaintChartDisplay(QPainter& painter, const ChartDisplayContent& content,
                       const QPalette& palette, ChartKind chart = ChartKind::kRashi,
                       ChartStyle style = ChartStyle::kEast);
void PaintChartDisplay(QPainter& painter, const ChartDisplayContent& content,
                       ChartKind chart = ChartKind::kRashi, ChartStyle style = ChartStyle::kEast);

// The product logo's area on the display, where a click opens the vendor's home page.
QRectF ChartLogoArea();

// The logo alone, fitted into area; also the program's icon.
void PaintLogo(QPainter& painter, const QRectF& area);

// A small East Indian chart figure: the program's icon.
void PaintChartEmblem(QPainter& painter, const QRectF& area);

}  // namespace ui
