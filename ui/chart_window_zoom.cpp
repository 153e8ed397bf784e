// The chart window's zoom: the display fills the room the window gives it, proportions kept,
// times the zoom the user chose with Ctrl++, Ctrl+- and Ctrl+0 or the wheel with Ctrl held.
#include <QScrollArea>
#include <QWheelEvent>

#include "ui/chart/chart_painter.h"
#include "ui/chart_display.h"
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

bool ChartWindow::zoomByWheel(const QWheelEvent& wheel) {
    // Without Ctrl the wheel scrolls a zoomed-in chart as usual.
    if (!(wheel.modifiers() & Qt::ControlModifier) || wheel.angleDelta().y() == 0) {
        return false;
    }
    if (wheel.angleDelta().y() > 0) {
        zoomIn();
    } else {
        zoomOut();
    }
    return true;
}

}  // namespace ui
