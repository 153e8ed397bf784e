#pragma once

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSizeF>
#include <functional>
#include <optional>

#include "files/file_problem.h"

namespace files {

// The print dialog offers neither page numbers (the chart is one page) nor printing to a file.
void ConfigurePrintDialog(QPrintDialog& dialog);

// Draws one page: paint draws in logical pixels (as on a screen of 96 dots per inch) within
// logicalSize, and the drawing is scaled to fit the page's printable area, proportions kept,
// centred across the page. Lines and text stay vector graphics and real text. False when the
// device would not take the page.
bool DrawOnPage(QPagedPaintDevice& device, QSizeF logicalSize,
                const std::function<void(QPainter&)>& paint);

// Prints that page on printer; a printer that refuses it is a problem to show.
std::optional<FileProblem> PrintDrawing(QPrinter& printer, QSizeF logicalSize,
                                        const std::function<void(QPainter&)>& paint);

}  // namespace files
