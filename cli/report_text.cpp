#include "cli/report_text.h"

#include <QLocale>

#include "files/report_lines.h"

namespace cli {

std::string TerminalReport(const reading::BirthData& birth, const reading::ChartReading& reading) {
    const std::string monthName = QLocale().monthName(birth.month).toStdString();
    std::string text;
    for (const std::string& line : files::ReportLines(birth, reading, monthName)) {
        // A terminal shows a lone CR as nothing, and in a pipe it would only get in the way.
        if (line != "\r") {
            text += line;
        }
        text += '\n';
    }
    return text;
}

}  // namespace cli
