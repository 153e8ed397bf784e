#include "files/printing.h"

#include <QPicture>
#include <algorithm>

namespace files {

void ConfigurePrintDialog(QPrintDialog& dialog) {
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
}

std::optional<FileProblem> PrintDrawing(QPrinter& printer, QSizeF logicalSize,
                                        const std::function<void(QPainter&)>& paint) {
    // Record the drawing first: a picture keeps lines and text as they are, and replaying it
    // on the printer resolves fonts for the picture's resolution, not the printer's, so text
    // keeps its size relative to the lines.
    QPicture drawing;
    {
        QPainter recorder(&drawing);
        paint(recorder);
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString target =
            printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        return FileProblem{QStringLiteral("The chart could not be printed: \"%1\" did not "
                                          "accept the page.")
                               .arg(target),
                           {}};
    }
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution()).toRectF();
    if (logicalSize.width() > 0 && logicalSize.height() > 0) {
        const qreal scale =
            std::min(page.width() / logicalSize.width(), page.height() / logicalSize.height());
        painter.translate((page.width() - logicalSize.width() * scale) / 2, 0);
        painter.scale(scale, scale);
    }
    painter.drawPicture(0, 0, drawing);
    painter.end();
    return std::nullopt;
}

}  // namespace files
