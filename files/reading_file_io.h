#pragma once

#include <QString>
#include <optional>

#include "files/file_problem.h"
#include "files/reading_file.h"
#include "reading/birth_data.h"

namespace files {

// Saves a reading's birth details and the form's time-zone list position as a reading file.
std::optional<FileProblem> SaveReadingFile(const QString& path, const reading::BirthData& birth,
                                           int zoneIndex);

// A reading file's fields, or why it was refused; a refused file must change nothing.
struct LoadedReadingFile {
    std::optional<ReadingFileFields> fields;
    std::optional<FileProblem> problem;
    QString endedEarly;  // for a file that ended before its last line, where it ended
};

// Reads a reading file. Refused with "Please Check The File." (and the reason, when there is
// one): a name not ending in the lower-case "vlj", and whatever ReadReadingFile refuses.
LoadedReadingFile LoadReadingFile(const QString& path);

}  // namespace files
