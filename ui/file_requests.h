#pragma once

#include <QString>

#include "ui/user_dialogs.h"

namespace ui {

// What the file dialogs of the reading file, the text report and the chart picture ask: their
// titles, filters and default extensions.

// Saving a reading; the initial name is the one last chosen for a reading or a report, with the
// reading's extension ("asha.txt" is offered as "asha.vlj").
FileRequest SaveReadingRequest(const QString& initialName);
// Opening a reading: an existing file, no initial name.
FileRequest OpenReadingRequest();
// Exporting the text report; shares its initial name with saving a reading, with the report's
// extension.
FileRequest ExportReportRequest(const QString& initialName);
// Saving the chart picture. A taken name gets a number rather than being replaced, so the
// dialog does not ask before replacing.
FileRequest SavePictureRequest();
// Saving the chart as a PDF or SVG document, named as the picture is.
FileRequest SavePdfRequest();
FileRequest SaveSvgRequest();
// Saving the dasha as CSV, first offered under initialName.
FileRequest SaveDashaCsvRequest(const QString& initialName);
FileRequest SaveVargaCsvRequest(const QString& initialName);

}  // namespace ui
