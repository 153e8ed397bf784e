#pragma once

#include <QString>

#include "reading/chart_settings.h"

namespace ui {

// The user's choice of positions, ayanamsa and node: kept between runs in the program's
// settings, and named on every chart drawn with it.

// The choice last stored; the defaults for what was never stored or cannot be read.
reading::ChartSettings LoadChartSettings();
void StoreChartSettings(const reading::ChartSettings& settings);

// The names the menus and the chart's line give each choice.
QString PositionsName(reading::PositionsKind positions);  // "Mean Elements", "Precise Ephemeris"
QString AyanamsaName(engine::AyanamsaMode ayanamsa);      // "Lahiri" … "True Chitrapaksha"
QString NodeName(engine::NodeKind node);                  // "Mean Node", "True Node"

// The line under a chart that says how it was calculated: "Mean elements", or for example
// "Precise ephemeris · Lahiri · mean node".
QString ChartSettingsLine(const reading::ChartSettings& settings);

}  // namespace ui
