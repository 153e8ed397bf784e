#include "files/report_export.h"

#include "files/latin1_text.h"
#include "files/report_lines.h"
#include "files/safe_file.h"

namespace files {

QByteArray ReportFileBytes(const reading::BirthData& birth, const reading::ChartReading& reading,
                           const QLocale& locale) {
    const std::string monthName = locale.monthName(birth.month, QLocale::LongFormat).toStdString();
    const auto lines = ReportLines(birth, reading, monthName);
    return QByteArray::fromStdString(Latin1TextFile(lines));
}

std::optional<FileProblem> ExportReport(const QString& path, const reading::BirthData& birth,
                                        const reading::ChartReading& reading,
                                        const QLocale& locale) {
    return WriteFileSafely(path, ReportFileBytes(birth, reading, locale));
}

}  // namespace files
