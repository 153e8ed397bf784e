#include "ui/chart/painted_line.h"

#include <QPainter>
#include <QTextOption>
#include <algorithm>

namespace ui {

namespace {

// Wide enough that the line never breaks, as drawText sets a line that is not wrapped.
constexpr double kUnbrokenLineWidth = 0x01000000;

}  // namespace

PaintedLine::PaintedLine(const QString& text, const QFont& font, QPaintDevice* device)
    : layout_(text, font, device) {
    QTextOption option;
    option.setWrapMode(QTextOption::ManualWrap);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    option.setTextDirection(Qt::LeftToRight);
    layout_.setTextOption(option);
    // Keeps the shaping done for the width until the drawing.
    layout_.setCacheEnabled(true);
    layout_.beginLayout();
    QTextLine line = layout_.createLine();
    line.setLineWidth(kUnbrokenLineWidth);
    line.setPosition(QPointF(0, 0));
    layout_.endLayout();
}

double PaintedLine::width() const {
    return layout_.lineAt(0).horizontalAdvance();
}

void PaintedLine::draw(QPainter& painter, const QPointF& topLeft) const {
    layout_.draw(&painter, topLeft);
}

bool PaintedLine::IsPlain(const QString& text) {
    const bool hasBreakOrControl = std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
               c == QChar::ParagraphSeparator;
    });
    return !hasBreakOrControl && !text.isRightToLeft();
}

}  // namespace ui
