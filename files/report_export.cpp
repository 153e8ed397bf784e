#include "files/report_export.h"

#include "files/latin1_text.h"
#include "files/report_lines.h"
#include "files/safe_file.h"

namespace files {

std::string ReportMonthName(int month, const QLocale& locale) {
    const std::string name = locale.monthName(month, QLocale::LongFormat).toStdString();
    if (!name.empty() && Latin1ToUtf8(Utf8ToLatin1(name)) == name) {
        return name;
    }
    return QLocale(QLocale::English).monthName(month, QLocale::LongFormat).toStdString();
}

QByteArray ReportFileBytes(const reading::BirthData& birth, const reading::ChartReading& reading,
                           const QLocale& locale) {
    const auto lines = ReportLines(birth, reading, ReportMonthName(birth.month, locale));
    return QByteArray::fromStdString(Latin1TextFile(lines));
}

std::optional<FileProblem> ExportReport(const QString& path, const reading::BirthData& birth,
                                        const reading::ChartReading& reading,
                                        const QLocale& locale) {
    return WriteFileSafely(path, ReportFileBytes(birth, reading, locale));
}

}  // namespace files
