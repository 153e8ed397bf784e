#pragma once

#include <string>

#include "reading/chart_reading.h"

namespace files {

// Every body's sign in the sixteen divisional charts as CSV for spreadsheets: the header
// "body,D1,D2,…,D60", then one line for each of the Sun to Ketu and the ascendant, its name and
// its sign abbreviation in each chart. Lines end in CR LF.
std::string VargaCsv(const reading::ChartReading& reading);

}  // namespace files
