#pragma once

#include <QFont>
#include <QPointF>
#include <QString>
#include <QTextLayout>

class QPainter;
class QPaintDevice;

namespace ui {

// One line of text laid out once for painting on a device: its width and its drawing come from
// the same shaping, where measuring the text and then drawing it would shape it twice.
class PaintedLine {
  public:
    PaintedLine(const QString& text, const QFont& font, QPaintDevice* device);

    // The advance from the line's start to its end, trailing spaces included, in logical pixels:
    // what QFontMetricsF::horizontalAdvance gives for the text on the device.
    double width() const;

    // Draws the line from its top-left corner as QPainter::drawText draws a single line set at
    // the top left of a rectangle, unclipped.
    void draw(QPainter& painter, const QPointF& topLeft) const;

    // Texts the line draws exactly as QPainter::drawText does: left to right, with no control
    // characters or line breaks, which drawText treats apart.
    static bool IsPlain(const QString& text);

  private:
    QTextLayout layout_;
};

}  // namespace ui
