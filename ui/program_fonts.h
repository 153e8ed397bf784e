#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <optional>

class QPaintDevice;

namespace ui {

// DejaVu Sans, shipped in the program's resources with Noto Sans Bengali and Noto Sans
// Devanagari: every machine shows, pictures and prints the chart with the same letters in every
// language, whatever fonts it has installed.
QString ProgramFontFamily();

// The program's font at a size in points, for widgets: the shipped faces in turn, so Bengali and
// Devanagari letters come from their Noto faces.
QFont ProgramFont(double pointSize, bool bold = false);

// The program's font for painting in logical pixels of 96 per inch on device, whatever the
// device's own resolution: the chart keeps its proportions on screen, in pictures and on paper.
// Letters are not fitted to the device's pixel grid, so a text is as wide on every device.
QFont PaintFont(double pointSize, bool bold, const QPaintDevice* device);

// A text's width and a line's height in logical pixels when painted at pointSize.
double PaintTextWidth(const QString& text, double pointSize, bool bold);
double PaintLineHeight(double pointSize, bool bold);
// Where a text painted at pointSize leaves ink, in logical pixels from the top-left corner of its
// line (the font's ascent above the baseline).
QRectF PaintTextInk(const QString& text, double pointSize, bool bold);

// True when texts on device measure as PaintTextWidth measures them: the device has the same
// resolution as the one the widths are taken on.
bool MeasuresAsFitting(const QPaintDevice* device);

// The largest size from largest down to smallest, in quarter points, at which text is at most
// width logical pixels wide; nothing when it is wider even at the smallest.
std::optional<double> FittingPointSize(const QString& text, double width, double largest,
                                       double smallest, bool bold);

}  // namespace ui
