#pragma once

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

// Prints one page: paint draws in logical pixels (as on a screen of 96 dots per inch) within
// logicalSize, and the drawing is scaled to fit the page's printable area, proportions kept,
// centred across the page. Lines and text stay vector graphics and real text.
std::optional<FileProblem> PrintDrawing(QPrinter& printer, QSizeF logicalSize,
                                        const std::function<void(QPainter&)>& paint);

}  // namespace files
