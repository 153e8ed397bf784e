// The chart window's commands that write files and print. A file that
// cannot be written is reported with its name and the system's reason; the file that was there
// before stays as it was. A save that would change what the user entered asks first.
#include <QLabel>
#include <QPrinter>

#include "files/chart_documents.h"
#include "files/chart_picture.h"
#include "files/file_problem.h"
#include "files/printing.h"
#include "files/reading_file_io.h"
#include "files/report_export.h"
#include "files/text_losses.h"
#include "ui/chart/chart_painter.h"
#include "ui/chart_display.h"
#include "ui/chart_window.h"
#include "ui/file_requests.h"
#include "ui/loss_warning.h"
#include "ui/program_texts.h"
#include "ui/reading_session.h"
#include "ui/user_dialogs.h"

namespace ui {

namespace {

void ShowProblem(UserDialogs& dialogs, QWidget* parent,
                 const std::optional<files::FileProblem>& problem) {
    if (problem) {
        dialogs.showMessage(parent, problem->text, MessageKind::kError, problem->title);
    }
}

// The display's drawing, for pages and documents.
std::function<void(QPainter&)> DrawingOf(const ChartDisplay& display) {
    return [&display](QPainter& painter) { display.paint(painter); };
}

using DocumentWriter = QByteArray (*)(QSize, const std::function<void(QPainter&)>&, const QString&);

// The document's title is the window's heading, which names the style drawn.
void SaveDocument(UserDialogs& dialogs, QWidget* parent, const ChartDisplay& display,
                  const QString& title, const FileRequest& request, const char* extension,
                  DocumentWriter write) {
    const QString path = dialogs.askSaveFileName(parent, request);
    if (path.isEmpty()) {
        return;
    }
    const QByteArray document = write(kChartDisplaySize, DrawingOf(display), title);
    ShowProblem(dialogs, parent, files::SaveUnderFreeName(path, extension, document).problem);
}

}  // namespace

// "Save &As" and the toolbar's "Save": the birth details and the time zone's list position.
void ChartWindow::saveReadingAs() {
    const QString path = dialogs_.askSaveFileName(this, SaveReadingRequest(session_.lastFileName));
    if (path.isEmpty()) {
        return;
    }
    session_.lastFileName = path;
    if (!ConfirmLosses(dialogs_, this, files::ReadingFileLosses(session_.birth),
                       tr("the reading file"))) {
        return;
    }
    ShowProblem(dialogs_, this, files::SaveReadingFile(path, session_.birth, session_.zoneIndex));
}

// "Save As &JPEG", menu and button: the picture of the display taken at the window's last
// activation, under the first free name.
void ChartWindow::saveAsJpeg() {
    const QString path = dialogs_.askSaveFileName(this, SavePictureRequest());
    if (path.isEmpty()) {
        return;
    }
    // A window that has never been active has no picture yet; the display is drawn afresh then,
    // which gives the same picture since it never changes.
    const QImage picture = lastPicture_.isNull() ? display_->picture() : lastPicture_;
    ShowProblem(dialogs_, this, files::SaveChartPicture(path, picture).problem);
}

// "Save As P&DF" and "Save As &SVG": the display's drawing as a document, named as the picture.
void ChartWindow::saveAsPdf() {
    SaveDocument(dialogs_, this, *display_, lblHeading->text(), SavePdfRequest(),
                 files::kPdfExtension, files::ChartPdf);
}

void ChartWindow::saveAsSvg() {
    SaveDocument(dialogs_, this, *display_, lblHeading->text(), SaveSvgRequest(),
                 files::kSvgExtension, files::ChartSvg);
}

// "&Export Chart As Text": the 26-line report; its name is shared with Save As.
void ChartWindow::exportAsText() {
    const QString path = dialogs_.askSaveFileName(this, ExportReportRequest(session_.lastFileName));
    if (path.isEmpty()) {
        return;
    }
    session_.lastFileName = path;
    if (!ConfirmLosses(dialogs_, this, files::ReportLosses(session_.birth),
                       tr("the text report"))) {
        return;
    }
    ShowProblem(dialogs_, this, files::ExportReport(path, session_.birth, session_.reading));
}

// "&Print" and the toolbar's "Print": the display on one page, drawn as on the screen. A
// cancelled dialog prints nothing and says nothing. Without any printer there is nothing to
// choose in the dialog, so the user is offered a PDF file instead.
void ChartWindow::printChart() {
    if (dialogs_.printerNames().isEmpty()) {
        if (dialogs_.askYesNo(this, ProgramText(kNoPrinterQuestion))) {
            saveAsPdf();
        }
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    // The display is wider than high: across the page it prints largest. The dialog may change it.
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(lblHeading->text());
    if (!dialogs_.runPrintDialog(this, printer)) {
        return;
    }
    ShowProblem(dialogs_, this,
                files::PrintDrawing(printer, QSizeF(kChartDisplaySize), DrawingOf(*display_)));
}

}  // namespace ui
