#pragma once

#include <QFont>
#include <QString>

class QPaintDevice;

namespace ui {

// Verdana where the system has it, else the system's sans-serif.
QString ProgramFontFamily();

// The program's font at a size in points, for widgets.
QFont ProgramFont(double pointSize, bool bold = false);

// The program's font for painting in logical pixels of 96 per inch on device, whatever the
// device's own resolution: the chart keeps its proportions on screen, in pictures and on paper.
QFont PaintFont(double pointSize, bool bold, const QPaintDevice* device);

}  // namespace ui
