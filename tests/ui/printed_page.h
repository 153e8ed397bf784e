#pragma once

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "files/printing.h"
#include "ui/chart/chart_painter.h"
#include "ui/chart/chart_style.h"
#include "ui/chart_display.h"

// The output of one of poppler's tools, empty when it failed.
inline QString RunPopplerTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The chart printed on a page of the display's own size, as pdftoppm sees it at dotsPerInch, and
// the page's text as pdftotext reads it when text is given. A null image when printing failed.
inline QImage PrintedChartPage(const QTemporaryDir& folder, const ui::ChartDisplayContent& content,
                               ui::ChartStyle style, int dotsPerInch, QString* text = nullptr) {
    const QString pdf = folder.filePath("page.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageLayout(
        QPageLayout(QPageSize(QSizeF(ui::kChartDisplaySize) * 72.0 / 96.0, QPageSize::Point),
                    QPageLayout::Portrait, QMarginsF()));
    ui::ChartDisplay display(content);
    display.setChartStyle(style);
    if (files::PrintDrawing(printer, QSizeF(ui::kChartDisplaySize),
                            [&display](QPainter& p) { display.paint(p); })) {
        return {};
    }
    if (text != nullptr) {
        *text = RunPopplerTool("pdftotext", {"-raw", pdf, "-"});
    }
    const QString stem = folder.filePath("page");
    RunPopplerTool("pdftoppm",
                   {"-r", QString::number(dotsPerInch), "-png", "-singlefile", pdf, stem});
    return QImage(stem + ".png").convertToFormat(QImage::Format_RGB32);
}
