#pragma once

#include "ui/chart/chart_style.h"

namespace ui {

// The chart style the user chose last, kept in the user's settings between runs; East Indian
// until one is chosen, or when the settings hold something this program does not know.
ChartStyle RememberedChartStyle();
void RememberChartStyle(ChartStyle style);

}  // namespace ui
