#pragma once

#include <QByteArray>
#include <QPainter>
#include <QSize>
#include <QString>
#include <functional>

namespace files {

// The chart as documents that keep it sharp at any size: paint draws in logical pixels (96 per
// inch) within logicalSize, and its lines and text stay lines and text.

// One landscape A4 page of PDF with the drawing fitted onto it; its text can be selected and
// searched.
QByteArray ChartPdf(QSize logicalSize, const std::function<void(QPainter&)>& paint,
                    const QString& title);

// An SVG drawing of logicalSize.
QByteArray ChartSvg(QSize logicalSize, const std::function<void(QPainter&)>& paint,
                    const QString& title);

}  // namespace files
