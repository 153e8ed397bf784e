#pragma once

#include <array>
#include <string>
#include <string_view>

#include "reading/birth_data.h"
#include "reading/chart_reading.h"

namespace files {

inline constexpr int kReportLineCount = 26;

// The text report, one entry a line without its line end. Lines 9 and 20 hold a single CR, so a
// writer that ends every line with CR LF puts CR CR LF there.
std::array<std::string, kReportLineCount> ReportLines(const reading::BirthData& birth,
                                                      const reading::ChartReading& reading,
                                                      std::string_view monthName);

}  // namespace files
