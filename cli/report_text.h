#pragma once

#include <string>

#include "reading/birth_data.h"
#include "reading/chart_reading.h"

namespace cli {

// The 26 lines of the text report for a terminal: UTF-8, each ended by LF. The two lines that
// hold a lone CR in the report file come out empty; the month is named in the user's language.
std::string TerminalReport(const reading::BirthData& birth, const reading::ChartReading& reading);

}  // namespace cli
