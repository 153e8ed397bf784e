// The chart window's zoom: the display fills the room the window gives it, proportions kept,
// times the zoom the user chose with Ctrl++, Ctrl+- and Ctrl+0.
#include <QScrollArea>

#include "ui/chart_display.h"
#include "ui/chart_painter.h"
#include "ui/chart_window.h"
#include "ui/window_sizing.h"

namespace ui {

void ChartWindow::zoomIn() {
    setZoom(ZoomedIn(zoom_));
}

void ChartWindow::zoomOut() {
    setZoom(ZoomedOut(zoom_));
}

void ChartWindow::resetZoom() {
    setZoom(1.0);
}

void ChartWindow::setZoom(double zoom) {
    zoom_ = zoom;
    fitDisplay();
}

void ChartWindow::fitDisplay() {
    display_->resize(DisplaySizeFor(kChartDisplaySize, scroller_->maximumViewportSize(), zoom_));
}

}  // namespace ui
