#pragma once

#include <QString>

#include "reading/chart_settings.h"

namespace ui {

// The user's choice of positions, ayanamsa and node: kept between runs in the program's
// settings, and named on every chart drawn with it.

// The choice last stored; the defaults for what was never stored or cannot be read.
reading::ChartSettings LoadChartSettings();
void StoreChartSettings(const reading::ChartSettings& settings);

// The line under a chart that says how it was calculated, in the language spoken: "Mean
// elements", or for example "Precise ephemeris · Lahiri · mean node".
QString ChartSettingsLine(const reading::ChartSettings& settings);

}  // namespace ui
