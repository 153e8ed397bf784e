#pragma once

#include <QLocale>
#include <QString>
#include <optional>
#include <string>

#include "files/file_problem.h"
#include "reading/birth_data.h"
#include "reading/chart_reading.h"

namespace files {

// The month's full name in locale's language, or in English where Latin-1 cannot write it (a
// Russian or Hindi name would come out of the report as question marks).
std::string ReportMonthName(int month, const QLocale& locale);

// The text report's bytes: its 26 lines in Latin-1, each ended by CR LF, the month's name as
// ReportMonthName gives it.
QByteArray ReportFileBytes(const reading::BirthData& birth, const reading::ChartReading& reading,
                           const QLocale& locale);

// Writes the text report to path; the month's name comes from the user's language settings
// unless a locale is given.
std::optional<FileProblem> ExportReport(const QString& path, const reading::BirthData& birth,
                                        const reading::ChartReading& reading,
                                        const QLocale& locale = QLocale());

}  // namespace files
