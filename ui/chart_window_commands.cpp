// The chart window's commands that write files, print, open web pages and show the About box.
// Each does nothing until the files-and-links work lands; the menus, the toolbar, the buttons,
// the labels and the logo already call them.
#include "ui/chart_window.h"

namespace ui {

// "Save &As" and the toolbar's "Save": the reading file, from session_.birth and
// session_.zoneIndex; the chosen name is kept in session_.lastFileName.
void ChartWindow::saveReadingAs() {}

// "Save As &JPEG", menu and button: the picture in lastPicture().
void ChartWindow::saveAsJpeg() {}

// "&Export Chart As Text": the text report; shares session_.lastFileName with Save As.
void ChartWindow::exportAsText() {}

// "&Print" and the toolbar's "Print": the print dialog through dialogs_.runPrintDialog; the
// page can be drawn with PaintChartDisplay and display()->content().
void ChartWindow::printChart() {}

// Opens the vendor's web page for a page key ("help-web-page", "home-page", ...).
void ChartWindow::openVendorPage(const QString& pageKey) {
    Q_UNUSED(pageKey);
}

// "&About Software": the About box, modal, through dialogs_.runModal.
void ChartWindow::showAbout() {}

}  // namespace ui
