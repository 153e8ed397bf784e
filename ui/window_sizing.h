#pragma once

#include <QSize>

namespace ui {

// How large the chart window opens and how large its chart display is shown.

// Zoom of the chart display, as a factor of the size that just fits the window.
inline constexpr double kZoomStep = 1.25;
inline constexpr double kSmallestZoom = 0.5;
inline constexpr double kLargestZoom = 4.0;

double ZoomedIn(double zoom);
double ZoomedOut(double zoom);

// The display's size for a zoom: the designed size scaled to fill room as far as its proportions
// allow, times zoom; never empty.
QSize DisplaySizeFor(QSize designed, QSize room, double zoom);

// Room a window's frame (title bar and borders) may take beyond its client area, in logical
// pixels; the window system tells it only once the window is shown.
inline constexpr QSize kFrameAllowance{16, 48};

// The client size a window opens at: wanted, made smaller where the window with its frame
// would not fit the screen's available area.
QSize OpeningSize(QSize wanted, QSize available, QSize frameAllowance = kFrameAllowance);

}  // namespace ui
