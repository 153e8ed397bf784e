#include "ui/file_requests.h"

#include <string_view>

#include "files/file_dialog_texts.h"
#include "ui/program_texts.h"

namespace ui {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The shared name with the dialog's own extension in place of the other command's, so that
// pressing Enter never offers to replace a reading with a report or a report with a reading.
QString WithOwnSuffix(const QString& name, std::string_view suffix) {
    if (name.isEmpty()) {
        return name;
    }
    QString base = name;
    for (const std::string_view shared : {files::kReadingFileSuffix, files::kReportSuffix}) {
        const QString ending = QLatin1Char('.') + Text(shared);
        if (base.endsWith(ending, Qt::CaseInsensitive)) {
            base.chop(ending.size());
            break;
        }
    }
    return base + QLatin1Char('.') + Text(suffix);
}

}  // namespace

FileRequest SaveReadingRequest(const QString& initialName) {
    return {QString::fromLatin1(kProgramTitle), Text(files::kReadingFileFilter),
            Text(files::kReadingFileSuffix), WithOwnSuffix(initialName, files::kReadingFileSuffix)};
}

FileRequest OpenReadingRequest() {
    return {Text(files::kOpenReadingTitle),
            Text(files::kReadingFileFilter),
            Text(files::kReadingFileSuffix),
            {}};
}

FileRequest ExportReportRequest(const QString& initialName) {
    return {Text(files::kReportTitle), Text(files::kReportFilter), Text(files::kReportSuffix),
            WithOwnSuffix(initialName, files::kReportSuffix)};
}

FileRequest SavePictureRequest() {
    return {{}, Text(files::kPictureFilter), Text(files::kPictureSuffix), {}, false};
}

FileRequest SavePdfRequest() {
    return {{}, Text(files::kPdfFilter), Text(files::kPdfSuffix), {}, false};
}

FileRequest SaveSvgRequest() {
    return {{}, Text(files::kSvgFilter), Text(files::kSvgSuffix), {}, false};
}

}  // namespace ui
