#include "ui/file_requests.h"

#include <QCoreApplication>
#include <string>
#include <string_view>

#include "files/file_dialog_texts.h"
#include "ui/program_texts.h"
#include "ui/qt_text.h"

namespace ui {

namespace {

// The dialogs' titles and filters in the language spoken; a filter's pattern stays as it is.
QString Tr(std::string_view text) {
    return QCoreApplication::translate("FileDialogs", std::string(text).c_str());
}

[[maybe_unused]] constexpr std::string_view kDialogTexts[] = {
    QT_TRANSLATE_NOOP("FileDialogs", "Velmora Astrology Rashi Chart South (*.vlj)"),
    QT_TRANSLATE_NOOP("FileDialogs", "Select the source file"),
    QT_TRANSLATE_NOOP("FileDialogs", "Export Chart As Text (*.txt)"),
    QT_TRANSLATE_NOOP("FileDialogs", "Select the destination text file "),
    QT_TRANSLATE_NOOP("FileDialogs", "JPEG Image (*.jpg)"),
    QT_TRANSLATE_NOOP("FileDialogs", "PDF Document (*.pdf)"),
    QT_TRANSLATE_NOOP("FileDialogs", "SVG Image (*.svg)"),
    QT_TRANSLATE_NOOP("FileDialogs", "Save the Vimshottari dasha as CSV"),
    QT_TRANSLATE_NOOP("FileDialogs", "CSV (comma-separated values) (*.csv)"),
    QT_TRANSLATE_NOOP("FileDialogs", "Save the divisional charts as CSV"),
};
static_assert(kDialogTexts[0] == files::kReadingFileFilter &&
              kDialogTexts[1] == files::kOpenReadingTitle &&
              kDialogTexts[2] == files::kReportFilter && kDialogTexts[3] == files::kReportTitle &&
              kDialogTexts[4] == files::kPictureFilter && kDialogTexts[5] == files::kPdfFilter &&
              kDialogTexts[6] == files::kSvgFilter && kDialogTexts[7] == files::kDashaCsvTitle &&
              kDialogTexts[8] == files::kDashaCsvFilter &&
              kDialogTexts[9] == files::kVargaCsvTitle);

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
    return {QString::fromLatin1(kProgramTitle), Tr(files::kReadingFileFilter),
            QStringOf(files::kReadingFileSuffix),
            WithOwnSuffix(initialName, files::kReadingFileSuffix)};
}

FileRequest OpenReadingRequest() {
    return {Tr(files::kOpenReadingTitle),
            Tr(files::kReadingFileFilter),
            QStringOf(files::kReadingFileSuffix),
            {}};
}

FileRequest ExportReportRequest(const QString& initialName) {
    return {Tr(files::kReportTitle), Tr(files::kReportFilter), QStringOf(files::kReportSuffix),
            WithOwnSuffix(initialName, files::kReportSuffix)};
}

FileRequest SavePictureRequest() {
    return {{}, Tr(files::kPictureFilter), QStringOf(files::kPictureSuffix), {}, false};
}

FileRequest SavePdfRequest() {
    return {{}, Tr(files::kPdfFilter), QStringOf(files::kPdfSuffix), {}, false};
}

FileRequest SaveSvgRequest() {
    return {{}, Tr(files::kSvgFilter), QStringOf(files::kSvgSuffix), {}, false};
}

FileRequest SaveDashaCsvRequest(const QString& initialName) {
    return {Tr(files::kDashaCsvTitle), Tr(files::kDashaCsvFilter),
            QStringOf(files::kDashaCsvSuffix), initialName};
}

FileRequest SaveVargaCsvRequest(const QString& initialName) {
    return {Tr(files::kVargaCsvTitle), Tr(files::kDashaCsvFilter),
            QStringOf(files::kDashaCsvSuffix), initialName};
}

}  // namespace ui
