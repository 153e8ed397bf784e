#include "ui/window_sizing.h"

#include <algorithm>
#include <cmath>

namespace ui {

double ZoomedIn(double zoom) {
    return std::min(kLargestZoom, zoom * kZoomStep);
}

double ZoomedOut(double zoom) {
    return std::max(kSmallestZoom, zoom / kZoomStep);
}

QSize DisplaySizeFor(QSize designed, QSize room, double zoom) {
    if (designed.isEmpty()) {
        return designed;
    }
    const double fit = std::min(double(room.width()) / designed.width(),
                                double(room.height()) / designed.height());
    const double scale = std::max(0.0, fit) * zoom;
    return {std::max(1, int(std::floor(designed.width() * scale))),
            std::max(1, int(std::floor(designed.height() * scale)))};
}

QSize OpeningSize(QSize wanted, QSize available, QSize frameAllowance) {
    const QSize room = (available - frameAllowance).expandedTo(QSize(1, 1));
    return wanted.boundedTo(room);
}

}  // namespace ui
