#include "ui/file_requests.h"

#include <string_view>

#include "files/file_dialog_texts.h"
#include "ui/program_texts.h"

namespace ui {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

FileRequest SaveReadingRequest(const QString& initialName) {
    return {QString::fromLatin1(kProgramTitle), Text(files::kReadingFileFilter),
            Text(files::kReadingFileSuffix), initialName};
}

FileRequest OpenReadingRequest() {
    return {Text(files::kOpenReadingTitle),
            Text(files::kReadingFileFilter),
            Text(files::kReadingFileSuffix),
            {}};
}

FileRequest ExportReportRequest(const QString& initialName) {
    return {Text(files::kReportTitle), Text(files::kReportFilter), Text(files::kReportSuffix),
            initialName};
}

FileRequest SavePictureRequest() {
    return {{}, Text(files::kPictureFilter), Text(files::kPictureSuffix), {}, false};
}

FileRequest SaveDashaCsvRequest(const QString& initialName) {
    return {Text(files::kDashaCsvTitle), Text(files::kDashaCsvFilter), Text(files::kDashaCsvSuffix),
            initialName};
}

}  // namespace ui
