#pragma once

#include <vector>

#include "ui/window_sizing.h"

// Every zoom the chart window's View menu reaches from the size that fits the window, smallest
// first.
inline std::vector<double> ZoomSteps() {
    std::vector<double> out{1.0};
    for (double zoom = 1.0; ui::ZoomedOut(zoom) < zoom;) {
        zoom = ui::ZoomedOut(zoom);
        out.insert(out.begin(), zoom);
    }
    for (double zoom = 1.0; ui::ZoomedIn(zoom) > zoom;) {
        zoom = ui::ZoomedIn(zoom);
        out.push_back(zoom);
    }
    return out;
}
