#include "ui/file_requests.h"

#include <string_view>

#include "files/file_dialog_texts.h"
#include "ui/program_texts.h"
#include "ui/qt_text.h"

namespace ui {

namespace {

// The shared name with the dialog's own extension in place of the other command's, so that
// pressing Enter never offers to replace a reading with a report or a report with a reading.
QString WithOwnSuffix(const QString& name, std::string_view suffix) {
    if (name.isEmpty()) {
        return name;
    }
    QString base = name;
    for (const std::string_view shared : {files::kReadingFileSuffix, files::kReportSuffix}) {
        const QString ending = QLatin1Char('.') + QStringOf(shared);
        if (base.endsWith(ending, Qt::CaseInsensitive)) {
            base.chop(ending.size());
            break;
        }
    }
    return base + QLatin1Char('.') + QStringOf(suffix);
}

}  // namespace

FileRequest SaveReadingRequest(const QString& initialName) {
    return {QString::fromLatin1(kProgramTitle), QStringOf(files::kReadingFileFilter),
            QStringOf(files::kReadingFileSuffix),
            WithOwnSuffix(initialName, files::kReadingFileSuffix)};
}

FileRequest OpenReadingRequest() {
    return {QStringOf(files::kOpenReadingTitle),
            QStringOf(files::kReadingFileFilter),
            QStringOf(files::kReadingFileSuffix),
            {}};
}

FileRequest ExportReportRequest(const QString& initialName) {
    return {QStringOf(files::kReportTitle), QStringOf(files::kReportFilter),
            QStringOf(files::kReportSuffix), WithOwnSuffix(initialName, files::kReportSuffix)};
}

FileRequest SavePictureRequest() {
    return {{}, QStringOf(files::kPictureFilter), QStringOf(files::kPictureSuffix), {}, false};
}

FileRequest SavePdfRequest() {
    return {{}, QStringOf(files::kPdfFilter), QStringOf(files::kPdfSuffix), {}, false};
}

FileRequest SaveSvgRequest() {
    return {{}, QStringOf(files::kSvgFilter), QStringOf(files::kSvgSuffix), {}, false};
}

FileRequest SaveDashaCsvRequest(const QString& initialName) {
    return {QStringOf(files::kDashaCsvTitle), QStringOf(files::kDashaCsvFilter),
            QStringOf(files::kDashaCsvSuffix), initialName};
}

}  // namespace ui
