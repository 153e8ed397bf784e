#include "files/printing.h"

#include <QCoreApplication>
#include <QPicture>
#include <algorithm>

namespace files {

void ConfigurePrintDialog(QPrintDialog& dialog) {
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
}

bool DrawOnPage(QPagedPaintDevice& device, QSizeF logicalSize,
                const std::function<void(QPainter&)>& paint) {
    // Record the drawing first: a picture keeps lines and text as they are, and replays them at
    // their physical size on any device, fonts included. Painting straight on the page would
    // resolve point sizes at the page's resolution and make text far too large for the lines.
    QPicture drawing;
    {
        QPainter recorder(&drawing);
        paint(recorder);
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    // The replay already scales by the page's resolution over the picture's; only the fit to
    // the page remains.
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX()).toRectF();
    const qreal replayScale = qreal(device.logicalDpiX()) / drawing.logicalDpiX();
    if (logicalSize.width() > 0 && logicalSize.height() > 0) {
        const qreal pageScale =
            std::min(page.width() / logicalSize.width(), page.height() / logicalSize.height());
        painter.translate((page.width() - logicalSize.width() * pageScale) / 2, 0);
        painter.scale(pageScale / replayScale, pageScale / replayScale);
    }
    painter.drawPicture(0, 0, drawing);
    painter.end();
    return true;
}

std::optional<FileProblem> PrintDrawing(QPrinter& printer, QSizeF logicalSize,
                                        const std::function<void(QPainter&)>& paint) {
    if (DrawOnPage(printer, logicalSize, paint)) {
        return std::nullopt;
    }
    const QString target =
        printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    return FileProblem{QCoreApplication::translate("FileProblems",
                                                   "The chart could not be printed: \"%1\" did "
                                                   "not accept the page.")
                           .arg(target),
                       {}};
}

}  // namespace files
